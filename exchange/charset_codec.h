#pragma once

#include "texts/charset_converter.h"

#include <optional>
#include <string>
#include <string_view>

namespace zyntra {

// Conversion between a charset of the core and UTF-8 at the edge of the command line.
class CharsetCodec {
public:
    explicit CharsetCodec(std::string charset)
        : charset_(std::move(charset)), toUtf8_("UTF-8", charset_), fromUtf8_(charset_, "UTF-8") {}

    // Bytes the charset does not define become U+FFFD; never fails.
    std::string ToUtf8(std::string_view text) const { return toUtf8_.ConvertLenient(text); }
    // Nothing when the text holds a character the charset lacks, or is not UTF-8.
    std::optional<std::string> FromUtf8(std::string_view text) const {
        return fromUtf8_.Convert(text);
    }

    const std::string& Charset() const { return charset_; }
    const CharsetConverter& ToUtf8Converter() const { return toUtf8_; }

private:
    std::string charset_;
    CharsetConverter toUtf8_;
    CharsetConverter fromUtf8_;
};

} // namespace zyntra
