#pragma once

// The desktop's requests to end the program.
namespace platform {

// SIGTERM (the session logs out, the system shuts down, `kill`), SIGINT (Ctrl+C in the terminal that
// started the program) and SIGHUP (that terminal closed) end the program as its end buttons do, through
// endProgram(), but on the event loop: the program then leaves with exit status 0 after tearing its
// windows down, instead of dying wherever the signal caught it. A signal that was ignored when the program
// started (nohup, a background job of a script) stays ignored. Call once the application object exists;
// later calls change nothing. Systems without POSIX signals keep their own ways of ending a program.
void endProgramOnEndSignals();

} // namespace platform
