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
    window.reset();
    Timer1 = Timer2 = nullptr;
    Picture2 = Frame1 = Frame2 = nullptr;
    Command2 = Command3 = Command4 = Command5 = Command6 = nullptr;
    Text1 = Text2 = Text3 = Text4 = Text5 = nullptr;
    Label1 = Label2 = Label3 = Label4 = Label5 = Label6 = Label7 = Label8 = nullptr;
    Picture1 = nullptr;
    Command1.fill(nullptr);
    Team_CMD.fill(nullptr);
    Team_Label.fill(nullptr);
    Image1.reset();
    Image2.reset();
}

} // namespace board
