#pragma once

#include <optional>
#include <string>

namespace zyntra::test {

// The bytes converted from the charset to UTF-8 with glibc's iconv directly
// (not the program's shim); nothing when they are not all valid there.
std::optional<std::string> ToUtf8(const char* charset, const std::string& bytes);

// UTF-8 text converted into the charset the same way; nothing when a character is missing there.
std::optional<std::string> FromUtf8(const char* charset, const std::string& utf8);

} // namespace zyntra::test
