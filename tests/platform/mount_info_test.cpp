#include "platform/mount_info.h"
#include "tests/support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>

namespace zyntra {
namespace {

namespace fs = std::filesystem;

// The mount table of a laptop with the device's internal memory on a USB
// stick (automounted, with a blank in its name), its card in the built-in
// reader, an exFAT card through FUSE, a share, a CD and the usual noise.
constexpr const char* kMountInfo =
    R"(21 28 0:20 / /sys rw,nosuid,nodev,noexec,relatime shared:7 - sysfs sysfs rw
22 28 0:21 / /proc rw,nosuid,nodev,noexec,relatime shared:12 - proc proc rw
23 28 0:5 / /dev rw,nosuid,relatime shared:2 - devtmpfs udev rw,size=8012344k,nr_inodes=2003086,mode=755
28 1 259:2 / / rw,relatime shared:1 - ext4 /dev/nvme0n1p2 rw,errors=remount-ro
29 21 0:26 / /sys/fs/cgroup rw,nosuid,nodev,noexec,relatime shared:9 - cgroup2 cgroup2 rw,nsdelegate
31 28 259:1 / /boot/efi rw,relatime shared:30 - vfat /dev/nvme0n1p1 rw,fmask=0077,dmask=0077
33 28 259:3 / /home rw,relatime shared:31 - ext4 /dev/nvme0n1p3 rw
40 26 0:45 / /run/user/1000 rw,nosuid,nodev,relatime shared:400 - tmpfs tmpfs rw,size=1602436k,mode=700,uid=1000,gid=1000
41 40 0:46 / /run/user/1000/gvfs rw,nosuid,nodev,relatime shared:420 - fuse.gvfsd-fuse gvfsd-fuse rw,user_id=1000,group_id=1000
42 40 0:47 / /run/user/1000/doc rw,nosuid,nodev,relatime shared:430 - fuse.portal portal rw,user_id=1000,group_id=1000
50 28 0:50 / /var/lib/docker/overlay2/abc/merged rw,relatime - overlay overlay rw,lowerdir=/x,upperdir=/y,workdir=/z
51 28 0:51 / /mnt/share rw,relatime shared:500 - nfs4 server:/export rw,vers=4.2,addr=10.0.0.2
52 28 11:0 / /media/user/CDROM ro,nosuid,nodev,relatime shared:510 - iso9660 /dev/sr0 ro,uid=1000
60 28 8:17 / /media/user/QX740\040DICT rw,nosuid,nodev,relatime shared:600 - vfat /dev/sdb1 rw,uid=1000,gid=1000,fmask=0022,dmask=0022,codepage=437
61 28 179:1 / /mnt/card rw,nosuid,nodev,relatime shared:610 - exfat /dev/mmcblk0p1 rw,uid=1000
62 28 8:33 / /mnt/exfat\011tab\134back rw,nosuid,nodev,relatime shared:620 - fuseblk /dev/sdc1 rw,user_id=0,group_id=0,allow_other,blksize=4096
63 33 0:60 / /home/u/.cache/x rw,relatime shared:630 - ext4 /dev/sdd1 rw
64 28 8:49 / /srv/data rw,relatime shared:640 - ntfs3 /dev/sdd1 rw
65 28 7:3 / /snap/core/1 ro,nodev,relatime shared:650 - squashfs /dev/loop3 ro
)";

Volume V(const char* root, VolumeType type) {
    return {root, type};
}

TEST(MountInfoTest, ClassifiesARealisticTable) {
    // Only the stick's partition reports its bus; the reader of /srv/data
    // reports the removable flag; the others are plain disks.
    std::map<std::pair<unsigned, unsigned>, BlockDeviceFacts> facts{
        {{8, 17}, {true, false}},
        {{179, 1}, {true, false}},
        {{8, 49}, {false, true}},
    };
    std::vector<BlockDevice> asked;
    auto probe = [&](const BlockDevice& device) {
        asked.push_back(device);
        auto found = facts.find({device.major, device.minor});
        return found != facts.end() ? found->second : BlockDeviceFacts{};
    };

    std::vector<Volume> volumes = ParseMountInfo(kMountInfo, probe);

    EXPECT_EQ(volumes, (std::vector<Volume>{
                           V("/", VolumeType::Fixed),
                           V("/home/", VolumeType::Fixed),
                           V("/media/user/CDROM/", VolumeType::Cdrom),
                           V("/media/user/QX740 DICT/", VolumeType::Removable),
                           V("/mnt/card/", VolumeType::Removable),
                           V("/mnt/exfat\ttab\\back/", VolumeType::Fixed),
                           V("/mnt/share/", VolumeType::Network),
                           V("/srv/data/", VolumeType::Removable),
                       }));
    // The probe sees the real device; mounts under /media need no probe.
    for (const auto& device : asked)
        EXPECT_NE(device.source, "/dev/sdb1");
    auto exfat = std::find_if(asked.begin(), asked.end(),
                              [](const BlockDevice& d) { return d.source == "/dev/sdc1"; });
    ASSERT_NE(exfat, asked.end());
    EXPECT_EQ(exfat->major, 8u);
    EXPECT_EQ(exfat->minor, 33u);
}

TEST(MountInfoTest, TopMountOnAMountPointWins) {
    const char* table = "60 28 8:17 / /media/u/S rw - vfat /dev/sdb1 rw\n"
                        "61 60 0:70 / /media/u/S rw - tmpfs tmpfs rw\n"
                        "62 28 8:18 / /media/u/T rw - vfat /dev/sdb2 rw\n"
                        "63 62 8:19 / /media/u/T rw - ext4 /dev/sdb3 rw\n"
                        "garbage line\n"
                        "64 28 8:20 / /media/u/U rw shared:1 master:2\n";
    EXPECT_EQ(ParseMountInfo(table, {}),
              (std::vector<Volume>{V("/media/u/T/", VolumeType::Removable)}));
}

TEST(MountInfoTest, UnescapesOnlyOctalTriples) {
    EXPECT_EQ(UnescapeMountField("/a\\040b\\011c\\012d\\134e"), "/a b\tc\nd\\e");
    EXPECT_EQ(UnescapeMountField("/x\\04"), "/x\\04");
    EXPECT_EQ(UnescapeMountField("/x\\09a"), "/x\\09a");
    EXPECT_EQ(UnescapeMountField("/end\\040"), "/end ");
}

// A sysfs tree as the kernel lays it out, with relative links.
class SysfsProbeTest : public ::testing::Test {
protected:
    void Device(const std::string& numbers, const std::string& folder, bool partition,
                const char* removable) {
        fs::create_directories(root_ + folder);
        std::string disk =
            partition ? fs::path(root_ + folder).parent_path().string() : root_ + folder;
        test::WriteFile(disk + "/removable", std::string(removable) + "\n");
        if (partition)
            test::WriteFile(root_ + folder + "/partition", "1\n");
        fs::create_directories(root_ + "dev/block");
        fs::create_symlink("../.." + folder, root_ + "dev/block/" + numbers);
    }
    void Bus(const std::string& folder, const std::string& bus) {
        fs::create_directories(root_ + folder);
        fs::create_symlink("../../../../bus/" + bus, root_ + folder + "/subsystem");
    }
    BlockDeviceFacts Probe(unsigned major, unsigned minor) {
        return SysfsProbe(root_)(BlockDevice{major, minor, ""});
    }

    test::TempDir sys_;
    std::string root_ = sys_.Path();
};

TEST_F(SysfsProbeTest, FindsTheBusAndTheWholeDisksFlag) {
    const std::string usb = "/devices/pci0000:00/0000:00:14.0/usb1/1-2";
    Bus(usb, "usb");
    Bus(usb + "/1-2:1.0", "usb");
    Device("8:17", usb + "/1-2:1.0/host6/target6:0:0/6:0:0:0/block/sdb/sdb1", true, "0");
    const std::string mmc = "/devices/pci0000:00/0000:00:1e.6/mmc_host/mmc0/mmc0:aaaa";
    Bus(mmc, "mmc");
    Device("179:1", mmc + "/block/mmcblk0/mmcblk0p1", true, "0");
    Device("259:2", "/devices/pci0000:00/0000:00:1d.0/nvme/nvme0/nvme0n1/nvme0n1p2", true, "0");
    Bus("/devices/pci0000:00/0000:00:17.0", "pci");
    Device("8:32", "/devices/pci0000:00/0000:00:17.0/ata3/host2/block/sdc", false, "1");

    EXPECT_TRUE(Probe(8, 17).onUsbOrMmc);
    EXPECT_FALSE(Probe(8, 17).removableFlag);
    EXPECT_TRUE(Probe(179, 1).onUsbOrMmc);
    EXPECT_FALSE(Probe(259, 2).onUsbOrMmc);
    EXPECT_FALSE(Probe(259, 2).removableFlag);
    EXPECT_FALSE(Probe(8, 32).onUsbOrMmc);
    EXPECT_TRUE(Probe(8, 32).removableFlag);
    EXPECT_FALSE(Probe(8, 48).onUsbOrMmc || Probe(8, 48).removableFlag);
    EXPECT_FALSE(Probe(0, 44).onUsbOrMmc || Probe(0, 44).removableFlag);
}

TEST(MountTableVolumesTest, ReadsTheFileAndDropsRootsThatAreNotFolders) {
    test::TempDir dir;
    fs::create_directories(dir.Path() + "stick");
    test::WriteFile(dir.Path() + "hosts", "");
    std::string table = "1 0 8:1 / " + dir.Path() + "stick rw - vfat /dev/sdb1 rw\n" +
                        "2 0 8:2 / " + dir.Path() + "hosts rw - ext4 /dev/sda1 rw\n" +
                        "3 0 8:3 / " + dir.Path() + "gone rw - ext4 /dev/sda3 rw\n";
    test::WriteFile(dir.Path() + "mountinfo", table);
    MountTableVolumes volumes(dir.Path() + "mountinfo", [](const BlockDevice&) {
        return BlockDeviceFacts{true, false};
    });
    EXPECT_EQ(volumes.List(),
              (std::vector<Volume>{V((dir.Path() + "stick/").c_str(), VolumeType::Removable)}));
    EXPECT_TRUE(volumes.IsReadable(dir.Path() + "stick/"));
    EXPECT_TRUE(volumes.FreeBytes(dir.Path() + "stick/").has_value());
}

} // namespace
} // namespace zyntra
