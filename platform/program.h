#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The program's place on disk and its end.
namespace platform {

// The program folder: where board files are saved, listed and deleted. It is the folder that holds the
// program file when that folder can be written (the portable layout: copy the program anywhere and its
// boards live beside it), and otherwise the user's own data folder for the application (an installation
// for all users sits in a folder users cannot write). Never the current working folder.
QString programFolder();
// programFolder() + "/" + name: callers never build paths by hand.
QString programFile(const QString& name);
// A file that ships with the program, start.wav: the program folder's own copy when it has one (the
// operator may put a sound of their own there), else the copy installed with the program.
QString dataFile(const QString& name);
// Tests put the program folder into a scratch folder; an empty text restores the real one.
void setProgramFolderForTesting(const QString& folder);

// The rule behind programFolder(), apart from the machine it runs on.
struct ProgramPlace {
    QString programDir;            // the folder that holds the program file
    QString userDataDir;           // the user's data folder for the application
    QStringList installedDataDirs; // where an installation puts the program's data, most specific first
};
QString chooseProgramFolder(const ProgramPlace& place, const std::function<bool(const QString&)>& canWrite);
QString locateDataFile(const QString& name, const QString& folder, const QStringList& installedDataDirs);
// Whether files can really be created in the folder: tried, not guessed from permission bits (root
// ignores those; a read-only file system does not).
bool folderCanBeWritten(const QString& folder);

// Ends the program at once: no questions, nothing saved, no further events. Tests replace the ending
// (they must outlive it) with a handler that records it.
void endProgram();
void setEndProgramHandler(std::function<void()> handler);

} // namespace platform
