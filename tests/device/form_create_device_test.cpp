#include "app/main_window_state.h"
#include "content/device_browser.h"
#include "device/device_link.h"
#include "kit/controls.h"
#include "storage/database_files.h"
#include "tests/support/device_fixture.h"
#include "tests/support/main_window_fixture.h"
#include "texts/lang_text.h"

#include <filesystem>

namespace zyntra {
namespace {

using test::DeviceHeader;
using test::FileExists;
using test::ReadFile;

class FormCreateDeviceTest : public ::testing::Test {
protected:
    bool Enabled(const char* name) { return Controls().Get<Control>(name).Enabled(); }
    ControlSet& Controls() { return harness_.Window().Controls(); }
    DeviceLink& Devices() { return harness_.Window().Devices(); }

    test::MainWindowHarness harness_;
    test::FixtureDrives drives_{harness_.volumes};
};

TEST_F(FormCreateDeviceTest, ADeviceIsPreparedAndItsControlsEnabled) {
    const std::string internal =
        drives_.AddDeviceDrive("internal", DeviceHeader("DEMO-0001", DriveKind::InternalMemory));
    const std::string card =
        drives_.AddDeviceDrive("card", DeviceHeader("DEMO-0001", DriveKind::MemoryCard));
    std::filesystem::create_directories(internal + "Secretary");
    std::filesystem::copy_file(TemplatePath(1), DeviceDatabasePath(internal, 1));

    ASSERT_TRUE(harness_.Create());

    EXPECT_TRUE(harness_.ui.messages.Shown().empty());
    EXPECT_EQ(Devices().DeviceCount(), 1);
    EXPECT_EQ(harness_.Window().DeviceSide().DevicePath(), internal);
    for (int slot = 2; slot <= kDatabaseSlotCount; ++slot)
        EXPECT_EQ(ReadFile(DeviceDatabasePath(internal, slot)), ReadFile(TemplatePath(slot)));
    for (const char* folder : {"MUSIC", "VIDEO", "TEXT", "EBOOK/DICTIONARY"}) {
        EXPECT_TRUE(std::filesystem::is_directory(internal + folder)) << folder;
        EXPECT_TRUE(std::filesystem::is_directory(card + "QX740/" + folder)) << folder;
    }
    for (const char* name : {"btnDictUpload", "btnCompDownload", "sbSync", "rbSync2", "sbBackup"})
        EXPECT_TRUE(Enabled(name)) << name;
    EXPECT_TRUE(Controls().Get<PopupMenu>("pmDictMenu").AutoPopup());
    EXPECT_EQ(Controls().Get<TreeView>("tvDictTreeView").Node(0).caption, "QX740  (DEMO-0001)");
}

TEST_F(FormCreateDeviceTest, ACardAloneLeavesTheDeviceControlsDisabled) {
    const std::string card =
        drives_.AddDeviceDrive("card", DeviceHeader("DEMO-0001", DriveKind::MemoryCard));

    ASSERT_TRUE(harness_.Create());

    EXPECT_TRUE(harness_.ui.messages.Shown().empty());
    EXPECT_EQ(harness_.Window().DeviceSide().DevicePath(), "0");
    EXPECT_EQ(Devices().CurrentDevice().mainClass, "B");
    EXPECT_EQ(Devices().CurrentDevice().subClass, "02");
    for (const char* name : {"btnDictRefresh", "btnCompCut", "clbSyncData", "sbSync"})
        EXPECT_FALSE(Enabled(name)) << name;
    EXPECT_FALSE(Controls().Get<PopupMenu>("pmCompMenu").AutoPopup());
    EXPECT_TRUE(Enabled("sbRestore"));
    EXPECT_FALSE(FileExists(card + "QX740"));
}

TEST_F(FormCreateDeviceTest, TwoDevicesStopTheStart) {
    drives_.AddDeviceDrive("a", DeviceHeader("A", DriveKind::InternalMemory));
    drives_.AddDeviceDrive("b", DeviceHeader("B", DriveKind::InternalMemory));

    EXPECT_FALSE(harness_.Create());
    ASSERT_EQ(harness_.ui.messages.Shown().size(), 1u);
    EXPECT_EQ(harness_.ui.messages.Shown()[0].text, LangText("SM_eDictionaryOverflow"));
}

} // namespace
} // namespace zyntra
