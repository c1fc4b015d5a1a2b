#include "content/media_metadata.h"

#include "texts/charset_converter.h"
#include "texts/double_byte.h"

#include <algorithm>
#include <fcntl.h>
#include <span>
#include <sys/stat.h>
#include <unistd.h>

namespace zyntra {
namespace {

constexpr std::string_view kEbookMagic = "VELLMAR EBOOK";
constexpr std::size_t kMagicLength = 12;
constexpr std::size_t kDeviceMainClassOffset = 62;
constexpr std::size_t kDeviceSubClassOffset = 66;
constexpr std::size_t kClassCodeLength = 4;
constexpr std::size_t kBookMainClassOffset = 71;
constexpr std::size_t kBookSubClassOffset = 75;
constexpr std::size_t kEnglishTitleOffset = 220;
constexpr std::size_t kTraditionalTitleOffset = 340;
constexpr std::size_t kSimplifiedTitleOffset = 460;
constexpr std::size_t kTitleFieldLength = 120;
constexpr std::size_t kTagTitleOffset = 3;
constexpr std::size_t kTagArtistOffset = 33;
constexpr std::size_t kTagTextLength = 30;

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Reads up to buffer.size() bytes starting at offset; the rest of buffer stays as it was.
bool ReadAt(int fd, off_t offset, std::span<char> buffer) {
    std::size_t done = 0;
    while (done < buffer.size()) {
        ssize_t got = pread(fd, buffer.data() + done, buffer.size() - done,
                            offset + static_cast<off_t>(done));
        if (got < 0)
            return false;
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return true;
}

class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const std::string& path)
        : fd_(open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~ReadOnlyFile() {
        if (fd_ >= 0)
            close(fd_);
    }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    // -1 when the size cannot be told, also for a folder, which has no bytes to read.
    off_t Size() const {
        struct stat info {};
        if (fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode))
            return -1;
        return info.st_size;
    }
    int Descriptor() const { return fd_; }

private:
    int fd_;
};

// The text of a fixed field: up to its first NUL or the field's end.
std::string FieldText(const char* field, std::size_t length) {
    const char* end = std::find(field, field + length, '\0');
    return std::string(field, end);
}

std::string TrailerText(const EbookTrailer& trailer, std::size_t offset, std::size_t length) {
    return FieldText(trailer.data() + offset, std::min(length, trailer.size() - offset));
}

// Texts of at most four characters, compared without case; equal when both end at the same
// place before that.
bool SameClassCode(const char* field, std::string_view code) {
    for (std::size_t i = 0; i < kClassCodeLength; ++i) {
        char a = LowerAscii(field[i]);
        char b = LowerAscii(i < code.size() ? code[i] : '\0');
        if (a != b)
            return false;
        if (a == '\0')
            return true;
    }
    return true;
}

// Cuts text to room bytes without splitting a double-byte character.
std::string CutToRoom(std::string text, std::string_view charset) {
    if (text.size() <= kEbookTitleRoom)
        return text;
    bool doubleByte = charset == "BIG5" || charset == "GB2312";
    std::size_t end = 0;
    while (end < text.size()) {
        std::size_t width =
            (doubleByte && IsDoubleByteLead(static_cast<unsigned char>(text[end]))) ? 2 : 1;
        if (end + width > kEbookTitleRoom)
            break;
        end += width;
    }
    text.resize(end);
    return text;
}

} // namespace

int ReadId3v1Tag(const std::string& path, Id3v1Tag& tag) {
    tag.fill('\0');
    ReadOnlyFile file(path);
    off_t size = file.IsOpen() ? file.Size() : -1;
    if (size < 0)
        return -1;
    return ReadId3v1Tag(file.Descriptor(), static_cast<std::uint64_t>(size), tag);
}

int ReadId3v1Tag(int fd, std::uint64_t size, Id3v1Tag& tag) {
    tag.fill('\0');
    if (size < kId3v1TagSize)
        return -1;
    if (!ReadAt(fd, static_cast<off_t>(size - kId3v1TagSize), tag))
        return -1;
    bool tagged =
        LowerAscii(tag[0]) == 't' && LowerAscii(tag[1]) == 'a' && LowerAscii(tag[2]) == 'g';
    return tagged ? 0 : -1;
}

std::string Id3v1Title(const Id3v1Tag& tag) {
    return FieldText(tag.data() + kTagTitleOffset, kTagTextLength);
}

std::string Id3v1Artist(const Id3v1Tag& tag) {
    return FieldText(tag.data() + kTagArtistOffset, kTagTextLength);
}

int CheckEbookTrailer(const std::string& path, EbookTrailer& trailer, const DEV_INFO& device) {
    trailer.fill('\0');
    ReadOnlyFile file(path);
    off_t size = file.IsOpen() ? file.Size() : -1;
    if (size < 0)
        return -1;
    return CheckEbookTrailer(file.Descriptor(), static_cast<std::uint64_t>(size), trailer, device);
}

int CheckEbookTrailer(int fd, std::uint64_t size, EbookTrailer& trailer, const DEV_INFO& device) {
    trailer.fill('\0');
    std::uint64_t start = size > kEbookTrailerSize ? size - kEbookTrailerSize : 0;
    if (!ReadAt(fd, static_cast<off_t>(start), trailer))
        return -1;
    for (std::size_t i = 0; i < kMagicLength; ++i)
        if (LowerAscii(trailer[i]) != LowerAscii(kEbookMagic[i]))
            return -1;
    if (!SameClassCode(trailer.data() + kDeviceMainClassOffset, device.mainClass))
        return -1;
    return SameClassCode(trailer.data() + kDeviceSubClassOffset, device.subClass) ? 0 : -1;
}

std::string TrailerBookMainClass(const EbookTrailer& trailer) {
    return TrailerText(trailer, kBookMainClassOffset, trailer.size());
}

std::string TrailerBookSubClass(const EbookTrailer& trailer) {
    return TrailerText(trailer, kBookSubClassOffset, trailer.size());
}

std::string TrailerTitleField(const EbookTrailer& trailer, std::string_view systemLanguage) {
    if (systemLanguage == "en_US")
        return TrailerText(trailer, kEnglishTitleOffset, kTitleFieldLength);
    if (systemLanguage == "zh_CN")
        return TrailerText(trailer, kSimplifiedTitleOffset, trailer.size());
    return TrailerText(trailer, kTraditionalTitleOffset, kTitleFieldLength);
}

std::string EbookDisplayTitle(const EbookTrailer& trailer, std::string_view systemLanguage,
                              const CharsetConverter& toInterface) {
    std::string title = toInterface.ConvertLenient(TrailerTitleField(trailer, systemLanguage));
    return CutToRoom(std::move(title), toInterface.ToCharset());
}

} // namespace zyntra
