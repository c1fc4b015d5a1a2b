#pragma once

#include <string>

namespace zyntra {

// One listed file of a content list.
struct FILE_TYPE {
    std::string fileName;
    // E-book: the trailer's title in the interface charset; music: the ID3v1 title.
    std::string title;
    std::string artist;
    // The extension in lower case, without its dot, at most three characters.
    std::string fileType;
    // Thousands of bytes as decimal text, rounded up, at least 1.
    std::string sizeKB;
    // Local time as "yyyy/mm/dd  hh:mm", so texts sort chronologically.
    std::string modified;
    std::string fullPath;
    std::string bookMainClass;
    std::string bookSubClass;
    bool marked = false;
};

enum class Side { Computer, Device };

} // namespace zyntra
