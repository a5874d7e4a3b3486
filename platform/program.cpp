#include "program.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

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

ProgramPlace thisProgram() {
    return {QCoreApplication::applicationDirPath(),
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
            QStandardPaths::standardLocations(QStandardPaths::AppDataLocation)};
}

} // namespace

bool folderCanBeWritten(const QString& folder) {
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/.write-test-XXXXXX"));
    return probe.open();
}

QString chooseProgramFolder(const ProgramPlace& place, const std::function<bool(const QString&)>& canWrite) {
    if (canWrite(place.programDir))
        return place.programDir;
    QDir().mkpath(place.userDataDir);
    return place.userDataDir;
}

QString locateDataFile(const QString& name, const QString& folder, const QStringList& installedDataDirs) {
    QString own = folder + QLatin1Char('/') + name;
    if (QFileInfo(own).isFile())
        return own;
    for (const QString& dir : installedDataDirs) {
        QString installed = dir + QLatin1Char('/') + name;
        if (QFileInfo(installed).isFile())
            return installed;
    }
    return own; // missing: whoever plays it falls back to the default sound
}

QString programFolder() {
    if (!folderOverride().isEmpty())
        return folderOverride();
    // Decided once per run: a folder that becomes unwritable halfway must not hide the boards saved.
    static const QString chosen = chooseProgramFolder(thisProgram(), folderCanBeWritten);
    return chosen;
}

QString programFile(const QString& name) {
    return programFolder() + QLatin1Char('/') + name;
}

QString dataFile(const QString& name) {
    const QStringList installed = folderOverride().isEmpty()
                                      ? QStandardPaths::standardLocations(QStandardPaths::AppDataLocation)
                                      : QStringList();
    return locateDataFile(name, programFolder(), installed);
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
