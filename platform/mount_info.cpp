#include "platform/mount_info.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace zyntra {
namespace {

namespace fs = std::filesystem;

// clang-format off
constexpr std::array<std::string_view, 36> kPseudoTypes{
    "proc", "sysfs", "devtmpfs", "devpts", "cgroup", "cgroup2", "tmpfs", "overlay", "squashfs",
    "securityfs", "debugfs", "tracefs", "bpf", "pstore", "mqueue", "hugetlbfs", "autofs",
    "binfmt_misc", "configfs", "fusectl", "efivarfs", "nsfs", "ramfs", "rpc_pipefs", "nfsd",
    "selinuxfs", "devfs", "shm", "none", "fuse.gvfsd-fuse", "fuse.portal",
    "fuse.xdg-document-portal", "fuse.gvfs-fuse-daemon", "fuse.lxcfs", "fuse.snapfuse",
    "fuse.appimage"};

constexpr std::array<std::string_view, 20> kNetworkTypes{
    "nfs", "nfs4", "cifs", "smb3", "smbfs", "sshfs", "fuse.sshfs", "9p", "afs", "ceph",
    "glusterfs", "fuse.glusterfs", "davfs", "fuse.rclone", "fuse.s3fs", "fuse.curlftpfs", "ncpfs",
    "lustre", "virtiofs", "fuse.smbnetfs"};
// clang-format on

constexpr std::array<std::string_view, 2> kCdTypes{"iso9660", "udf"};

// Block file systems whose mounts carry no block device number or path.
constexpr std::array<std::string_view, 1> kDevicelessBlockTypes{"zfs"};

// Folders of the system itself, never drives of the user.
constexpr std::array<std::string_view, 7> kSystemFolders{"/proc", "/sys", "/dev", "/run",
                                                         "/boot", "/efi", "/snap"};

constexpr std::array<std::string_view, 2> kRemovableFolders{"/media", "/run/media"};

template <std::size_t N>
bool Contains(const std::array<std::string_view, N>& list, std::string_view value) {
    for (auto entry : list)
        if (entry == value)
            return true;
    return false;
}

bool IsAtOrBelow(std::string_view path, std::string_view folder) {
    return path == folder || (path.starts_with(folder) && path[folder.size()] == '/');
}

template <std::size_t N>
bool IsBelowAny(std::string_view path, const std::array<std::string_view, N>& folders) {
    for (auto folder : folders)
        if (IsAtOrBelow(path, folder))
            return true;
    return false;
}

bool IsRemovableFolder(std::string_view mountPoint) {
    for (auto folder : kRemovableFolders)
        if (mountPoint.starts_with(folder) && mountPoint.size() > folder.size() &&
            mountPoint[folder.size()] == '/')
            return true;
    return false;
}

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (start < line.size()) {
        std::size_t end = line.find(' ', start);
        if (end == std::string_view::npos)
            end = line.size();
        if (end > start)
            fields.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

bool IsBlockFileSystem(const MountLine& mount) {
    return mount.type == "fuseblk" || mount.device.major != 0 ||
           mount.device.source.starts_with("/dev/") || Contains(kDevicelessBlockTypes, mount.type);
}

std::optional<VolumeType> Classify(const MountLine& mount, const BlockDeviceProbe& probe) {
    const std::string& path = mount.mountPoint;
    if (path.find("/.") != std::string::npos || Contains(kPseudoTypes, mount.type))
        return std::nullopt;
    if (IsBelowAny(path, kSystemFolders) && !IsRemovableFolder(path))
        return std::nullopt;
    if (Contains(kNetworkTypes, mount.type))
        return VolumeType::Network;
    if (Contains(kCdTypes, mount.type))
        return VolumeType::Cdrom;
    if (!IsBlockFileSystem(mount))
        return std::nullopt;
    // Many sticks and card slots report removable 0, so the bus and the
    // automounter's folders count as well.
    if (IsRemovableFolder(path))
        return VolumeType::Removable;
    BlockDeviceFacts facts = probe ? probe(mount.device) : BlockDeviceFacts{};
    return facts.onUsbOrMmc || facts.removableFlag ? VolumeType::Removable : VolumeType::Fixed;
}

std::string FirstLine(const fs::path& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

bool SitsOnRemovableBus(fs::path folder, const fs::path& top) {
    std::error_code error;
    while (folder.string().size() > top.string().size()) {
        fs::path bus = fs::read_symlink(folder / "subsystem", error).filename();
        if (!error && (bus == "usb" || bus == "mmc" || bus == "memstick"))
            return true;
        folder = folder.parent_path();
    }
    return false;
}

BlockDevice ResolvedNumbers(BlockDevice device) {
    // btrfs and a few others show an anonymous device number; the source
    // path still names the real one.
    struct stat status {};
    if (device.major == 0 && device.source.starts_with("/dev/") &&
        stat(device.source.c_str(), &status) == 0 && S_ISBLK(status.st_mode)) {
        device.major = major(status.st_rdev);
        device.minor = minor(status.st_rdev);
    }
    return device;
}

BlockDeviceFacts ProbeSysfs(const fs::path& sysRoot, BlockDevice device) {
    device = ResolvedNumbers(std::move(device));
    if (device.major == 0)
        return {};
    std::error_code error;
    fs::path numbers = std::to_string(device.major) + ":" + std::to_string(device.minor);
    fs::path folder = fs::canonical(sysRoot / "dev" / "block" / numbers, error);
    fs::path top = fs::canonical(sysRoot, error);
    if (error)
        return {};
    fs::path disk = fs::exists(folder / "partition", error) ? folder.parent_path() : folder;
    return {SitsOnRemovableBus(folder, top), FirstLine(disk / "removable") == "1"};
}

} // namespace

// "36 35 98:0 / /mnt rw,noatime master:1 - ext3 /dev/root rw": the optional
// fields end at the lone "-".
std::optional<MountLine> ParseMountLine(std::string_view line) {
    std::vector<std::string_view> fields = Fields(line);
    std::size_t separator = 6;
    while (separator < fields.size() && fields[separator] != "-")
        ++separator;
    if (separator + 2 >= fields.size())
        return std::nullopt;
    MountLine mount;
    std::string numbers(fields[2]);
    if (std::sscanf(numbers.c_str(), "%u:%u", &mount.device.major, &mount.device.minor) != 2)
        return std::nullopt;
    mount.mountPoint = UnescapeMountField(fields[4]);
    mount.type = UnescapeMountField(fields[separator + 1]);
    mount.device.source = UnescapeMountField(fields[separator + 2]);
    return mount;
}

std::string UnescapeMountField(std::string_view field) {
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        std::string_view digits = i + 3 < field.size() ? field.substr(i + 1, 3) : "";
        if (field[i] == '\\' && !digits.empty() &&
            digits.find_first_not_of("01234567") == std::string_view::npos) {
            text += static_cast<char>(((digits[0] - '0') << 6) | ((digits[1] - '0') << 3) |
                                      (digits[2] - '0'));
            i += 3;
            continue;
        }
        text += field[i];
    }
    return text;
}

std::vector<Volume> ParseMountInfo(std::string_view text, const BlockDeviceProbe& probe) {
    // Sorted by mount point; a later mount on the same point hides the
    // earlier one, also when the later one is not a volume.
    std::map<std::string, std::optional<Volume>> byMountPoint;
    std::istringstream lines{std::string(text)};
    for (std::string line; std::getline(lines, line);) {
        std::optional<MountLine> mount = ParseMountLine(line);
        if (!mount)
            continue;
        std::optional<VolumeType> type = Classify(*mount, probe);
        std::string root = mount->mountPoint;
        if (root.empty() || root.back() != '/')
            root += '/';
        byMountPoint[mount->mountPoint] =
            type ? std::optional<Volume>(Volume{root, *type}) : std::nullopt;
    }
    std::vector<Volume> volumes;
    for (auto& [mountPoint, volume] : byMountPoint)
        if (volume)
            volumes.push_back(std::move(*volume));
    return volumes;
}

BlockDeviceProbe SysfsProbe(std::string sysRoot) {
    return [root = fs::path(std::move(sysRoot))](const BlockDevice& device) {
        return ProbeSysfs(root, device);
    };
}

MountTableVolumes::MountTableVolumes(std::string mountInfoPath, BlockDeviceProbe probe)
    : mountInfoPath_(std::move(mountInfoPath)), probe_(std::move(probe)) {}

std::vector<Volume> MountTableVolumes::List() const {
    std::ifstream in(mountInfoPath_, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    std::vector<Volume> volumes = ParseMountInfo(text.str(), probe_);
    // A network mount whose server is gone can hang a stat; it is kept.
    std::erase_if(volumes, [](const Volume& volume) {
        struct stat status {};
        return volume.type != VolumeType::Network &&
               (stat(volume.root.c_str(), &status) != 0 || !S_ISDIR(status.st_mode));
    });
    return volumes;
}

} // namespace zyntra
