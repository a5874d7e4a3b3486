#include "main.h"

#include "platform/failure.h"

namespace board {

main& main::instance() {
    static main screen;
    return screen;
}

void main::Load() {
    if (isLoaded())
        return;
    // Maximised without a title bar: the board fills the projector.
    window = platform::openWindow(Qt::Window | Qt::FramelessWindowHint);
    window->setUndrawnSizableFrame();
    defineControls();
    nameControls();
    connectEvents();
    Form_Load();
    if (screenLoaded)
        screenLoaded();
}

void main::Show() {
    Load();
    window->showMaximizedOnOperatorsScreen();
    window->activateWindow();
}

void main::Unload() {
    if (!isLoaded())
        return;
    if (screenUnloading)
        screenUnloading();
    // The timers die with the window, but not before the next event: stop them now, so a race or a
    // celebration in progress stops exactly where it is.
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    // The window goes (and its controls with it), every control field is emptied; the working fields stay.
    Ui::main::operator=(Ui::main{});
}

} // namespace board
