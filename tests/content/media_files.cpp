#include "tests/content/media_files.h"

namespace zyntra::test {
namespace {

void Put(std::string& block, std::size_t offset, const std::string& text) {
    block.replace(offset, text.size(), text);
}

} // namespace

std::string Id3v1Block(const std::string& marker, const std::string& title,
                       const std::string& artist) {
    std::string block(128, '\0');
    Put(block, 0, marker);
    Put(block, 3, title);
    Put(block, 33, artist);
    return block;
}

std::string EbookTrailerBytes(const TrailerFields& fields) {
    std::string block(1024, '\0');
    Put(block, 0, fields.magic);
    Put(block, 62, fields.deviceMainClass);
    Put(block, 66, fields.deviceSubClass);
    Put(block, 71, fields.bookMainClass);
    Put(block, 75, fields.bookSubClass);
    Put(block, 220, fields.englishTitle);
    Put(block, 340, fields.traditionalTitle);
    Put(block, 460, fields.simplifiedTitle);
    return block;
}

} // namespace zyntra::test
