#include "control_kit.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWidget>

namespace platform {

int shiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

int buttonNumber(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return LeftButton;
    case Qt::RightButton:
        return RightButton;
    case Qt::MiddleButton:
        return MiddleButton;
    default:
        return 0;
    }
}

int virtualKey(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyReturn;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Backspace:
        return 8;
    default:
        break;
    }
    const int key = event->key();
    return (key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z) ? key : 0;
}

void setColorRole(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Active, role, color);
    p.setColor(QPalette::Inactive, role, color);
    p.setColor(QPalette::Disabled, role, color);
    widget->setPalette(p);
}

void drawBevel(QPainter& p, const QRect& r, bool sunken) {
    const QColor white(255, 255, 255), light(227, 227, 227), shadow(128, 128, 128), dark(64, 64, 64);
    const QColor outerTopLeft = sunken ? dark : white, outerBottomRight = sunken ? white : dark;
    const QColor innerTopLeft = sunken ? shadow : light, innerBottomRight = sunken ? light : shadow;
    auto frame = [&](const QRect& box, const QColor& topLeft, const QColor& bottomRight) {
        p.setPen(topLeft);
        p.drawLine(box.topLeft(), box.topRight());
        p.drawLine(box.topLeft(), box.bottomLeft());
        p.setPen(bottomRight);
        p.drawLine(box.bottomLeft(), box.bottomRight());
        p.drawLine(box.topRight(), box.bottomRight());
    };
    frame(r, outerTopLeft, outerBottomRight);
    frame(r.adjusted(1, 1, -1, -1), innerTopLeft, innerBottomRight);
}

} // namespace platform
