#pragma once

#include <QString>
#include <functional>

// The program's place on disk and its end.
namespace platform {

// The folder that holds the program file: board files and start.wav live there. It is not the current
// working folder, so the program can be started from anywhere.
QString programFolder();
// programFolder() + "/" + name: callers never build paths by hand.
QString programFile(const QString& name);
// Tests put the program folder into a scratch folder; an empty text restores the real one.
void setProgramFolderForTesting(const QString& folder);

// Ends the program at once: no questions, nothing saved, no further events. Tests replace the ending
// (they must outlive it) with a handler that records it.
void endProgram();
void setEndProgramHandler(std::function<void()> handler);

} // namespace platform
