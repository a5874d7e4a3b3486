#pragma once

#include <QWidget>
#include <functional>

namespace platform {

// The window of a screen. It reports its resizes (Form_Resize) and a close by the window manager, which
// unloads the screen as the screen's own commands do.
class FormWindow : public QWidget {
    Q_OBJECT
public:
    explicit FormWindow(Qt::WindowFlags flags);

    // Client area in twips.
    float ScaleWidth() const;
    float ScaleHeight() const;
    // Outer width in twips, frame included.
    float OuterWidth() const;

    std::function<void()> onResize;
    std::function<void()> onClose;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

} // namespace platform
