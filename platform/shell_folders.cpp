#include "platform/shell_folders.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <unistd.h>

namespace zyntra {
namespace {

namespace fs = std::filesystem;

std::string WithoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The shell quoting that xdg-user-dirs writes: "..." with \" \\ \$ escapes.
std::string Unquoted(std::string_view value) {
    if (value.size() < 2 || value.front() != '"')
        return std::string(value);
    std::string text;
    for (std::size_t i = 1; i < value.size() && value[i] != '"'; ++i) {
        if (value[i] == '\\' && i + 1 < value.size())
            ++i;
        text += value[i];
    }
    return text;
}

std::string HomeFromPasswordDatabase() {
    const passwd* entry = getpwuid(getuid());
    return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "";
}

std::string EnvOr(const char* name, std::string fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] == '/' ? value : std::move(fallback);
}

} // namespace

std::string UserDirFromText(std::string_view text, std::string_view key, const std::string& home) {
    std::string found;
    std::istringstream lines{std::string(text)};
    for (std::string line; std::getline(lines, line);) {
        std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == '#')
            continue;
        std::string_view entry = std::string_view(line).substr(start);
        if (!entry.starts_with(key) || entry.size() <= key.size() || entry[key.size()] != '=')
            continue;
        std::string value = Unquoted(entry.substr(key.size() + 1));
        if (value == "$HOME" || value.starts_with("$HOME/"))
            found = home.empty() ? "" : home + value.substr(5);
        else if (value.starts_with("/"))
            found = value;
        else
            found.clear();
    }
    return WithoutTrailingSlash(found);
}

std::string FolderCaption(const std::string& path) {
    std::string trimmed = WithoutTrailingSlash(path);
    if (trimmed.empty() || trimmed == "/")
        return trimmed;
    return trimmed.substr(trimmed.rfind('/') + 1);
}

std::vector<std::string> SpecialFolders::DesktopFolderNames() const {
    std::vector<std::string> names;
    std::string desktop = DesktopPath();
    if (desktop.empty())
        return names;
    std::error_code error;
    for (fs::directory_iterator it(desktop, error), end; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        std::error_code typeError;
        if (!name.starts_with(".") && it->is_directory(typeError))
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string SpecialFolders::DesktopCaption() const {
    return FolderCaption(DesktopPath());
}

std::string SpecialFolders::PersonalCaption() const {
    return FolderCaption(PersonalPath());
}

XdgSpecialFolders::XdgSpecialFolders(std::string home, std::string configHome)
    : home_(WithoutTrailingSlash(std::move(home))),
      configHome_(WithoutTrailingSlash(std::move(configHome))) {}

XdgSpecialFolders XdgSpecialFolders::FromEnvironment() {
    std::string home = EnvOr("HOME", HomeFromPasswordDatabase());
    std::string config = EnvOr("XDG_CONFIG_HOME", home.empty() ? "" : home + "/.config");
    return XdgSpecialFolders(home, config);
}

std::string XdgSpecialFolders::DesktopPath() const {
    return UserDir("XDG_DESKTOP_DIR", "Desktop");
}

std::string XdgSpecialFolders::PersonalPath() const {
    return UserDir("XDG_DOCUMENTS_DIR", "Documents");
}

std::string XdgSpecialFolders::UserDir(std::string_view key, std::string_view fallback) const {
    std::string configured;
    if (!configHome_.empty())
        configured = UserDirFromText(ReadWhole(configHome_ + "/user-dirs.dirs"), key, home_);
    if (!configured.empty())
        return configured;
    return home_.empty() ? "" : home_ + "/" + std::string(fallback);
}

} // namespace zyntra
