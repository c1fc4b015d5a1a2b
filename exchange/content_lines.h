#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zyntra {

// The line syntax vCard and iCalendar share: "group.NAME;PARAM=a,b:value", folded over several
// physical lines, inside BEGIN/END blocks.

// The longest logical line read. An inline photo takes some hundred kilobytes; a line of many
// megabytes is no address or appointment and is refused before it is looked at.
inline constexpr std::size_t kLongestContentLine = 4u * 1024 * 1024;

struct ContentParam {
    std::string name;                // upper case; empty for a bare vCard 2.1 value ("HOME")
    std::vector<std::string> values; // as written, quotes taken off
};

struct ContentLine {
    std::size_t lineNumber = 0; // of its first physical line, from 1
    std::string group;          // "item1" of "item1.TEL", or empty
    std::string name;           // upper case
    std::vector<ContentParam> params;
    std::string value; // still escaped and encoded as written

    // Every value of the named parameters, and for "TYPE" the bare values as well.
    std::vector<std::string> ParamValues(std::string_view paramName) const;
    // Whether a TYPE value (or a bare one) equals `type`, ignoring case.
    bool HasType(std::string_view type) const;
};

// Logical lines of a text; physical lines may end in CRLF or LF, and one that starts with a
// space or tab continues the one before. With `quotedPrintableBreaks`, a line of a
// QUOTED-PRINTABLE value that ends in '=' also continues on the next. Blank lines are passed
// over. The result is the first fault ("line 7: ..."), empty when the whole text was read.
struct ContentLines {
    std::vector<ContentLine> lines;
    std::string error;
};
ContentLines ReadContentLines(std::string_view text, bool quotedPrintableBreaks);

// The fault of the BEGIN/END blocks: each END closes the innermost BEGIN of its name, no line
// stands outside a block, and every block is closed. Empty when they nest.
std::string BlockFault(const std::vector<ContentLine>& lines);

// Compares ASCII texts ignoring case.
bool SameName(std::string_view a, std::string_view b);
std::string UpperAscii(std::string_view text);

// Folds one logical line into physical lines of at most 75 bytes, each ended by CRLF, never
// cutting a UTF-8 character.
std::string FoldLine(std::string_view line);

// A text value escaped as vCard 3.0/4.0 and iCalendar write it: backslash, comma, semicolon
// and line breaks.
std::string EscapeText(std::string_view text);
// The reverse; `\n` and `\N` become a line break, an unknown escape keeps its character.
std::string UnescapeText(std::string_view text);
// Splits a value at the separators that are not escaped; the parts stay escaped.
std::vector<std::string> SplitEscaped(std::string_view value, char separator);

} // namespace zyntra
