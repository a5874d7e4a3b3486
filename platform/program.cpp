#include "program.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

namespace {
QString& folderOverride() {
    static QString folder;
    return folder;
}
std::function<void()>& endHandler() {
    static std::function<void()> handler;
    return handler;
}
} // namespace

QString programFolder() {
    if (!folderOverride().isEmpty())
        return folderOverride();
    return QCoreApplication::applicationDirPath();
}

QString programFile(const QString& name) {
    return programFolder() + QLatin1Char('/') + name;
}

void setProgramFolderForTesting(const QString& folder) {
    folderOverride() = folder;
}

void endProgram() {
    if (endHandler()) {
        endHandler()();
        return;
    }
    // exit() returns from the event loop before any further event is delivered; main() then tears the
    // windows down without running their handlers.
    QCoreApplication::exit(0);
}

void setEndProgramHandler(std::function<void()> handler) {
    endHandler() = std::move(handler);
}

} // namespace platform
