#include "tests/device/device_link_fixture.h"
#include "texts/lang_text.h"

namespace zyntra {
namespace {

using test::DeviceHeader;

constexpr DriveKind kInternal = DriveKind::InternalMemory;
constexpr DriveKind kCard = DriveKind::MemoryCard;

class DeviceTableTest : public test::DeviceLinkTest {
protected:
    // Devices "A" (internal memory and card) and "B" (internal memory).
    void DiscoverTwo() {
        drives_.AddInternalMemory("a", DeviceHeader("A", kInternal));
        drives_.AddDeviceDrive("a-card", DeviceHeader("A", kCard));
        drives_.AddInternalMemory("b", DeviceHeader("B", kInternal));
        Link().DiscoverDevices(false);
        ASSERT_EQ(Link().DeviceCount(), 2);
    }
    std::pair<int, int> Current() { return {Link().CurrentDeviceIndex(), Link().CurrentPart()}; }
};

TEST_F(DeviceTableTest, OnlyARecordInUseAndAKnownPartBecomeCurrent) {
    DiscoverTwo();
    EXPECT_EQ(Current(), (std::pair{0, kInternalMemoryPart}));

    EXPECT_TRUE(Link().SelectCurrent(1, kMemoryCardPart));
    EXPECT_EQ(Current(), (std::pair{1, kMemoryCardPart}));
    EXPECT_EQ(Link().CurrentDevice().ident(), "B");

    for (auto [dev, part] : {std::pair{2, 0}, {-1, 0}, {kMaxDevices, 0}, {0, 2}, {0, -2}})
        EXPECT_FALSE(Link().SelectCurrent(dev, part)) << dev << "/" << part;
    EXPECT_EQ(Current(), (std::pair{1, kMemoryCardPart}));

    EXPECT_TRUE(Link().SelectCurrent(0, -1));
    EXPECT_EQ(Current(), (std::pair{0, -1}));
    EXPECT_EQ(Link().CurrentDevice().ident(), "A");
}

TEST_F(DeviceTableTest, ForgettingEmptiesTheTableAndSelectsTheFirstInternalMemory) {
    DiscoverTwo();
    ASSERT_TRUE(Link().SelectCurrent(1, -1));

    Link().ForgetDevices();
    EXPECT_EQ(Link().DeviceCount(), 0);
    EXPECT_TRUE(Link().Records().empty());
    EXPECT_EQ(Current(), (std::pair{0, kInternalMemoryPart}));
    EXPECT_FALSE(Link().SelectCurrent(0, kInternalMemoryPart));
}

TEST_F(DeviceTableTest, TheDefaultContentCodesGoToTheCurrentRecord) {
    drives_.AddDeviceDrive("card", DeviceHeader("A", kCard));
    Link().DiscoverDevices(false);
    ASSERT_EQ(Link().CurrentDevice().mainClass, "");

    Link().UseDefaultContentCodes();
    EXPECT_EQ(Link().Records()[0].mainClass, "B");
    EXPECT_EQ(Link().Records()[0].subClass, "02");
}

// A link given no window controls: the command line's.
TEST_F(DeviceTableTest, ALinkWithoutAWindowNumbersItsNodesLikeTheWindowAndSwitchesNothing) {
    drives_.AddInternalMemory("a", DeviceHeader("A", kInternal));
    drives_.AddInternalMemory("b", DeviceHeader("B", kInternal));
    // A's card moves B's nodes when it is added.
    drives_.AddDeviceDrive("a-card", DeviceHeader("A", kCard));
    drives_.AddDeviceDrive("b-card", DeviceHeader("B", kCard));
    Link().DiscoverDevices(false);
    Link().SetDeviceControlsEnabled(true);

    DeviceLink headless(ui_.Services(), volumes_);
    const DiscoveryResult result = headless.DiscoverDevices(false);
    EXPECT_FALSE(result.usable);
    ASSERT_EQ(headless.DeviceCount(), 2);
    for (std::size_t dev = 0; dev < 2; ++dev) {
        const DEV_INFO& own = headless.Records()[dev];
        const DEV_INFO& window = Link().Records()[dev];
        EXPECT_EQ((std::vector<int>{own.deviceNode, own.dictNode, own.cardNode}),
                  (std::vector<int>{window.deviceNode, window.dictNode, window.cardNode}));
    }
    EXPECT_EQ(headless.Records()[1].deviceNode, 3);

    // A refused scan empties its own tree and table; the window's stay as they were.
    headless.DiscoverDevices(true);
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{LangText("SM_eDictionaryOverflow")});
    EXPECT_EQ(headless.DeviceCount(), 0);
    EXPECT_EQ(Tree().NodeCount(), 6);
    EXPECT_EQ(Link().DeviceCount(), 2);
    EXPECT_EQ(SwitchedControlsEnabled(), true);
}

} // namespace
} // namespace zyntra
