#pragma once

#include <exception>

namespace orvalen {

// Shows the error in a message box titled "Orvalen", prints it on standard
// error and ends the program with status 1.
[[noreturn]] void ReportFatalError(const std::exception& error);

// True once an error is being reported: the message box runs an event loop
// of its own, and no handler of the program may run inside it.
bool EndingWithError();

// Runs a handler of the core; an error that escapes it ends the program.
template <typename Handler>
void Guarded(Handler&& handler) {
    if (EndingWithError()) return;
    try {
        handler();
    } catch (const std::exception& error) {
        ReportFatalError(error);
    }
}

}  // namespace orvalen
