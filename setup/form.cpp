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
        Cmd(0)->setFocus();
}

void FRMlogo::Unload() {
    if (!isLoaded())
        return;
    window.reset();
    Cmd.fill(nullptr);
    Team.fill(nullptr);
    Frame1 = nullptr;
    List1 = nullptr;
    Text1 = nullptr;
    Image1 = nullptr;
    Label5 = Label6 = Label7 = nullptr;
    Shape1 = nullptr;
}

} // namespace setup
