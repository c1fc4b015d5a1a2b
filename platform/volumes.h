#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace zyntra {

// The drive types the program tells apart.
enum class VolumeType { Removable, Fixed, Network, Cdrom };

// A mounted volume. Its root is the mount point with a trailing '/'. The
// position in a volume list stands for the drive letter.
struct Volume {
    std::string root;
    VolumeType type = VolumeType::Fixed;

    bool operator==(const Volume&) const = default;
};

// "removable", "fixed", "network", "cdrom".
std::string_view VolumeTypeName(VolumeType type);
std::optional<VolumeType> VolumeTypeFromName(std::string_view name);

// The volume information of the file system holding path can be read
// (statvfs succeeds): a medium is in the drive.
bool VolumeInfoReadable(const std::string& path);

// Bytes an unprivileged user may still write on the file system holding
// path; nothing when it cannot be asked.
std::optional<std::uint64_t> FreeSpaceAt(const std::string& path);

class Volumes {
public:
    virtual ~Volumes() = default;

    // The volumes in drive-letter order, read anew on every call.
    virtual std::vector<Volume> List() const = 0;

    virtual bool IsReadable(const std::string& root) const { return VolumeInfoReadable(root); }
    virtual std::optional<std::uint64_t> FreeBytes(const std::string& root) const {
        return FreeSpaceAt(root);
    }
};

// The simulated volume table: one "TYPE PATH" per line (PATH is everything
// after the first blank and may hold blanks), '#' comments and blank lines
// ignored, lines of an unknown type skipped, roots given a trailing '/'.
// The lines' order is the drive-letter order; a root listed twice counts
// once, at its first place.
std::vector<Volume> ParseVolumeTable(std::string_view text);

// The table in a file, read on every List(): editing the file plugs and
// unplugs. A missing file is an empty table. Readability and free space are
// those of the real folders the roots name.
class SimulatedVolumes : public Volumes {
public:
    explicit SimulatedVolumes(std::string tablePath) : tablePath_(std::move(tablePath)) {}

    std::vector<Volume> List() const override;
    const std::string& TablePath() const { return tablePath_; }

private:
    std::string tablePath_;
};

// A list a test sets. Every root is readable unless marked otherwise; free
// space is unknown unless set. With nothing set it is the do-nothing table.
class MemoryVolumes : public Volumes {
public:
    MemoryVolumes() = default;
    explicit MemoryVolumes(std::vector<Volume> volumes) : volumes_(std::move(volumes)) {}

    void Set(std::vector<Volume> volumes) { volumes_ = std::move(volumes); }
    void SetReadable(const std::string& root, bool readable);
    void SetFreeBytes(const std::string& root, std::uint64_t bytes) { freeBytes_[root] = bytes; }

    std::vector<Volume> List() const override { return volumes_; }
    bool IsReadable(const std::string& root) const override;
    std::optional<std::uint64_t> FreeBytes(const std::string& root) const override;

private:
    std::vector<Volume> volumes_;
    std::set<std::string> unreadable_;
    std::map<std::string, std::uint64_t> freeBytes_;
};

} // namespace zyntra
