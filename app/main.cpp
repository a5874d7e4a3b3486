// Creates the application and shows the setup screen; the screens do the rest.
#include "board/main.h"
#include "platform/end_signals.h"
#include "remote/remote.h"
#include "setup/FRMlogo.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("scoreboard"));
    QApplication::setApplicationDisplayName(QStringLiteral("NUV 점수판"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    board::main::instance().showSetupScreen = [] { setup::FRMlogo::instance().Show(); };
    remote::Remote::attachTo(board::main::instance());
    setup::FRMlogo::instance().Show();
    // Last before the event loop: a package check that sees the handler in place knows the setup screen
    // was built and shown.
    platform::endProgramOnEndSignals();
    return QApplication::exec();
}
