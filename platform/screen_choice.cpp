// Which screen a screen's window opens on. An operator whose laptop and projector make one desktop
// moves the setup screen to the projector and expects the board there, and the setup screen back there
// after "불러오기": a window that opens follows the screen holding the centre of the window the operator
// was working in. With one screen that is the screen every window opened on before.
#include "form_window.h"

#include <QApplication>
#include <QScreen>

namespace platform {

namespace {

QScreen* screenHoldingCentre(const QWidget* window) {
    if (QScreen* screen = QGuiApplication::screenAt(window->frameGeometry().center()))
        return screen;
    return window->screen();
}

} // namespace

QScreen* FormWindow::operatorsScreen() const {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        const auto* other = qobject_cast<const FormWindow*>(widget);
        if (other && other != this && other->isVisible())
            return screenHoldingCentre(other);
    }
    return QGuiApplication::primaryScreen();
}

void FormWindow::showMaximizedOnOperatorsScreen() {
    if (QScreen* screen = operatorsScreen()) {
        // Placed on that screen before it is mapped, so the window manager maximises it there.
        setScreen(screen);
        setGeometry(screen->availableGeometry());
    }
    showMaximized();
}

void FormWindow::centreOnOperatorsScreen() {
    if (QScreen* screen = operatorsScreen()) {
        setScreen(screen);
        // The frame the window manager adds is a few pixels wide.
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    }
}

} // namespace platform
