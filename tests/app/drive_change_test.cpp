#include "app/main_window.h"
#include "content/content_page.h"
#include "content/device_browser.h"
#include "content/file_lists.h"
#include "device/device_link.h"
#include "kit/controls.h"
#include "platform/volume_monitor.h"
#include "tests/support/device_fixture.h"
#include "tests/support/main_window_fixture.h"
#include "texts/lang_text.h"

#include <gtest/gtest.h>
#include <poll.h>

namespace zyntra {
namespace {

using test::DeviceHeader;
using test::FileExists;
using test::WriteFile;

// The window started with or without a device; the test then changes the volumes and tells
// the window, as the volume monitor would.
class DriveChangeTest : public ::testing::Test {
protected:
    std::string PlugDevice(const std::string& name = "internal",
                           const std::string& ident = "QX-1") {
        return drives.AddInternalMemory(name, DeviceHeader(ident, DriveKind::InternalMemory));
    }
    void Start() {
        ASSERT_TRUE(harness.Create());
        Window().Content().SelectCategory(ContentCategory::Mp3Music);
        harness.ui.messages.Clear();
    }

    TdfmMain& Window() { return harness.Window(); }
    bool Enabled(const char* name) { return Window().Controls().Get<Control>(name).Enabled(); }
    int DeviceRows() { return Window().Controls().Get<ListView>("lvDictListView").RowCount(); }
    std::size_t DeviceMusic() {
        return Window().Files().List(Side::Device, ContentCategory::Mp3Music).size();
    }
    std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        for (const ShownMessage& message : harness.ui.messages.Shown())
            texts.push_back(message.text);
        return texts;
    }

    test::MainWindowHarness harness;
    test::FixtureDrives drives{harness.volumes};
};

TEST_F(DriveChangeTest, ArrivalOfTheDeviceFillsTheDeviceSide) {
    Start();
    ASSERT_FALSE(Enabled("btnDictRefresh"));
    const std::string internal = PlugDevice();
    WriteFile(internal + "_sync.dat", "test");
    WriteFile(internal + "MUSIC/song.mp3", "a");

    Window().HandleDriveChange(VolumeChange::Arrival);
    EXPECT_TRUE(Messages().empty());
    EXPECT_FALSE(FileExists(internal + "_sync.dat"));
    for (const char* name : {"btnDictRefresh", "btnDictPaste", "sbSync"})
        EXPECT_TRUE(Enabled(name)) << name;
    EXPECT_FALSE(Enabled("btnDictUp"));
    EXPECT_EQ(Window().DeviceSide().DevicePath(), internal);
    EXPECT_EQ(DeviceMusic(), 1u);
    EXPECT_EQ(DeviceRows(), 1);
    // The category shown stays; its device node says so again after the tree was rebuilt.
    EXPECT_EQ(Window().Content().CurrentCategory(), ContentCategory::Mp3Music);
    const DEV_INFO& device = Window().Devices().CurrentDevice();
    EXPECT_EQ(Window().Controls().Get<TreeView>("tvDictTreeView").Node(device.dictNode).caption,
              LangText("SM_MyDict") + "( Music )");
    EXPECT_EQ(harness.ui.waitCursor.Depth(), 0);
}

TEST_F(DriveChangeTest, RemovalOfTheDeviceEmptiesTheDeviceSide) {
    const std::string internal = PlugDevice();
    WriteFile(internal + "MUSIC/song.mp3", "a");
    Start();
    ASSERT_EQ(DeviceRows(), 1);

    harness.volumes.Set({});
    Window().HandleDriveChange(VolumeChange::Removal);
    EXPECT_EQ(Messages(), std::vector<std::string>{LangText("SM_NoeDictionary")});
    EXPECT_EQ(DeviceMusic(), 0u);
    EXPECT_EQ(DeviceRows(), 0);
    EXPECT_EQ(Window().DeviceSide().DevicePath(), kNoDevicePath);
    for (const char* name : {"btnDictRefresh", "btnCompCopy", "sbSync"})
        EXPECT_FALSE(Enabled(name)) << name;
}

TEST_F(DriveChangeTest, AnUnrelatedStickRebuildsWithoutAMessage) {
    const std::string internal = PlugDevice();
    WriteFile(internal + "MUSIC/song.mp3", "a");
    Start();
    const std::string stick = drives.AddPlainDrive("stick");
    WriteFile(stick + "tune.mp3", "a");

    Window().HandleDriveChange(VolumeChange::Arrival);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Window().Devices().DeviceCount(), 1);
    EXPECT_EQ(DeviceRows(), 1);
    EXPECT_TRUE(Enabled("btnDictRefresh"));
    // The computer side was built again: the stick is one of its drives now.
    const TreeView& computerTree = Window().Controls().Get<TreeView>("tvCompTreeView");
    bool stickShown = false;
    for (int node = 0; node < computerTree.NodeCount(); ++node)
        stickShown = stickShown || computerTree.Node(node).caption.rfind("stick (", 0) == 0;
    EXPECT_TRUE(stickShown);
}

TEST_F(DriveChangeTest, ASecondDeviceIsRefusedUntilOneGoes) {
    const std::string first = PlugDevice();
    WriteFile(first + "MUSIC/song.mp3", "a");
    Start();
    PlugDevice("second", "QX-2");

    Window().HandleDriveChange(VolumeChange::Arrival);
    EXPECT_EQ(Messages(), std::vector<std::string>{LangText("SM_eDictionaryOverflow")});
    EXPECT_EQ(Window().Controls().Get<TreeView>("tvDictTreeView").NodeCount(), 0);
    EXPECT_FALSE(Enabled("btnDictRefresh"));
    EXPECT_EQ(DeviceRows(), 0);

    harness.volumes.Set({{first, VolumeType::Removable}});
    harness.ui.messages.Clear();
    Window().HandleDriveChange(VolumeChange::Removal);
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(Enabled("btnDictRefresh"));
    EXPECT_EQ(DeviceRows(), 1);
}

// The volume monitor on a table file tells the window; the two drives of a device that come
// at once are one drive change.
TEST_F(DriveChangeTest, TheVolumeMonitorDrivesTheWindow) {
    Start();
    test::TempDir tableDir;
    const std::string table = tableDir.Path() + "volumes.txt";
    WriteFile(table, "");
    std::vector<VolumeEvent> events;
    std::unique_ptr<VolumeMonitor> monitor = VolumeMonitor::ForTableFile(
        harness.volumes, [&](const VolumeEvent& event) { events.push_back(event); }, table);
    ASSERT_GE(monitor->Fd(), 0);

    const std::string internal = PlugDevice();
    WriteFile(internal + "MUSIC/song.mp3", "a");
    drives.AddDeviceDrive("card", DeviceHeader("QX-1", DriveKind::MemoryCard));
    WriteFile(table, "changed\n");
    pollfd watched{monitor->Fd(), POLLIN, 0};
    ASSERT_EQ(poll(&watched, 1, 5000), 1);
    monitor->Dispatch();
    ASSERT_EQ(events.size(), 2u);

    Window().HandleVolumeEvents(events);
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(Enabled("btnDictRefresh"));
    EXPECT_EQ(Window().DeviceSide().DevicePath(), internal);
    EXPECT_EQ(DeviceRows(), 1);
}

} // namespace
} // namespace zyntra
