#include "device/content_path.h"

namespace zyntra {
namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

// Appends the components of relative to path, each followed by '/'; false
// when relative is not a safe relative path. Counts the components kept.
bool AppendComponents(std::string& path, std::string_view relative, int& kept) {
    if (!relative.empty() && IsSeparator(relative.front()))
        return false;
    if (relative.find('\0') != std::string_view::npos)
        return false;
    std::size_t start = 0;
    while (start <= relative.size()) {
        std::size_t end = start;
        while (end < relative.size() && !IsSeparator(relative[end]))
            ++end;
        std::string_view component = relative.substr(start, end - start);
        if (component == "..")
            return false;
        if (!component.empty() && component != ".") {
            path.append(component);
            path.push_back('/');
            ++kept;
        }
        start = end + 1;
    }
    return true;
}

} // namespace

std::optional<std::string> ContentFolderPath(const std::string& base, std::string_view hwPath) {
    std::string path = base;
    int kept = 0;
    if (!AppendComponents(path, hwPath, kept))
        return std::nullopt;
    return path;
}

std::optional<std::string> ContentEntryPath(const std::string& base, std::string_view hwPath,
                                            std::string_view hwName) {
    std::optional<std::string> path = ContentFolderPath(base, hwPath);
    int kept = 0;
    if (!path || !AppendComponents(*path, hwName, kept) || kept == 0)
        return std::nullopt;
    path->pop_back();
    return path;
}

std::string UpperCasedAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

} // namespace zyntra
