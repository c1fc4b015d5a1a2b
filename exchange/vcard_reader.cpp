#include "exchange/vcard_reader.h"

#include "texts/charset_converter.h"

#include <optional>

namespace zyntra {
namespace {

std::string LineFault(const ContentLine& line, const std::string& what) {
    return "line " + std::to_string(line.lineNumber) + ": " + what;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<std::string> DecodeQuotedPrintable(std::string_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '=') {
            bytes += text[i];
            continue;
        }
        if (i + 2 >= text.size())
            return std::nullopt;
        const int high = HexDigit(text[i + 1]);
        const int low = HexDigit(text[i + 2]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return bytes;
}

bool IsUtf8(std::string_view text) {
    static const CharsetConverter check("UTF-8", "UTF-8");
    return check.Convert(text).has_value();
}

std::optional<VCardVersion> VersionByName(std::string_view name) {
    if (name == "2.1")
        return VCardVersion::V21;
    if (name == "3.0")
        return VCardVersion::V30;
    if (name == "4.0")
        return VCardVersion::V40;
    return std::nullopt;
}

bool Encoded(const ContentLine& line, std::string_view encoding) {
    for (const std::string& value : line.ParamValues("ENCODING"))
        if (SameName(value, encoding))
            return true;
    return line.HasType(encoding); // 2.1 also writes the encoding bare
}

// The value in UTF-8, or the fault.
std::string Decode(ContentLine& line) {
    if (Encoded(line, "BASE64") || Encoded(line, "B"))
        return {}; // binary data: an inline photo or sound, never a text of ours
    if (Encoded(line, "QUOTED-PRINTABLE")) {
        std::optional<std::string> bytes = DecodeQuotedPrintable(line.value);
        if (!bytes)
            return LineFault(line, "the QUOTED-PRINTABLE value has a bad '=' sequence");
        line.value = std::move(*bytes);
    }
    const std::vector<std::string> charsets = line.ParamValues("CHARSET");
    if (!charsets.empty() && !SameName(charsets.front(), "UTF-8")) {
        const CharsetConverter converter("UTF-8", charsets.front());
        if (!converter.Valid())
            return LineFault(line, "the charset " + charsets.front() + " is unknown");
        std::optional<std::string> utf8 = converter.Convert(line.value);
        if (!utf8)
            return LineFault(line, "the value is not " + charsets.front());
        line.value = std::move(*utf8);
    }
    if (!IsUtf8(line.value))
        return LineFault(line, "the value is not UTF-8 and names no other charset");
    return {};
}

// The properties of the card that begins at lines[begin]; `end` is its END.
std::string ReadCard(std::vector<ContentLine>& lines, std::size_t begin, std::size_t end,
                     VCard& card) {
    card.lineNumber = lines[begin].lineNumber;
    std::optional<VCardVersion> version;
    for (std::size_t i = begin + 1; i < end; ++i) {
        ContentLine& line = lines[i];
        if (line.name == "BEGIN")
            return LineFault(line, "a vCard inside a vCard is not read");
        if (line.name == "VERSION") {
            version = VersionByName(line.value);
            if (!version)
                return LineFault(line, "vCard version " + line.value +
                                           " is not read (only 2.1, 3.0 and 4.0)");
            continue;
        }
        if (std::string fault = Decode(line); !fault.empty())
            return fault;
        card.properties.push_back(std::move(line));
    }
    if (!version)
        return LineFault(lines[begin], "the vCard has no VERSION");
    card.version = *version;
    return {};
}

} // namespace

const char* VCardVersionName(VCardVersion version) {
    switch (version) {
    case VCardVersion::V21:
        return "2.1";
    case VCardVersion::V30:
        return "3.0";
    case VCardVersion::V40:
        return "4.0";
    }
    return "";
}

VCards ReadVCards(std::string_view text) {
    VCards result;
    ContentLines read = ReadContentLines(text, true);
    if (read.error.empty())
        read.error = BlockFault(read.lines);
    if (!read.error.empty()) {
        result.error = std::move(read.error);
        return result;
    }
    std::vector<ContentLine>& lines = read.lines;
    for (std::size_t begin = 0; begin < lines.size();) {
        if (!SameName(lines[begin].value, "VCARD")) {
            result.error = LineFault(lines[begin], "BEGIN:" + lines[begin].value + " is no vCard");
            break;
        }
        // The blocks nest (BlockFault), so the first END:VCARD closes this card or one inside.
        std::size_t end = begin + 1;
        while (!(lines[end].name == "END" && SameName(lines[end].value, "VCARD")))
            ++end;
        VCard card;
        if (std::string fault = ReadCard(lines, begin, end, card); !fault.empty()) {
            result.error = std::move(fault);
            break;
        }
        result.cards.push_back(std::move(card));
        begin = end + 1;
    }
    if (!result.error.empty())
        result.cards.clear();
    return result;
}

std::string UnescapeValue(std::string_view value, VCardVersion version) {
    if (version != VCardVersion::V21)
        return UnescapeText(value);
    std::string plain;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size() && value[i + 1] == ';')
            ++i;
        plain += value[i];
    }
    return plain;
}

} // namespace zyntra
