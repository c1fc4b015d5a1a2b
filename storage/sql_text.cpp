#include "storage/sql_text.h"

namespace zyntra {

std::string SqlEscaped(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size() + 8);
    for (char c : text) {
        escaped += c;
        if (c == '\'')
            escaped += '\'';
    }
    return escaped;
}

std::string SqlQuoted(std::string_view text) {
    return '\'' + SqlEscaped(text) + '\'';
}

} // namespace zyntra
