#include "tests/support/charset.h"

#include <iconv.h>

namespace zyntra::test {

namespace {

std::optional<std::string> Convert(const char* from, const char* to, const std::string& bytes) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string in = bytes;
    std::string out(bytes.size() * 4 + 4, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    size_t inLeft = in.size(), outLeft = out.size();
    size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<size_t>(-1) || inLeft != 0)
        return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

} // namespace

std::optional<std::string> ToUtf8(const char* charset, const std::string& bytes) {
    return Convert(charset, "UTF-8", bytes);
}

std::optional<std::string> FromUtf8(const char* charset, const std::string& utf8) {
    return Convert("UTF-8", charset, utf8);
}

} // namespace zyntra::test
