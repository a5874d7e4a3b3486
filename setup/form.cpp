#include "FRMlogo.h"

namespace setup {

namespace {
void closeWindow(platform::FormWindow* window) {
    window->hide();
    window->deleteLater();
}
} // namespace

FRMlogo& FRMlogo::instance() {
    static FRMlogo screen;
    return screen;
}

void FRMlogo::Load() {
    if (isLoaded())
        return;
    window = {new platform::FormWindow(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                       Qt::WindowCloseButtonHint),
              closeWindow};
    defineControls();
    connectEvents();
    Form_Load();
}

void FRMlogo::Show() {
    Load();
    window->show();
    window->activateWindow();
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
