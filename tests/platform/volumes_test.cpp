#include "platform/backends.h"
#include "platform/mount_info.h"
#include "platform/volumes.h"
#include "tests/platform/scoped_env.h"
#include "tests/support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zyntra {
namespace {

TEST(VolumeTableTest, ParsesTypesPathsWithBlanksAndComments) {
    const char* text = "# the device, card first\n"
                       "removable /tmp/dev card\n"
                       "\n"
                       "   fixed\t/srv/disk/  \r\n"
                       "network /net/share\n"
                       "cdrom /media/cd\n"
                       "floppy /media/a\n"
                       "removable\n"
                       "removable /tmp/dev card/\n"
                       "Removable /tmp/upper\n"
                       "removable /tmp/dev1";
    EXPECT_EQ(ParseVolumeTable(text), (std::vector<Volume>{
                                          {"/tmp/dev card/", VolumeType::Removable},
                                          {"/srv/disk/", VolumeType::Fixed},
                                          {"/net/share/", VolumeType::Network},
                                          {"/media/cd/", VolumeType::Cdrom},
                                          {"/tmp/dev1/", VolumeType::Removable},
                                      }));
    EXPECT_TRUE(ParseVolumeTable("").empty());
}

TEST(VolumeTableTest, SimulatedVolumesReadTheFileEachTimeAndAskTheRealFolders) {
    test::TempDir dir;
    std::string table = dir.Path() + "volumes";
    SimulatedVolumes volumes(table);
    EXPECT_TRUE(volumes.List().empty());

    std::filesystem::create_directories(dir.Path() + "dev1");
    test::WriteFile(table,
                    "removable " + dir.Path() + "dev1\nremovable " + dir.Path() + "nomedium\n");
    ASSERT_EQ(volumes.List().size(), 2u);
    EXPECT_TRUE(volumes.IsReadable(dir.Path() + "dev1/"));
    EXPECT_FALSE(volumes.IsReadable(dir.Path() + "nomedium/"));
    EXPECT_GT(volumes.FreeBytes(dir.Path() + "dev1/").value_or(0), 0u);
    EXPECT_FALSE(volumes.FreeBytes(dir.Path() + "nomedium/").has_value());

    test::WriteFile(table, "fixed " + dir.Path() + "dev1\n");
    EXPECT_EQ(volumes.List(), (std::vector<Volume>{{dir.Path() + "dev1/", VolumeType::Fixed}}));
}

TEST(VolumeTableTest, FactoryPicksTheSimulatedTableWhenNamed) {
    test::TempDir dir;
    test::WriteFile(dir.Path() + "t", "removable /x\n");
    {
        test::ScopedEnv env("ZYNTRA_VOLUMES", dir.Path() + "t");
        auto volumes = MakeVolumes();
        EXPECT_NE(dynamic_cast<SimulatedVolumes*>(volumes.get()), nullptr);
        EXPECT_EQ(volumes->List(), (std::vector<Volume>{{"/x/", VolumeType::Removable}}));
    }
    test::ScopedEnv env("ZYNTRA_VOLUMES", std::nullopt);
    EXPECT_NE(dynamic_cast<MountTableVolumes*>(MakeVolumes().get()), nullptr);
}

} // namespace
} // namespace zyntra
