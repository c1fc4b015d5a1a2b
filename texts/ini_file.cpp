#include "texts/ini_file.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace zyntra {

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

// Only ASCII letters: names may hold BIG5 or GB2312 bytes, which must not fold.
char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

bool IsQuoted(std::string_view text) {
    return text.size() >= 2 && IsQuote(text.front()) && text.back() == text.front();
}

std::string_view Unquote(std::string_view text) {
    return IsQuoted(text) ? text.substr(1, text.size() - 2) : text;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

struct Line {
    std::size_t offset = 0; // where `text` starts in the file
    std::string_view text;
    std::string_view ending; // "\r\n", "\n" or empty on an unterminated last line
};

std::vector<Line> SplitLines(std::string_view content) {
    std::vector<Line> lines;
    std::size_t pos = content.starts_with(kUtf8Bom) ? kUtf8Bom.size() : 0;
    while (pos < content.size()) {
        const auto newline = content.find('\n', pos);
        if (newline == std::string_view::npos) {
            lines.push_back({pos, content.substr(pos), {}});
            break;
        }
        const bool crlf = newline > pos && content[newline - 1] == '\r';
        const auto textEnd = crlf ? newline - 1 : newline;
        lines.push_back({pos, content.substr(pos, textEnd - pos),
                         content.substr(textEnd, newline + 1 - textEnd)});
        pos = newline + 1;
    }
    return lines;
}

// The ending of the file's first terminated line, for the lines that are added.
std::string_view LineEndingOf(const std::vector<Line>& lines) {
    for (const Line& line : lines)
        if (!line.ending.empty())
            return line.ending == "\r\n" ? "\r\n" : "\n";
    return "\n";
}

struct ParsedLine {
    enum class Kind { Other, Section, Entry };
    Kind kind = Kind::Other;
    std::string_view name;
    std::string_view rawValue; // everything after '=', untrimmed
};

ParsedLine ParseLine(std::string_view text) {
    const auto trimmed = TrimBlanks(text);
    if (trimmed.empty() || trimmed.front() == ';')
        return {};
    if (trimmed.front() == '[') {
        // The last bracket, so that a BIG5 trail byte 0x5D inside a name is kept.
        const auto close = trimmed.rfind(']');
        if (close == 0 || close == std::string_view::npos)
            return {};
        return {ParsedLine::Kind::Section, TrimBlanks(trimmed.substr(1, close - 1)), {}};
    }
    const auto equals = text.find('=');
    if (equals == std::string_view::npos)
        return {};
    return {ParsedLine::Kind::Entry, TrimBlanks(text.substr(0, equals)), text.substr(equals + 1)};
}

bool NamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    return true;
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != text.npos;
}

bool IsWritableSection(std::string_view name) {
    return !name.empty() && !HasLineBreak(name);
}

bool IsWritableKey(std::string_view name) {
    return !name.empty() && !HasLineBreak(name) && name.find('=') == name.npos &&
           name.front() != ';' && name.front() != '[';
}

// Quotes the values that the reader would otherwise change: surrounding blanks
// would be trimmed and a quoted value unquoted.
std::string EncodeValue(std::string_view value) {
    const bool needsQuotes =
        !value.empty() && (kBlanks.find(value.front()) != kBlanks.npos ||
                           kBlanks.find(value.back()) != kBlanks.npos || IsQuoted(value));
    return needsQuotes ? "\"" + std::string(value) + "\"" : std::string(value);
}

int ParseLeadingInt(std::string_view text, int fallback) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || !IsDigit(text.front()))
            return fallback;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} ? value : fallback;
}

// --- Text of a file with one value set ---
// These read the unchanged `content` that `lines` point into and build the new
// text apart from it, so that no view dangles.

std::string WithReplacedValue(std::string_view content, const Line& line, const ParsedLine& entry,
                              std::string_view value) {
    const auto rawStart = static_cast<std::size_t>(entry.rawValue.data() - content.data());
    const auto keptBlanks =
        std::min(entry.rawValue.find_first_not_of(kBlanks), entry.rawValue.size());
    std::string updated(content.substr(0, rawStart + keptBlanks));
    updated.append(value);
    return updated.append(content.substr(line.offset + line.text.size()));
}

std::string WithLineAfter(std::string_view content, const Line& line, std::string_view eol,
                          std::string_view newLine) {
    const auto end = line.offset + line.text.size() + line.ending.size();
    std::string updated(content.substr(0, end));
    if (line.ending.empty())
        updated.append(eol);
    updated.append(newLine).append(eol);
    return updated.append(content.substr(end));
}

std::string WithNewSection(std::string_view content, const std::vector<Line>& lines,
                           std::string_view eol, std::string_view section, std::string_view entry) {
    std::string updated(content);
    if (!content.empty() && content.back() != '\n')
        updated.append(eol);
    if (!lines.empty() && !TrimBlanks(lines.back().text).empty())
        updated.append(eol);
    updated.append("[").append(section).append("]").append(eol);
    return updated.append(entry).append(eol);
}

std::size_t FindSection(const std::vector<Line>& lines, std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ParsedLine parsed = ParseLine(lines[i].text);
        if (parsed.kind == ParsedLine::Kind::Section && NamesEqual(parsed.name, section))
            return i;
    }
    return lines.size();
}

std::string WithValue(std::string_view content, std::string_view section, std::string_view key,
                      std::string_view value) {
    const auto lines = SplitLines(content);
    const auto eol = LineEndingOf(lines);
    const std::string entry = std::string(key) + "=" + std::string(value);
    std::size_t i = FindSection(lines, section);
    if (i == lines.size())
        return WithNewSection(content, lines, eol, section, entry);
    std::size_t lastEntry = i;
    for (++i; i < lines.size(); ++i) {
        const ParsedLine parsed = ParseLine(lines[i].text);
        if (parsed.kind == ParsedLine::Kind::Section)
            break;
        if (parsed.kind != ParsedLine::Kind::Entry || parsed.name.empty())
            continue;
        if (NamesEqual(parsed.name, key))
            return WithReplacedValue(content, lines[i], parsed, value);
        lastEntry = i;
    }
    return WithLineAfter(content, lines[lastEntry], eol, entry);
}

// --- Files ---

enum class ReadResult { Ok, Missing, Failed };

ReadResult ReadWholeFile(const std::string& path, std::string& content, struct stat& info) {
    // Non-blocking, so that a FIFO in place of the file cannot hang the open.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? ReadResult::Missing : ReadResult::Failed;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return ReadResult::Failed;
    }
    // One byte more than the size, so that end of file shows without a regrow.
    content.resize(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t used = 0;
    for (;;) {
        if (used == content.size())
            content.resize(content.size() * 2);
        const ssize_t count = read(fd, content.data() + used, content.size() - used);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            close(fd);
            content.resize(used);
            return count == 0 ? ReadResult::Ok : ReadResult::Failed;
        }
        used += static_cast<std::size_t>(count);
    }
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = write(fd, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

// Beside the target, so that the rename stays on one file system.
int CreateTemporaryFile(const std::string& path, std::string& temporaryPath) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath =
            path + "." + std::to_string(getpid()) + "." + std::to_string(++counter) + ".tmp";
        const int fd = open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

void SyncFolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

// A crash or a full disk leaves either the old file or the new one, never a part.
bool ReplaceFile(const std::string& path, std::string_view bytes) {
    struct stat old {};
    const bool hadFile = stat(path.c_str(), &old) == 0;
    std::string temporaryPath;
    const int fd = CreateTemporaryFile(path, temporaryPath);
    if (fd < 0)
        return false;
    bool ok =
        WriteAll(fd, bytes) && (!hadFile || fchmod(fd, old.st_mode & 07777) == 0) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temporaryPath.c_str(), path.c_str()) == 0;
    if (!ok) {
        unlink(temporaryPath.c_str());
        return false;
    }
    SyncFolderOf(path);
    return true;
}

} // namespace

std::size_t IniFile::NameHash::operator()(std::string_view name) const {
    std::size_t hash = 14695981039346656037ull;
    for (char c : name)
        hash = (hash ^ static_cast<unsigned char>(FoldAscii(c))) * 1099511628211ull;
    return hash;
}

bool IniFile::NameEqual::operator()(std::string_view a, std::string_view b) const {
    return NamesEqual(a, b);
}

IniFile::Stamp IniFile::StampOf(const struct stat& info) {
    return {true,
            static_cast<std::uint64_t>(info.st_dev),
            static_cast<std::uint64_t>(info.st_ino),
            static_cast<std::int64_t>(info.st_size),
            static_cast<std::int64_t>(info.st_mtim.tv_sec),
            static_cast<std::int64_t>(info.st_mtim.tv_nsec)};
}

IniFile::IniFile(std::string path) : path_(std::move(path)) {}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    const std::string* value = Find(section, key);
    return std::string(value != nullptr ? std::string_view(*value) : defaultValue);
}

int IniFile::ReadInt(std::string_view section, std::string_view key, int defaultValue) const {
    const std::string* value = Find(section, key);
    return value != nullptr ? ParseLeadingInt(*value, defaultValue) : defaultValue;
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    if (!IsWritableSection(section) || !IsWritableKey(key) || HasLineBreak(value))
        return false;
    std::string content;
    struct stat info {};
    // A file that exists but cannot be read must not be replaced by one holding only this key.
    if (ReadWholeFile(path_, content, info) == ReadResult::Failed)
        return false;
    std::string updated = WithValue(content, section, key, EncodeValue(value));
    loaded_ = false;
    return updated == content || ReplaceFile(path_, updated);
}

bool IniFile::WriteInt(std::string_view section, std::string_view key, int value) {
    return WriteString(section, key, std::to_string(value));
}

const std::string* IniFile::Find(std::string_view section, std::string_view key) const {
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    if (section.empty() || key.empty())
        return nullptr;
    Refresh();
    const auto found = sections_.find(section);
    if (found == sections_.end())
        return nullptr;
    const auto entry = found->second.find(key);
    return entry == found->second.end() ? nullptr : &entry->second;
}

// One stat per lookup; the file is read and parsed again only when it changed.
void IniFile::Refresh() const {
    struct stat info {};
    const Stamp current = stat(path_.c_str(), &info) == 0 ? StampOf(info) : Stamp{};
    if (!loaded_ || !(current == stamp_)) {
        stamp_ = current;
        Load();
    }
}

void IniFile::Load() const {
    sections_.clear();
    loaded_ = true;
    std::string content;
    struct stat info {};
    if (ReadWholeFile(path_, content, info) != ReadResult::Ok)
        return;
    Section* current = nullptr;
    for (const Line& line : SplitLines(content)) {
        const ParsedLine parsed = ParseLine(line.text);
        if (parsed.kind == ParsedLine::Kind::Section) {
            // A repeated section is skipped as a whole: the first one wins.
            auto [it, inserted] = sections_.try_emplace(std::string(parsed.name));
            current = inserted ? &it->second : nullptr;
        } else if (parsed.kind == ParsedLine::Kind::Entry && current && !parsed.name.empty()) {
            current->try_emplace(std::string(parsed.name),
                                 std::string(Unquote(TrimBlanks(parsed.rawValue))));
        }
    }
}

} // namespace zyntra
