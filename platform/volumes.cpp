#include "platform/volumes.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <sstream>
#include <sys/statvfs.h>
#include <utility>

namespace zyntra {
namespace {

constexpr std::array<std::pair<VolumeType, std::string_view>, 4> kTypeNames{{
    {VolumeType::Removable, "removable"},
    {VolumeType::Fixed, "fixed"},
    {VolumeType::Network, "network"},
    {VolumeType::Cdrom, "cdrom"},
}};

std::string_view Trimmed(std::string_view text) {
    std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::optional<Volume> ParseTableLine(std::string_view line) {
    line = Trimmed(line);
    if (line.empty() || line.front() == '#')
        return std::nullopt;
    std::size_t blank = line.find_first_of(" \t");
    if (blank == std::string_view::npos)
        return std::nullopt;
    std::optional<VolumeType> type = VolumeTypeFromName(line.substr(0, blank));
    std::string root(Trimmed(line.substr(blank + 1)));
    if (!type || root.empty())
        return std::nullopt;
    if (root.back() != '/')
        root += '/';
    return Volume{std::move(root), *type};
}

} // namespace

std::string_view VolumeTypeName(VolumeType type) {
    for (const auto& [known, name] : kTypeNames)
        if (known == type)
            return name;
    return "fixed";
}

std::optional<VolumeType> VolumeTypeFromName(std::string_view name) {
    for (const auto& [type, known] : kTypeNames)
        if (known == name)
            return type;
    return std::nullopt;
}

bool VolumeInfoReadable(const std::string& path) {
    struct statvfs info {};
    return statvfs(path.c_str(), &info) == 0;
}

std::optional<std::uint64_t> FreeSpaceAt(const std::string& path) {
    struct statvfs info {};
    if (statvfs(path.c_str(), &info) != 0)
        return std::nullopt;
    return static_cast<std::uint64_t>(info.f_bavail) * info.f_frsize;
}

std::vector<Volume> ParseVolumeTable(std::string_view text) {
    std::vector<Volume> volumes;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::optional<Volume> volume = ParseTableLine(text.substr(0, end));
        bool known = volume && std::any_of(volumes.begin(), volumes.end(),
                                           [&](const Volume& v) { return v.root == volume->root; });
        if (volume && !known)
            volumes.push_back(std::move(*volume));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return volumes;
}

std::vector<Volume> SimulatedVolumes::List() const {
    std::ifstream in(tablePath_, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return ParseVolumeTable(text.str());
}

void MemoryVolumes::SetReadable(const std::string& root, bool readable) {
    if (readable)
        unreadable_.erase(root);
    else
        unreadable_.insert(root);
}

bool MemoryVolumes::IsReadable(const std::string& root) const {
    return unreadable_.count(root) == 0;
}

std::optional<std::uint64_t> MemoryVolumes::FreeBytes(const std::string& root) const {
    auto found = freeBytes_.find(root);
    if (found == freeBytes_.end())
        return std::nullopt;
    return found->second;
}

} // namespace zyntra
