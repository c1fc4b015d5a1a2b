#pragma once

#include <exception>
#include <functional>

namespace zyntra {

// Runs what the user's action sets off in the core (a handler of the window model). A
// std::exception that escapes it goes to the reporter and the program goes on: it must never
// unwind through Qt's own frames.
void RunUserAction(const std::function<void()>& action);

// Where escaped exceptions are reported; the default writes them to standard error.
void SetExceptionReporter(std::function<void(const std::exception&)> reporter);
void ReportException(const std::exception& error);

} // namespace zyntra
