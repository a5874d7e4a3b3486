#pragma once

#include <QColor>
#include <QPalette>
#include <Qt>

class QKeyEvent;
class QPainter;
class QRect;
class QWidget;

// What the control families share: colours as the definitions give them, the mouse-button, shift and
// key numbers the screens' procedures receive, and the pieces of painting every 3-D control uses.
namespace platform {

inline QColor rgb(int r, int g, int b) {
    return QColor(r, g, b);
}

// Mouse buttons and shift state as the screens' procedures receive them.
inline constexpr int LeftButton = 1, RightButton = 2, MiddleButton = 4;
inline constexpr int KeyReturn = 13;

// Shift state of the procedures: 1 Shift, 2 Ctrl, 4 Alt, added together.
int shiftState(Qt::KeyboardModifiers modifiers);
// LeftButton, RightButton or MiddleButton; 0 for any other button.
int buttonNumber(Qt::MouseButton button);
// The virtual-key codes the screens look at; other keys pass as 0 or their letter code.
int virtualKey(const QKeyEvent* event);
// Sets a palette colour for every state of the widget (active, inactive, disabled).
void setColorRole(QWidget* widget, QPalette::ColorRole role, const QColor& color);
// The classic raised (or, pressed, sunken) two-pixel bevel of a 3-D control.
void drawBevel(QPainter& p, const QRect& r, bool sunken);

} // namespace platform
