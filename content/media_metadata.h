#pragma once

#include "device/device_record.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zyntra {

class CharsetConverter;

inline constexpr std::size_t kId3v1TagSize = 128;
inline constexpr std::size_t kEbookTrailerSize = 1024;
// Room of a converted e-book title, its terminating zero not counted.
inline constexpr std::size_t kEbookTitleRoom = 259;

using Id3v1Tag = std::array<char, kId3v1TagSize>;
using EbookTrailer = std::array<char, kEbookTrailerSize>;

// Fills tag with the last 128 bytes of the file and returns 0 when they are an ID3v1 tag; -1
// otherwise, also for a file that cannot be opened or is shorter than a tag. The tag is zeroed
// first, so a failed read leaves no bytes of an earlier file.
int ReadId3v1Tag(const std::string& path, Id3v1Tag& tag);
// The same on a regular file the caller has open for reading and whose size it knows, so a scan
// that has the file open already reads the tag with one read and no lookup by path.
int ReadId3v1Tag(int fd, std::uint64_t size, Id3v1Tag& tag);
std::string Id3v1Title(const Id3v1Tag& tag);
std::string Id3v1Artist(const Id3v1Tag& tag);

// Fills trailer with the last 1024 bytes of the file (a shorter file: all of it, then zeros) and
// returns 0 when the book is made for the device's content codes, else -1.
int CheckEbookTrailer(const std::string& path, EbookTrailer& trailer, const DEV_INFO& device);
int CheckEbookTrailer(int fd, std::uint64_t size, EbookTrailer& trailer, const DEV_INFO& device);
std::string TrailerBookMainClass(const EbookTrailer& trailer);
std::string TrailerBookSubClass(const EbookTrailer& trailer);

// The UTF-8 title field that a system language shows: English for "en_US", simplified Chinese
// for "zh_CN", traditional Chinese for every other language.
std::string TrailerTitleField(const EbookTrailer& trailer, std::string_view systemLanguage);

// The title field for the language in the interface charset, through a converter from "UTF-8"
// to InterfaceCharset(systemLanguage). A character that charset lacks shows as '?', so the rest
// of the title is kept; a title longer than its room is cut before the character that would
// not fit whole.
std::string EbookDisplayTitle(const EbookTrailer& trailer, std::string_view systemLanguage,
                              const CharsetConverter& toInterface);

} // namespace zyntra
