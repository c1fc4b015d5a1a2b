#pragma once

#include "exchange/content_lines.h"

#include <string>
#include <string_view>
#include <vector>

namespace zyntra {

enum class VCardVersion { V21, V30, V40 };

// "2.1", "3.0", "4.0".
const char* VCardVersionName(VCardVersion version);

// One vCard: its properties between BEGIN and END, each value decoded into UTF-8 (a
// QUOTED-PRINTABLE value decoded, a CHARSET converted) but still escaped.
struct VCard {
    VCardVersion version = VCardVersion::V40;
    std::size_t lineNumber = 0; // of its BEGIN
    std::vector<ContentLine> properties;
};

struct VCards {
    std::vector<VCard> cards;
    std::string error; // the first fault ("line 12: ..."); empty when the text was read whole
};

// Every vCard of a text. A fault anywhere (a line that is no property, a missing END, a
// version other than 2.1, 3.0 and 4.0, a value that is not UTF-8 and names no charset) refuses
// the whole text.
VCards ReadVCards(std::string_view text);

// A text value of the card's version unescaped: 3.0 and 4.0 escape backslash, comma,
// semicolon and line breaks, 2.1 only the semicolon.
std::string UnescapeValue(std::string_view value, VCardVersion version);

} // namespace zyntra
