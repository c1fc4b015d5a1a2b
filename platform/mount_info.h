#pragma once

#include "platform/volumes.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zyntra {

// The block device behind a mount, as the mount table names it.
struct BlockDevice {
    unsigned major = 0;
    unsigned minor = 0;
    std::string source; // "/dev/sdb1", or whatever the file system put there
};

// What sysfs tells about a block device.
struct BlockDeviceFacts {
    bool onUsbOrMmc = false;    // some parent sits on the USB, MMC or Memory Stick bus
    bool removableFlag = false; // the whole disk's "removable" attribute is 1
};

using BlockDeviceProbe = std::function<BlockDeviceFacts(const BlockDevice&)>;

// One line of /proc/self/mountinfo, its escapes undone.
struct MountLine {
    BlockDevice device;
    std::string mountPoint;
    std::string type; // "ext4", "vfat", "fuseblk", ...
};

// "36 35 98:0 / /mnt rw,noatime master:1 - ext3 /dev/root rw"; nothing for a line that is not
// one of these.
std::optional<MountLine> ParseMountLine(std::string_view line);

// Undoes the mount table's octal escapes ("\040" is a blank, "\134" a
// backslash, and so on).
std::string UnescapeMountField(std::string_view field);

// The volumes of a /proc/self/mountinfo text, sorted by mount point: network
// and CD file systems by type, block file systems (fuseblk included) as
// removable or fixed, and pseudo and system file systems, system folders and
// paths with a hidden component ("/.") left out. When one mount point is
// listed more than once, the last mount (the one on top) counts. The probe
// is asked only about block file systems that are not under /media or
// /run/media (those are removable anyway).
std::vector<Volume> ParseMountInfo(std::string_view text, const BlockDeviceProbe& probe);

// The probe that looks under sysRoot/dev/block/MAJ:MIN and its parents.
BlockDeviceProbe SysfsProbe(std::string sysRoot = "/sys");

// The volumes of the running system's mount table; folders that are not
// directories (a file bind-mounted over a file) are left out.
class MountTableVolumes : public Volumes {
public:
    explicit MountTableVolumes(std::string mountInfoPath = "/proc/self/mountinfo",
                               BlockDeviceProbe probe = SysfsProbe());

    std::vector<Volume> List() const override;

private:
    std::string mountInfoPath_;
    BlockDeviceProbe probe_;
};

} // namespace zyntra
