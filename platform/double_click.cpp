#include "double_click.h"

#include <QEvent>
#include <QWidget>
#include <utility>

namespace platform {

DoubleClickWatcher::DoubleClickWatcher(QWidget* watched, std::function<void()> onDoubleClick)
    : QObject(watched), onDoubleClick_(std::move(onDoubleClick)) {
    watched->installEventFilter(this);
}

bool DoubleClickWatcher::eventFilter(QObject* /*watched*/, QEvent* event) {
    if (event->type() != QEvent::MouseButtonDblClick)
        return false;
    onDoubleClick_();
    return true;
}

} // namespace platform
