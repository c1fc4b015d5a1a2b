#pragma once

#include "platform/registry.h"

#include <string>
#include <string_view>

namespace zyntra {

class MessageBox;

// A text value of the registry view. A key that cannot be opened shows
// "Error opening key" and gives the empty text, as does a missing value.
std::string ReadRegistryString(const Registry& registry, MessageBox& messages, RegistryRoot root,
                               std::string_view keyPath, std::string_view valueName);

} // namespace zyntra
