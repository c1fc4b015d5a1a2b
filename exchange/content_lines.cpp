#include "exchange/content_lines.h"

#include <algorithm>

namespace zyntra {
namespace {

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_';
}

bool IsName(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), IsNameChar);
}

std::string LineFault(std::size_t lineNumber, const std::string& what) {
    return "line " + std::to_string(lineNumber) + ": " + what;
}

// One physical line at a time, its end (CRLF or LF) taken off.
class PhysicalLines {
public:
    explicit PhysicalLines(std::string_view text) : text_(text) {}

    bool Next(std::string_view& line) {
        if (at_ >= text_.size())
            return false;
        std::size_t end = text_.find('\n', at_);
        if (end == std::string_view::npos)
            end = text_.size();
        line = text_.substr(at_, end - at_);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        at_ = end + 1;
        ++number_;
        return true;
    }
    bool PeekContinues() const {
        return at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t');
    }
    std::size_t Number() const { return number_; }

private:
    std::string_view text_;
    std::size_t at_ = 0;
    std::size_t number_ = 0;
};

bool InQuotedPrintable(const std::string& logical) {
    const std::size_t colon = logical.find(':');
    return UpperAscii(std::string_view(logical).substr(0, colon)).find("QUOTED-PRINTABLE") !=
           std::string::npos;
}

// "a,b" or "\"x;y\",c": the values of one parameter.
std::string ParamValuesOf(std::string_view text, std::vector<std::string>& values) {
    std::string current;
    bool quoted = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            values.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (quoted)
        return "a parameter's quote is not closed";
    values.push_back(std::move(current));
    return {};
}

// "NAME;P=v;Q=\"x;y\"": the name and each parameter.
std::vector<std::string> SplitOutsideQuotes(std::string_view text) {
    std::vector<std::string> parts(1);
    bool quoted = false;
    for (char c : text) {
        if (c == ';' && !quoted) {
            parts.emplace_back();
            continue;
        }
        quoted = c == '"' ? !quoted : quoted;
        parts.back() += c;
    }
    return parts;
}

// Splits "group.NAME;P=v:value" at the first colon outside a quoted parameter value.
std::string ParseLine(const std::string& logical, ContentLine& line) {
    std::size_t colon = std::string::npos;
    bool quoted = false;
    for (std::size_t i = 0; i < logical.size(); ++i) {
        if (logical[i] == '"')
            quoted = !quoted;
        else if (logical[i] == ':' && !quoted) {
            colon = i;
            break;
        }
    }
    if (colon == std::string::npos)
        return "no ':' between the property's name and its value";
    line.value = logical.substr(colon + 1);
    std::vector<std::string> parts = SplitOutsideQuotes(std::string_view(logical).substr(0, colon));
    std::string name = parts.front();
    if (const std::size_t dot = name.find('.'); dot != std::string::npos) {
        line.group = name.substr(0, dot);
        name = name.substr(dot + 1);
        if (!IsName(line.group))
            return "the group \"" + line.group + "\" is no name";
    }
    if (!IsName(name))
        return "the property name \"" + name + "\" is no name";
    line.name = UpperAscii(name);
    for (std::size_t i = 1; i < parts.size(); ++i) {
        ContentParam param;
        const std::size_t equals = parts[i].find('=');
        std::string_view values = parts[i];
        if (equals != std::string::npos) {
            param.name = UpperAscii(std::string_view(parts[i]).substr(0, equals));
            values = std::string_view(parts[i]).substr(equals + 1);
            if (!IsName(param.name))
                return "the parameter name \"" + param.name + "\" is no name";
        }
        if (std::string fault = ParamValuesOf(values, param.values); !fault.empty())
            return fault;
        line.params.push_back(std::move(param));
    }
    return {};
}

} // namespace

std::vector<std::string> ContentLine::ParamValues(std::string_view paramName) const {
    std::vector<std::string> values;
    for (const ContentParam& param : params)
        if (param.name == paramName || (param.name.empty() && paramName == "TYPE"))
            values.insert(values.end(), param.values.begin(), param.values.end());
    return values;
}

bool ContentLine::HasType(std::string_view type) const {
    // TYPE="voice,home" is the quoted form of TYPE=voice,home.
    for (const std::string& value : ParamValues("TYPE"))
        for (const std::string& part : SplitEscaped(value, ','))
            if (SameName(part, type))
                return true;
    return false;
}

ContentLines ReadContentLines(std::string_view text, bool quotedPrintableBreaks) {
    ContentLines result;
    PhysicalLines physical(text);
    std::string_view piece;
    while (physical.Next(piece)) {
        if (piece.empty())
            continue;
        if (piece.front() == ' ' || piece.front() == '\t') {
            result.error = LineFault(physical.Number(), "a continued line follows no line");
            return result;
        }
        const std::size_t first = physical.Number();
        std::string logical(piece);
        for (;;) {
            const bool softBreak = quotedPrintableBreaks && !logical.empty() &&
                                   logical.back() == '=' && InQuotedPrintable(logical);
            if (!physical.PeekContinues() && !softBreak)
                break;
            if (softBreak)
                logical.pop_back();
            if (!physical.Next(piece))
                break;
            if (!piece.empty() && (piece.front() == ' ' || piece.front() == '\t'))
                piece.remove_prefix(1);
            logical.append(piece);
            if (logical.size() > kLongestContentLine)
                break;
        }
        if (logical.size() > kLongestContentLine) {
            result.error = LineFault(first, "the line is longer than " +
                                                std::to_string(kLongestContentLine) + " bytes");
            return result;
        }
        ContentLine line;
        line.lineNumber = first;
        if (std::string fault = ParseLine(logical, line); !fault.empty()) {
            result.error = LineFault(first, fault);
            return result;
        }
        result.lines.push_back(std::move(line));
    }
    return result;
}

std::string BlockFault(const std::vector<ContentLine>& lines) {
    std::vector<const ContentLine*> open;
    for (const ContentLine& line : lines) {
        if (line.name == "BEGIN") {
            open.push_back(&line);
            continue;
        }
        if (open.empty())
            return LineFault(line.lineNumber, line.name + " stands outside any BEGIN ... END");
        if (line.name != "END")
            continue;
        if (!SameName(line.value, open.back()->value))
            return LineFault(line.lineNumber,
                             "END:" + line.value + " closes BEGIN:" + open.back()->value +
                                 " of line " + std::to_string(open.back()->lineNumber));
        open.pop_back();
    }
    if (!open.empty())
        return LineFault(open.back()->lineNumber,
                         "BEGIN:" + open.back()->value + " has no END:" + open.back()->value);
    return {};
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Upper(x) == Upper(y); });
}

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), Upper);
    return upper;
}

std::string FoldLine(std::string_view line) {
    constexpr std::size_t kWidth = 75;
    std::string folded;
    std::size_t width = kWidth; // the first line has no leading space
    while (line.size() > width) {
        std::size_t cut = width;
        // A UTF-8 continuation byte (10xxxxxx) stays with the character it belongs to.
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut;
        folded.append(line.substr(0, cut));
        folded += "\r\n ";
        line.remove_prefix(cut);
        width = kWidth - 1;
    }
    folded.append(line);
    folded += "\r\n";
    return folded;
}

std::string EscapeText(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' || c == ',' || c == ';') {
            escaped += '\\';
            escaped += c;
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue; // the \n that follows writes the break
        } else if (c == '\n' || c == '\r') {
            escaped += "\\n";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string UnescapeText(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            plain += text[i];
            continue;
        }
        const char next = text[++i];
        plain += next == 'n' || next == 'N' ? '\n' : next;
    }
    return plain;
}

std::vector<std::string> SplitEscaped(std::string_view value, char separator) {
    std::vector<std::string> parts(1);
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            parts.back() += value[i];
            parts.back() += value[++i];
        } else if (value[i] == separator) {
            parts.emplace_back();
        } else {
            parts.back() += value[i];
        }
    }
    return parts;
}

} // namespace zyntra
