#pragma once

#include <cstddef>
#include <string>

namespace zyntra::test {

// The last 128 bytes of a tagged music file: marker, then 30-byte title and artist fields.
std::string Id3v1Block(const std::string& marker, const std::string& title,
                       const std::string& artist);

struct TrailerFields {
    std::string magic = "VELLMAR EBOOK";
    std::string deviceMainClass = "B";
    std::string deviceSubClass = "02";
    std::string bookMainClass = "A1";
    std::string bookSubClass = "07";
    std::string englishTitle;
    std::string traditionalTitle;
    std::string simplifiedTitle;
};

// A 1024-byte e-book trailer; each field is written at its offset, the rest stays zero.
std::string EbookTrailerBytes(const TrailerFields& fields);

} // namespace zyntra::test
