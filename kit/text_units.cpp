#include "kit/text_units.h"

#include "texts/double_byte.h"

namespace zyntra {

namespace {

std::size_t Utf8SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    if (lead >= 0xE0) {
        return lead <= 0xEF ? 3 : 1;
    }
    if (lead >= 0xC2) {
        return 2;
    }
    return 1; // ASCII, or a stray byte counted alone
}

// Bytes taken by the character that starts at pos; never past the end of the text.
std::size_t CharacterLength(std::string_view text, std::size_t pos, TextEncoding encoding) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 1;
    if (encoding == TextEncoding::DoubleByte) {
        length = IsDoubleByteLead(lead) ? 2 : 1;
    } else if (encoding == TextEncoding::Utf8) {
        length = Utf8SequenceLength(lead);
        for (std::size_t i = 1; i < length; ++i) {
            const std::size_t at = pos + i;
            if (at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) {
                return i;
            }
        }
    }
    return pos + length <= text.size() ? length : text.size() - pos;
}

} // namespace

std::size_t CountCharacters(std::string_view text, TextEncoding encoding) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += CharacterLength(text, pos, encoding)) {
        ++count;
    }
    return count;
}

std::string_view FirstCharacters(std::string_view text, std::size_t maxCharacters,
                                 TextEncoding encoding) {
    std::size_t pos = 0;
    for (std::size_t count = 0; count < maxCharacters && pos < text.size(); ++count) {
        pos += CharacterLength(text, pos, encoding);
    }
    return text.substr(0, pos);
}

} // namespace zyntra
