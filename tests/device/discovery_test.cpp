#include "tests/device/device_link_fixture.h"
#include "texts/lang_text.h"

#include <filesystem>

namespace zyntra {
namespace {

using test::DeviceHeader;
using test::FileExists;
using test::InfoFileBytes;
using test::LockedDeviceHeader;
using test::WriteFile;

constexpr DriveKind kInternal = DriveKind::InternalMemory;
constexpr DriveKind kCard = DriveKind::MemoryCard;

class DriveOrderTest : public test::DeviceLinkTest, public ::testing::WithParamInterface<bool> {};

TEST_P(DriveOrderTest, InternalMemoryAndCardMakeOneUsableDevice) {
    const bool cardFirst = GetParam();
    drives_.AddPlainDrive("stick");
    std::string internal, card;
    if (cardFirst)
        card = drives_.AddDeviceDrive("card", DeviceHeader("QX-1", kCard));
    internal = drives_.AddInternalMemory("internal", LockedDeviceHeader("QX-1", kInternal, "pw"));
    if (!cardFirst)
        card = drives_.AddDeviceDrive("card", DeviceHeader("QX-1", kCard));
    WriteFile(internal + "_sync.dat", "test");
    Get<Control>("btnCompDelete").SetEnabled(false);

    DiscoveryResult result = Link().DiscoverDevices(true);

    EXPECT_TRUE(ShownTexts().empty());
    ASSERT_EQ(Link().DeviceCount(), 1);
    const DEV_INFO& device = Link().Records()[0];
    EXPECT_EQ(device.rootPath[0], internal);
    EXPECT_EQ(device.rootPath[1], card);
    EXPECT_EQ(TreeShape(),
              (std::vector<std::string>{"QX740  (QX-1)/0/0", LangText("SM_MyDict") + "/1/1",
                                        LangText("SM_MySDCard") + "/2/1"}));
    EXPECT_EQ(device.deviceNode, 0);
    EXPECT_EQ(device.dictNode, 1);
    EXPECT_EQ(device.cardNode, 2);
    EXPECT_EQ(Tree().Selected(), 1);
    EXPECT_TRUE(Tree().IsExpanded(0));
    EXPECT_EQ(SwitchedControlsEnabled(), true);
    EXPECT_TRUE(EnabledOnlyGroupEnabled());

    // The databases were prepared when the internal memory was reached.
    EXPECT_EQ(Link().ContentIndex(0).size(), 17u);
    EXPECT_EQ(device.mainClass, "B");
    EXPECT_EQ(device.subClass, "02");
    // Only a device registered through its internal memory clears its marker.
    EXPECT_EQ(FileExists(internal + "_sync.dat"), cardFirst);

    EXPECT_TRUE(result.usable);
    ASSERT_EQ(result.devices.size(), 1u);
    EXPECT_EQ(result.devices[0].model, "QX740");
    EXPECT_EQ(result.devices[0].ident, "QX-1");
    EXPECT_EQ(result.devices[0].internalRoot, internal);
    EXPECT_EQ(result.devices[0].cardRoot, card);
    // The record keeps the header of the drive seen first; both carry the lock.
    EXPECT_EQ(result.devices[0].locked, !cardFirst);
    EXPECT_EQ(result.devices[0].mainClass, "B");
}

INSTANTIATE_TEST_SUITE_P(BothOrders, DriveOrderTest, ::testing::Bool());

using DiscoveryTest = test::DeviceLinkTest;

TEST_F(DiscoveryTest, ACardAloneIsNotUsable) {
    const std::string card = drives_.AddDeviceDrive("card", DeviceHeader("QX-1", kCard));
    DiscoveryResult result = Link().DiscoverDevices(true);

    EXPECT_EQ(ShownTexts(), std::vector<std::string>{LangText("SM_NoeDictionary")});
    EXPECT_FALSE(result.usable);
    EXPECT_EQ(Link().DeviceCount(), 1);
    EXPECT_EQ(Link().Records()[0].rootPath[0], "");
    EXPECT_EQ(TreeShape().size(), 3u);
    // The internal-memory node exists also without its drive; the card is the node after it.
    EXPECT_EQ(Link().Records()[0].dictNode, 1);
    EXPECT_EQ(Link().Records()[0].cardNode, 2);
    EXPECT_EQ(SwitchedControlsEnabled(), false);
    EXPECT_TRUE(EnabledOnlyGroupEnabled());
    EXPECT_FALSE(FileExists(card + "Secretary"));

    ui_.messages.Clear();
    Link().DiscoverDevices(false);
    EXPECT_TRUE(ShownTexts().empty());
    EXPECT_EQ(Link().DeviceCount(), 1);
}

TEST_F(DiscoveryTest, DrivesThatAreNoDeviceDrivesAreSkipped) {
    InfoHeader lower = DeviceHeader("QX-1", kInternal);
    lower.model = "qx740";
    drives_.AddDeviceDrive("lower", lower);
    drives_.AddDeviceDrive("kind2", DeviceHeader("QX-2", static_cast<DriveKind>(2)));
    const std::string fixed = drives_.AddPlainDrive("fixed", VolumeType::Fixed);
    WriteFile(fixed + "_info.dat", InfoFileBytes(DeviceHeader("QX-3", kInternal)));
    const std::string gone = drives_.AddDeviceDrive("gone", DeviceHeader("QX-4", kInternal));
    volumes_.SetReadable(gone, false);
    const std::string folder = drives_.AddPlainDrive("folder");
    std::filesystem::create_directory(folder + "_info.dat");
    drives_.AddPlainDrive("plain");

    Link().DiscoverDevices(true);
    EXPECT_EQ(Link().DeviceCount(), 0);
    EXPECT_EQ(Tree().NodeCount(), 0);
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{LangText("SM_NoeDictionary")});
    EXPECT_EQ(SwitchedControlsEnabled(), false);
}

TEST_F(DiscoveryTest, AShortInfoFileIsReadIntoAZeroFilledHeader) {
    drives_.AddInternalMemory("full", LockedDeviceHeader("FULL", kInternal, "secret"));
    // Model and ident only: the drive kind, lock and digest lie beyond the end.
    drives_.AddDriveWithInfoBytes("short", InfoFileBytes(DeviceHeader("SHORT", kInternal), 100));

    Link().DiscoverDevices(false);
    ASSERT_EQ(Link().DeviceCount(), 2);
    const DEV_INFO& shortOne = Link().Records()[1];
    EXPECT_EQ(shortOne.ident(), "SHORT");
    EXPECT_EQ(shortOne.driveKind(), 0);
    EXPECT_EQ(shortOne.lockFlags(), 0);
    EXPECT_EQ(shortOne.pwdDigest(), (std::array<unsigned char, kInfoDigestSize>{}));
    EXPECT_TRUE(Link().Records()[0].Locked());
}

TEST_F(DiscoveryTest, TwoDevicesAreRefusedAndTheirNodesFollowTheTree) {
    drives_.AddInternalMemory("a", DeviceHeader("A", kInternal));
    drives_.AddInternalMemory("b", DeviceHeader("B", kInternal));
    // A's card goes in before B's nodes and moves them.
    drives_.AddDeviceDrive("a-card", DeviceHeader("A", kCard));
    drives_.AddDeviceDrive("b-card", DeviceHeader("B", kCard));

    DiscoveryResult result = Link().DiscoverDevices(false);
    EXPECT_TRUE(ShownTexts().empty());
    EXPECT_FALSE(result.usable);
    ASSERT_EQ(Link().DeviceCount(), 2);
    EXPECT_EQ(TreeShape(), (std::vector<std::string>{
                               "QX740  (A)/0/0", LangText("SM_MyDict") + "/1/1",
                               LangText("SM_MySDCard") + "/2/1", "QX740  (B)/0/0",
                               LangText("SM_MyDict") + "/1/1", LangText("SM_MySDCard") + "/2/1"}));
    const DEV_INFO& a = Link().Records()[0];
    const DEV_INFO& b = Link().Records()[1];
    EXPECT_EQ((std::vector<int>{a.deviceNode, a.dictNode, a.cardNode}),
              (std::vector<int>{0, 1, 2}));
    EXPECT_EQ((std::vector<int>{b.deviceNode, b.dictNode, b.cardNode}),
              (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(SwitchedControlsEnabled(), false);

    Link().DiscoverDevices(true);
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{LangText("SM_eDictionaryOverflow")});
    EXPECT_EQ(Link().DeviceCount(), 0);
    EXPECT_EQ(Tree().NodeCount(), 0);
    EXPECT_EQ(SwitchedControlsEnabled(), false);
}

TEST_F(DiscoveryTest, ASixthDeviceDoesNotOverrunTheTable) {
    std::vector<std::string> roots;
    for (int i = 0; i < 6; ++i)
        roots.push_back(drives_.AddDeviceDrive("d" + std::to_string(i),
                                               DeviceHeader("ID" + std::to_string(i), kInternal)));
    drives_.AddDeviceDrive("d5-card", DeviceHeader("ID5", kCard));

    DiscoveryResult result = Link().DiscoverDevices(false);
    EXPECT_FALSE(result.usable);
    ASSERT_EQ(Link().DeviceCount(), kMaxDevices);
    EXPECT_EQ(result.devices.size(), 5u);
    EXPECT_EQ(Tree().NodeCount(), 10);
    for (const DEV_INFO& device : Link().Records()) {
        EXPECT_NE(device.rootPath[0], roots[5]);
        EXPECT_EQ(device.rootPath[1], "");
    }
    EXPECT_EQ(Link().Records()[4].deviceNode, 8);

    Link().DiscoverDevices(true);
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{LangText("SM_eDictionaryOverflow")});
    EXPECT_EQ(Link().DeviceCount(), 0);
}

} // namespace
} // namespace zyntra
