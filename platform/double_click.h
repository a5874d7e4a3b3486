#pragma once

#include <QObject>
#include <functional>

class QEvent;
class QWidget;

namespace platform {

// Calls back on a double-click on the watched control or on anything inside it that lets the click
// through (labels do; buttons and text boxes keep their own double-clicks). It lives as long as the
// watched control.
class DoubleClickWatcher final : public QObject {
public:
    DoubleClickWatcher(QWidget* watched, std::function<void()> onDoubleClick);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> onDoubleClick_;
};

} // namespace platform
