#include "ui/peers/user_action.h"

#include <cstdio>

namespace zyntra {
namespace {

std::function<void(const std::exception&)>& Reporter() {
    static std::function<void(const std::exception&)> reporter;
    return reporter;
}

} // namespace

void SetExceptionReporter(std::function<void(const std::exception&)> reporter) {
    Reporter() = std::move(reporter);
}

void ReportException(const std::exception& error) {
    if (Reporter()) {
        Reporter()(error);
    } else {
        std::fprintf(stderr, "Zyntra: %s\n", error.what());
    }
}

void RunUserAction(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& error) {
        ReportException(error);
    }
}

} // namespace zyntra
