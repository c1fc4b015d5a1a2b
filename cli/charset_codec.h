#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zyntra {

// Conversion between the core's interface charset and UTF-8 at the edge of
// the command line, with descriptors of its own (the storage layer's one
// converter may be held open by a load).
class CharsetCodec {
public:
    explicit CharsetCodec(std::string interfaceCharset);

    // Bytes the charset does not define become U+FFFD; never fails.
    std::string ToUtf8(std::string_view text) const;
    // Nothing when the text holds a character the charset lacks, or is not UTF-8.
    std::optional<std::string> FromUtf8(std::string_view text) const;

    const std::string& Charset() const { return charset_; }

private:
    std::string charset_;
};

} // namespace zyntra
