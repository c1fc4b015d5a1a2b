#include "tests/personal/fuzzed_texts.h"

#include "storage/text_conv.h"

namespace zyntra::test {
namespace {

// What a statement built by pasting text would trip over, and what a printf format would.
const std::vector<std::string> kTroublesome = {
    "'",           "''", "\"",   "\\",   "\\'",  "%",    "%s",
    "%d",          "%n", "%%",   "?",    "?1",   ":a",   "@b",
    "$1",          ";",  "--",   "/*",   "*/",   "\n",   "\r",
    "\r\n",        "\t", "\x01", "\x1b", "\x1f", "\x7f", "'); drop table telephone; --",
    "' or '1'='1", " ",  "  ",
};

constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

bool ContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

TextAlphabet AlphabetOf(const std::string& charset) {
    // 許, 功 and 蓋 end in the byte of a backslash in BIG5.
    if (charset == "BIG5")
        return {{"中", "文", "許", "功", "蓋", "體", "‘", "’"}, {"简", "汉", "😀", "ก"}};
    if (charset == "GB2312")
        return {{"中", "文", "简", "体", "汉", "é", "‘", "’"}, {"許", "蓋", "😀", "ก"}};
    return {{"Ա", "բ", "Ֆ", "և", "՚", "«"}, {"中", "文", "😀", "ก"}};
}

FuzzedTexts::FuzzedTexts(std::uint32_t seed, TextAlphabet alphabet, bool withLacking)
    : random_(seed), alphabet_(std::move(alphabet)), withLacking_(withLacking) {}

int FuzzedTexts::Between(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random_);
}

std::string FuzzedTexts::Piece() {
    const int kind = Between(0, 99);
    if (kind < 30)
        return kTroublesome[Between(0, static_cast<int>(kTroublesome.size()) - 1)];
    if (kind < 60)
        return std::string(1, kLetters[Between(0, sizeof kLetters - 2)]);
    if (withLacking_ && kind < 70)
        return alphabet_.lacking[Between(0, static_cast<int>(alphabet_.lacking.size()) - 1)];
    // A byte that starts no UTF-8 character, or one cut short.
    if (withLacking_ && kind < 72)
        return Between(0, 1) == 0 ? "\xfe" : "\xe4\xb8";
    return alphabet_.held[Between(0, static_cast<int>(alphabet_.held.size()) - 1)];
}

std::string FuzzedTexts::Filled(std::size_t characters) {
    std::string text;
    std::size_t count = 0;
    while (count < characters) {
        const std::string piece = Piece();
        text += piece;
        for (char c : piece)
            count += ContinuationByte(c) ? 0 : 1;
    }
    return FirstCharacters(text, characters);
}

// ASCII texts one byte short of, at and over what a conversion buffer holds.
std::string FuzzedTexts::AroundBufferSize() {
    const std::size_t size = kConvBufferSize - 2 + static_cast<std::size_t>(Between(0, 2));
    std::string text;
    while (text.size() < size) {
        std::string piece = Piece();
        if (static_cast<unsigned char>(piece[0]) < 0x80)
            text += piece;
    }
    text.resize(size);
    return text;
}

std::string FuzzedTexts::Next(int limit) {
    const int kind = Between(0, 99);
    if (kind < 8)
        return {};
    if (kind < 60)
        return Filled(static_cast<std::size_t>(Between(1, 12)));
    if (kind < 75)
        return Filled(static_cast<std::size_t>(limit));
    if (kind < 88)
        return Filled(static_cast<std::size_t>(limit) + 1);
    if (kind < 95)
        return Filled(static_cast<std::size_t>(Between(limit + 2, 2 * limit + 700)));
    return AroundBufferSize();
}

std::string FuzzedTexts::NextNonEmpty(int limit) {
    std::string text;
    while (text.empty())
        text = Next(limit);
    return text;
}

std::string FirstCharacters(const std::string& utf8, std::size_t characters) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (!ContinuationByte(utf8[i]) && count++ == characters)
            return utf8.substr(0, i);
    }
    return utf8;
}

} // namespace zyntra::test
