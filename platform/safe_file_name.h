#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zyntra {

// A text from outside (a mutex text, a device's ident) as one file name that stays in its
// folder: letters, digits, '.', '-' and '_' are kept, every other byte becomes '_', at most
// maxLength bytes are taken, and the name is never empty nor starts with '.' (no hidden file,
// no "." or "..").
std::string SafeFileName(std::string_view text, std::size_t maxLength);

} // namespace zyntra
