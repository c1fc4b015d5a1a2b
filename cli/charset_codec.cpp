#include "cli/charset_codec.h"

#include <cerrno>
#include <iconv.h>

namespace zyntra {
namespace {

class Descriptor {
public:
    Descriptor(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Descriptor() {
        if (Valid())
            iconv_close(cd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    bool Valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as it can; returns false at the first byte sequence it
    // cannot convert, with `in` left there.
    bool Convert(std::string_view& in, std::string& out) {
        char buffer[1024];
        while (!in.empty()) {
            char* inPtr = const_cast<char*>(in.data());
            size_t inLeft = in.size();
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            size_t rc = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<size_t>(outPtr - buffer));
            in.remove_prefix(in.size() - inLeft);
            if (rc == static_cast<size_t>(-1) && errno != E2BIG)
                return false;
        }
        return true;
    }

private:
    iconv_t cd_;
};

} // namespace

CharsetCodec::CharsetCodec(std::string interfaceCharset) : charset_(std::move(interfaceCharset)) {}

std::string CharsetCodec::ToUtf8(std::string_view text) const {
    Descriptor cd("UTF-8", charset_.c_str());
    if (!cd.Valid())
        return std::string(text);
    std::string out;
    while (!cd.Convert(text, out)) {
        out += "\xEF\xBF\xBD";
        text.remove_prefix(1);
    }
    return out;
}

std::optional<std::string> CharsetCodec::FromUtf8(std::string_view text) const {
    Descriptor cd(charset_.c_str(), "UTF-8");
    std::string out;
    if (!cd.Valid() || !cd.Convert(text, out))
        return std::nullopt;
    return out;
}

} // namespace zyntra
