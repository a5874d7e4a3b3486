#include "end_signals.h"

#include "program.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace platform {

#ifdef Q_OS_UNIX

namespace {

// A signal handler may do next to nothing safely, so it only writes a byte into one end of a socket pair;
// the event loop watches the other end and does the ending. Both ends are non-blocking: a burst of signals
// that fills the buffer loses bytes, never blocks the handler, and one byte is enough to end.
int wake[2] = {-1, -1};

void onEndSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(wake[0], &byte, 1);
    errno = savedErrno;
}

bool ignoredAtStart(int signal) {
    struct sigaction current {};
    return ::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

} // namespace

void endProgramOnEndSignals() {
    if (wake[0] != -1 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, wake) != 0)
        return;
    auto* notifier = new QSocketNotifier(wake[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, [] {
        char bytes[64];
        while (::read(wake[1], bytes, sizeof bytes) > 0) {
        }
        endProgram();
    });

    struct sigaction action {};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        if (!ignoredAtStart(signal))
            ::sigaction(signal, &action, nullptr);
}

#else

void endProgramOnEndSignals() {}

#endif

} // namespace platform
