// Creates the application and shows the setup screen; the screens do the rest.
#include "board/main.h"
#include "platform/end_signals.h"
#include "remote/remote.h"
#include "setup/FRMlogo.h"
#include "setup/kept_game.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("scoreboard"));
    // No display name: Qt would add it to every window title on X11 ("데이타 저장 — NUV 점수판"). Each
    // window names itself (platform::FormWindow, the dialogs).
    QApplication::setStyle(QStringLiteral("Fusion"));
    board::main::instance().showSetupScreen = [] { setup::FRMlogo::instance().Show(); };
    remote::Remote::attachTo(board::main::instance());
    setup::FRMlogo::instance().Show();
    // From within the event loop, so that an end signal while the question is open ends the program.
    QTimer::singleShot(0, [] { setup::offerKeptGame(); });
    // Last before the event loop: a package check that sees the handler in place knows the setup screen
    // was built and shown.
    platform::endProgramOnEndSignals();
    return QApplication::exec();
}
