#include "platform/target_file_system.h"

#include "platform/mount_info.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>
#include <vector>

namespace zyntra {
namespace {

namespace fs = std::filesystem;

constexpr long kMsdosMagic = 0x4d44;
constexpr long kExfatMagic = 0x2011BAB0;
constexpr long kFuseMagic = 0x65735546;
constexpr std::uint64_t kFat32Limit = 1ull << 32;
constexpr std::string_view kFatForbidden = "\"*/:<>?\\|";

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// What udev's blkid probe found on a block device: "ID_FS_TYPE=exfat".
FileSystemKind UdevKindOf(const std::string& devicePath) {
    struct stat status {};
    if (stat(devicePath.c_str(), &status) != 0 || !S_ISBLK(status.st_mode))
        return FileSystemKind::Unrestricted;
    std::istringstream data(ReadWhole("/run/udev/data/b" + std::to_string(major(status.st_rdev)) +
                                      ":" + std::to_string(minor(status.st_rdev))));
    constexpr std::string_view kKey = "E:ID_FS_TYPE=";
    for (std::string line; std::getline(data, line);)
        if (line.starts_with(kKey))
            return FileSystemKindOfType(std::string_view(line).substr(kKey.size()));
    return FileSystemKind::Unrestricted;
}

FileSystemKind FuseKindOf(const std::string& folder) {
    struct stat status {};
    if (stat(folder.c_str(), &status) != 0)
        return FileSystemKind::Unrestricted;
    std::optional<MountSource> mount = MountOfDevice(ReadWhole("/proc/self/mountinfo"),
                                                     major(status.st_dev), minor(status.st_dev));
    if (!mount)
        return FileSystemKind::Unrestricted;
    FileSystemKind kind = FileSystemKindOfType(mount->type);
    if (kind == FileSystemKind::Unrestricted && mount->type == "fuseblk")
        kind = UdevKindOf(mount->source);
    return kind;
}

bool IsControl(unsigned char c) {
    return c < 0x20;
}

} // namespace

std::string NearestExistingFolder(const std::string& folder) {
    fs::path probe = folder;
    std::error_code error;
    while (!probe.empty() && !fs::exists(probe, error) && probe != probe.parent_path())
        probe = probe.parent_path();
    return probe.empty() ? "." : probe.string();
}

FileSystemKind FileSystemKindOfType(std::string_view type) {
    for (std::string_view prefix : {"fuseblk.", "fuse."})
        if (type.starts_with(prefix))
            type.remove_prefix(prefix.size());
    if (type == "vfat" || type == "msdos")
        return FileSystemKind::Fat;
    if (type == "exfat" || type == "exfat-fuse")
        return FileSystemKind::Exfat;
    return FileSystemKind::Unrestricted;
}

std::optional<MountSource> MountOfDevice(std::string_view mountInfo, unsigned major,
                                         unsigned minor) {
    std::size_t start = 0;
    while (start < mountInfo.size()) {
        std::size_t end = mountInfo.find('\n', start);
        if (end == std::string_view::npos)
            end = mountInfo.size();
        std::optional<MountLine> mount = ParseMountLine(mountInfo.substr(start, end - start));
        start = end + 1;
        if (mount && mount->device.major == major && mount->device.minor == minor)
            return MountSource{mount->type, mount->device.source};
    }
    return std::nullopt;
}

FileSystemKind FileSystemOf(const std::string& folder) {
    const std::string existing = NearestExistingFolder(folder);
    struct statfs info {};
    if (statfs(existing.c_str(), &info) != 0)
        return FileSystemKind::Unrestricted;
    switch (static_cast<long>(info.f_type)) {
    case kMsdosMagic:
        return FileSystemKind::Fat;
    case kExfatMagic:
        return FileSystemKind::Exfat;
    case kFuseMagic:
        return FuseKindOf(existing);
    default:
        return FileSystemKind::Unrestricted;
    }
}

std::optional<std::string> RefusalFor(FileSystemKind kind, std::string_view fileName,
                                      std::uint64_t size) {
    if (kind == FileSystemKind::Unrestricted)
        return std::nullopt;
    const char* system = kind == FileSystemKind::Fat ? "FAT" : "exFAT";
    for (char c : fileName) {
        if (kFatForbidden.find(c) != std::string_view::npos)
            return std::string("a name with \"") + c + "\" cannot be stored on " + system;
        if (IsControl(static_cast<unsigned char>(c)))
            return std::string("a name with a control character cannot be stored on ") + system;
    }
    if (!fileName.empty() && (fileName.back() == '.' || fileName.back() == ' '))
        return std::string("a name ending in a dot or a blank cannot be stored on ") + system;
    if (kind == FileSystemKind::Fat && size >= kFat32Limit)
        return "FAT32 holds no file of 4 GiB or more";
    return std::nullopt;
}

} // namespace zyntra
