#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zyntra {

// The file systems whose limits a copy must respect before it writes anything. Removable
// media are nearly always one of the two FAT kinds.
enum class FileSystemKind { Unrestricted, Fat, Exfat };

// Which kind of file system would hold a file written into folder; a folder that does not
// exist yet is asked of its nearest existing parent.
using FileSystemLookup = std::function<FileSystemKind(const std::string& folder)>;

// The folder itself when it exists, else its nearest existing parent: where a folder still to
// be made would be asked about its file system and free space.
std::string NearestExistingFolder(const std::string& folder);

// statfs first; a FUSE mount (exFAT through exfat-fuse shows as fuseblk) is looked up in the
// mount table, and a plain fuseblk in what udev found on its block device.
FileSystemKind FileSystemOf(const std::string& folder);

// The kind a mount table type names: "vfat", "msdos", "exfat", "fuseblk.exfat" and the like.
// A plain "fuseblk" could be NTFS as well and says nothing.
FileSystemKind FileSystemKindOfType(std::string_view type);

struct MountSource {
    std::string type;   // "fuseblk", "vfat", ...
    std::string source; // "/dev/sdb1"
};

// The mountinfo line whose device number is major:minor.
std::optional<MountSource> MountOfDevice(std::string_view mountInfo, unsigned major,
                                         unsigned minor);

// Why a file of this name and size cannot be written on that kind of file system; nothing
// when it can.
std::optional<std::string> RefusalFor(FileSystemKind kind, std::string_view fileName,
                                      std::uint64_t size);

} // namespace zyntra
