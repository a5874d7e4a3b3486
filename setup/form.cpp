#include "FRMlogo.h"

namespace setup {

FRMlogo& FRMlogo::instance() {
    static FRMlogo screen;
    return screen;
}

void FRMlogo::Load() {
    if (isLoaded())
        return;
    // A tool window: a fixed dialog frame with a close button only, and no task-bar entry.
    window = platform::openWindow(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                  Qt::WindowCloseButtonHint);
    defineControls();
    nameControls();
    connectEvents();
    Form_Load();
}

void FRMlogo::Show() {
    const bool fresh = !isLoaded();
    Load();
    if (fresh)
        window->centreOnOperatorsScreen();
    window->show();
    window->raise();
    window->activateWindow();
    if (fresh)
        Cmd(CmdButton::Start)->setFocus();
}

void FRMlogo::Unload() {
    if (!isLoaded())
        return;
    // The window goes (and its controls with it), every control field is emptied; the working fields stay.
    Ui::FRMlogo::operator=(Ui::FRMlogo{});
}

} // namespace setup
