#pragma once

#include <utility>

namespace platform {

// A statement that cannot be carried out: an overflow, a slot outside its array, a division by zero, a
// text that is not a number, a control that does not exist. Checked operations throw it; it never leaves
// an event handler (skipOnError or the handler's own guard catches it).
struct Failure {
    const char* what = "failure";
};

[[noreturn]] inline void fail(const char* what) {
    throw Failure{what};
}

// Runs one statement in skip-on-error mode: if it fails it is abandoned as a whole, so its target keeps
// the value it had (compute into a temporary, assign last), and the caller goes on with the next one.
// Returns whether the statement ran to its end, for the few callers that must know.
template <class Statement> bool skipOnError(Statement&& statement) noexcept {
    try {
        std::forward<Statement>(statement)();
        return true;
    } catch (const Failure&) {
        return false;
    }
}

// The guard of an event handler that does not skip failing statements: the first failure abandons the
// rest of the handler, and nothing reaches the toolkit's event loop.
template <class Handler> void abandonOnFailure(Handler&& handler) noexcept {
    skipOnError(std::forward<Handler>(handler));
}

} // namespace platform
