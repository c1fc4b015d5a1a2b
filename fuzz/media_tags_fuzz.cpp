// The tails of music and book files: the ID3v1 tag and the e-book trailer with its titles.
#include "content/media_metadata.h"
#include "fuzz/fuzz_input.h"
#include "texts/charset_converter.h"

#include <fcntl.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zyntra;
    const std::string path = fuzz::WriteInput("tail.bin", data, size);
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    Id3v1Tag tag{};
    if (ReadId3v1Tag(fd, size, tag) == 0) {
        Id3v1Title(tag);
        Id3v1Artist(tag);
    }
    EbookTrailer trailer{};
    DEV_INFO device{};
    CheckEbookTrailer(fd, size, trailer, device);
    TrailerBookMainClass(trailer);
    TrailerBookSubClass(trailer);
    static const CharsetConverter toBig5("BIG5", "UTF-8");
    for (const char* language : {"en_US", "zh_CN", "zh_TW"})
        TrailerTitleField(trailer, language);
    EbookDisplayTitle(trailer, "zh_TW", toBig5);
    close(fd);
    return 0;
}
