#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace zyntra::test {

// The characters (UTF-8) of one interface charset's test texts: those it holds, beyond ASCII,
// and some it lacks.
struct TextAlphabet {
    std::vector<std::string> held;
    std::vector<std::string> lacking;
};

// "ARMSCII-8", "BIG5" or "GB2312".
TextAlphabet AlphabetOf(const std::string& charset);

// Seeded pseudo-random UTF-8 texts made to trouble a statement and a conversion: quotes,
// backslashes, format and parameter marks, semicolons and comment marks, line breaks and
// control characters, the charset's own characters and, when asked, characters it lacks and
// bytes that are no UTF-8. Lengths are mostly short, else at or just over a field's limit or
// around the 2047 bytes a conversion buffer holds. The same seed gives the same texts.
class FuzzedTexts {
public:
    FuzzedTexts(std::uint32_t seed, TextAlphabet alphabet, bool withLacking);

    // A text for a field that takes at most `limit` characters; never holds a zero byte.
    std::string Next(int limit);
    // A text that is never empty.
    std::string NextNonEmpty(int limit);
    // A number from low to high.
    int Between(int low, int high);

private:
    std::string Piece();
    std::string Filled(std::size_t characters);
    std::string AroundBufferSize();

    std::mt19937 random_;
    TextAlphabet alphabet_;
    bool withLacking_;
};

// The text cut after `characters` UTF-8 characters.
std::string FirstCharacters(const std::string& utf8, std::size_t characters);

} // namespace zyntra::test
