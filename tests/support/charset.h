#pragma once

#include <optional>
#include <string>

namespace zyntra::test {

// The bytes converted from the charset to UTF-8 with glibc's iconv directly
// (not the program's shim); nothing when they are not all valid there.
std::optional<std::string> ToUtf8(const char* charset, const std::string& bytes);

} // namespace zyntra::test
