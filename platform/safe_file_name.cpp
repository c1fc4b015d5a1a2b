#include "platform/safe_file_name.h"

#include <cctype>

namespace zyntra {

std::string SafeFileName(std::string_view text, std::size_t maxLength) {
    std::string name;
    for (char c : text.substr(0, maxLength)) {
        const bool safe =
            std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '_';
        name += safe ? c : '_';
    }
    if (name.empty() || name.front() == '.')
        name.insert(name.begin(), '_');
    return name;
}

} // namespace zyntra
