#include "texts/charset_converter.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <iconv.h>

namespace zyntra {
namespace {

const iconv_t kNotOpened = reinterpret_cast<iconv_t>(-1);
constexpr char kReplacementUtf8[] = "\xEF\xBF\xBD";

iconv_t AsIconv(void* descriptor) {
    return static_cast<iconv_t>(descriptor);
}

bool IsUtf8(std::string_view charset) {
    std::string upper;
    for (char c : charset)
        upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper == "UTF-8" || upper == "UTF8";
}

// Bytes of the UTF-8 character that starts the text: what its lead byte
// announces, as far as continuation bytes follow; 1 for a byte that starts no
// character.
std::size_t Utf8Length(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text.front());
    std::size_t length = 1;
    if (lead >= 0xF0 && lead < 0xF8)
        length = 4;
    else if (lead >= 0xE0 && lead < 0xF0)
        length = 3;
    else if (lead >= 0xC0 && lead < 0xE0)
        length = 2;
    std::size_t taken = 1;
    while (taken < length && taken < text.size() &&
           (static_cast<unsigned char>(text[taken]) & 0xC0) == 0x80)
        ++taken;
    return taken;
}

void Reset(iconv_t descriptor) {
    iconv(descriptor, nullptr, nullptr, nullptr, nullptr);
}

// Converts from the front of text until all of it is done or iconv stops at
// a sequence it cannot convert, where text is then left. True when all done.
bool ConvertRun(iconv_t descriptor, std::string_view& text, std::string& out) {
    char buffer[1024];
    while (!text.empty()) {
        char* in = const_cast<char*>(text.data());
        std::size_t inLeft = text.size();
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(descriptor, &in, &inLeft, &outPtr, &outLeft);
        const int error = errno;
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        text.remove_prefix(text.size() - inLeft);
        // E2BIG only means the buffer is full; EILSEQ and EINVAL (a sequence
        // cut off at the end) stop the run.
        if (result == static_cast<std::size_t>(-1) && error != E2BIG)
            return false;
    }
    return true;
}

// The bytes that end a shift state; none for the charsets in use.
void Finish(iconv_t descriptor, std::string& out) {
    char buffer[64];
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    iconv(descriptor, nullptr, nullptr, &outPtr, &outLeft);
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
}

} // namespace

CharsetConverter::CharsetConverter(std::string toCharset, std::string fromCharset)
    : to_(std::move(toCharset)), from_(std::move(fromCharset)),
      descriptor_(iconv_open(to_.c_str(), from_.c_str())) {}

CharsetConverter::~CharsetConverter() {
    if (Valid())
        iconv_close(AsIconv(descriptor_));
}

bool CharsetConverter::Valid() const {
    return AsIconv(descriptor_) != kNotOpened;
}

std::optional<std::string> CharsetConverter::Convert(std::string_view text) const {
    if (!Valid())
        return std::nullopt;
    const iconv_t descriptor = AsIconv(descriptor_);
    Reset(descriptor);
    std::string out;
    out.reserve(text.size() * 2);
    if (!ConvertRun(descriptor, text, out))
        return std::nullopt;
    Finish(descriptor, out);
    return out;
}

std::string CharsetConverter::ConvertLenient(std::string_view text) const {
    if (!Valid())
        return std::string(text);
    const iconv_t descriptor = AsIconv(descriptor_);
    const std::string_view substitute = IsUtf8(to_) ? kReplacementUtf8 : "?";
    const bool utf8Source = IsUtf8(from_);
    Reset(descriptor);
    std::string out;
    out.reserve(text.size() * 2);
    while (!ConvertRun(descriptor, text, out)) {
        out += substitute;
        text.remove_prefix(utf8Source ? Utf8Length(text) : 1);
        Reset(descriptor);
    }
    Finish(descriptor, out);
    return out;
}

} // namespace zyntra
