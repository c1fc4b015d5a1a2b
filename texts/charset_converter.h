#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zyntra {

// One direction of charset conversion with an iconv descriptor of its own:
// opened here, closed with the object, and reset before every conversion,
// so no state of an earlier text (a cut sequence, a shift) reaches the next.
// The front ends use it at their edge; it never shares the storage layer's
// process-wide converter, which a load may hold open while events run.
//
// One descriptor means one thread at a time.
class CharsetConverter {
public:
    CharsetConverter(std::string toCharset, std::string fromCharset);
    ~CharsetConverter();
    CharsetConverter(const CharsetConverter&) = delete;
    CharsetConverter& operator=(const CharsetConverter&) = delete;

    // False when iconv knows one of the two charsets not, or not this pair.
    bool Valid() const;
    const std::string& ToCharset() const { return to_; }
    const std::string& FromCharset() const { return from_; }

    // The whole text converted, or nothing when a byte sequence is invalid or
    // cut short, a character cannot be held by the target charset, or the
    // converter is not valid.
    std::optional<std::string> Convert(std::string_view text) const;

    // Never fails: what cannot be converted becomes U+FFFD when the target is
    // UTF-8 and '?' otherwise, and conversion goes on after it (after one
    // character of a UTF-8 source, one byte of any other). A converter that
    // is not valid gives the text unchanged.
    std::string ConvertLenient(std::string_view text) const;

private:
    using Descriptor = void*;

    std::string to_;
    std::string from_;
    Descriptor descriptor_;
};

} // namespace zyntra
