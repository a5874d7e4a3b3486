// Creates the application and shows the setup screen; the screens do the rest.
#include "board/main.h"
#include "setup/FRMlogo.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("scoreboard"));
    QApplication::setApplicationDisplayName(QStringLiteral("NUV 점수판"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    board::main::instance().showSetupScreen = [] { setup::FRMlogo::instance().Show(); };
    setup::FRMlogo::instance().Show();
    return QApplication::exec();
}
