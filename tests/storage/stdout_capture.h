#pragma once

#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace zyntra::test {

// What the call wrote to standard output.
template <typename Call> std::string StdoutOf(Call&& call) {
    testing::internal::CaptureStdout();
    std::forward<Call>(call)();
    return testing::internal::GetCapturedStdout();
}

} // namespace zyntra::test
