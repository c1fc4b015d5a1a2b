#include "ui/text_codec.h"

#include <cerrno>
#include <iconv.h>

namespace zyntra {
namespace {

constexpr char kReplacementUtf8[] = "\xEF\xBF\xBD";

iconv_t AsIconv(void* descriptor) {
    return static_cast<iconv_t>(descriptor);
}

// Bytes taken by the UTF-8 character that starts at the front of text (at least 1).
std::size_t Utf8Length(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text.front());
    std::size_t length = 1;
    if (lead >= 0xF0) {
        length = 4;
    } else if (lead >= 0xE0) {
        length = 3;
    } else if (lead >= 0xC0) {
        length = 2;
    }
    return length <= text.size() ? length : text.size();
}

// Converts all of input, calling onStop for the part that cannot be converted: it appends a
// substitute to out and says how many input bytes to skip.
template <class OnStop>
std::string Convert(void* descriptor, std::string_view input, OnStop onStop) {
    std::string out;
    out.reserve(input.size() * 2 + 4);
    iconv(AsIconv(descriptor), nullptr, nullptr, nullptr, nullptr);
    char buffer[512];
    while (!input.empty()) {
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(AsIconv(descriptor), &in, &inLeft, &outPtr, &outLeft);
        const int error = errno;
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        input.remove_prefix(input.size() - inLeft);
        if (result != static_cast<std::size_t>(-1) || input.empty()) {
            continue;
        }
        if (error == E2BIG) {
            continue;
        }
        // EILSEQ or EINVAL (a sequence cut off at the end): substitute and move on.
        const std::size_t skip = onStop(input, out, error);
        input.remove_prefix(skip < 1 ? 1 : (skip > input.size() ? input.size() : skip));
        iconv(AsIconv(descriptor), nullptr, nullptr, nullptr, nullptr);
    }
    // Flush any shift state (none for the charsets in use, but harmless).
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    iconv(AsIconv(descriptor), nullptr, nullptr, &outPtr, &outLeft);
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    return out;
}

} // namespace

TextCodec::TextCodec(const std::string& charset) : charset_(charset) {
    iconv_t to = iconv_open("UTF-8", charset.c_str());
    iconv_t from = iconv_open(charset.c_str(), "UTF-8");
    if (to == reinterpret_cast<iconv_t>(-1) || from == reinterpret_cast<iconv_t>(-1)) {
        if (to != reinterpret_cast<iconv_t>(-1)) {
            iconv_close(to);
        }
        if (from != reinterpret_cast<iconv_t>(-1)) {
            iconv_close(from);
        }
        return;
    }
    toUtf8_ = to;
    fromUtf8_ = from;
}

TextCodec::~TextCodec() {
    if (Valid()) {
        iconv_close(AsIconv(toUtf8_));
        iconv_close(AsIconv(fromUtf8_));
    }
}

QString TextCodec::ToQString(std::string_view bytes) const {
    if (bytes.empty()) {
        return {};
    }
    if (!Valid()) {
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
    const std::string utf8 = Convert(toUtf8_, bytes, [](std::string_view, std::string& out, int) {
        out += kReplacementUtf8;
        return std::size_t{1};
    });
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string TextCodec::FromQString(const QString& text) const {
    if (text.isEmpty()) {
        return {};
    }
    if (!Valid()) {
        return text.toLatin1().toStdString();
    }
    const QByteArray utf8 = text.toUtf8();
    return Convert(fromUtf8_,
                   std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                   [](std::string_view rest, std::string& out, int) {
                       out += '?';
                       return Utf8Length(rest);
                   });
}

} // namespace zyntra
