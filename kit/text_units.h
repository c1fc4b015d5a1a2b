#pragma once

#include <cstddef>
#include <string_view>

namespace zyntra {

// How the bytes of an interface text make up characters. The kit never converts texts; it only
// needs to know where a character ends, so that a length limit never cuts one in half.
enum class TextEncoding {
    SingleByte, // ARMSCII-8 and other one-byte charsets
    DoubleByte, // BIG5, GB2312: a byte 0x81..0xFE starts a two-byte character
    Utf8,
};

std::size_t CountCharacters(std::string_view text, TextEncoding encoding);

// The longest start of the text that holds at most maxCharacters whole characters.
std::string_view FirstCharacters(std::string_view text, std::size_t maxCharacters,
                                 TextEncoding encoding);

} // namespace zyntra
