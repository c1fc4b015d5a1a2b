#include "storage/password_digest.h"
#include "tests/device/device_link_fixture.h"
#include "tests/support/ui_doubles.h"
#include "texts/lang_text.h"

#include <filesystem>

namespace zyntra {
namespace {

using test::DeviceHeader;
using test::FileExists;
using test::LockedDeviceHeader;
using test::ReadFile;
using test::WriteFile;

constexpr DriveKind kInternal = DriveKind::InternalMemory;
constexpr DriveKind kCard = DriveKind::MemoryCard;

using SyncMarkerTest = test::DeviceLinkTest;

TEST_F(SyncMarkerTest, TheMarkerHoldsTestOnTheInternalMemoryUntilDeleted) {
    const std::string internal = drives_.AddInternalMemory("mem", DeviceHeader("A", kInternal));
    const std::string card = drives_.AddDeviceDrive("card", DeviceHeader("A", kCard));
    const std::string other = drives_.AddInternalMemory("other", DeviceHeader("B", kInternal));
    Link().DiscoverDevices(false);
    ASSERT_EQ(Link().DeviceCount(), 2);

    ASSERT_TRUE(Link().SelectCurrent(1, kInternalMemoryPart));
    Link().WriteSyncMarker();
    ASSERT_TRUE(Link().SelectCurrent(0, kInternalMemoryPart));
    Link().WriteSyncMarker();
    EXPECT_EQ(ReadFile(internal + "_sync.dat"), "test");
    EXPECT_EQ(ReadFile(other + "_sync.dat"), "test");
    EXPECT_FALSE(FileExists(card + "_sync.dat"));

    Link().DeleteSyncMarkers();
    EXPECT_FALSE(FileExists(internal + "_sync.dat"));
    EXPECT_FALSE(FileExists(other + "_sync.dat"));
}

TEST_F(SyncMarkerTest, NoMarkerWithoutInternalMemoryAndFailuresAreIgnored) {
    drives_.AddDeviceDrive("card", DeviceHeader("A", kCard));
    Link().DiscoverDevices(false);
    const bool strayBefore = FileExists("_sync.dat");
    Link().WriteSyncMarker();
    EXPECT_EQ(FileExists("_sync.dat"), strayBefore);

    // A folder where the marker belongs: it can be neither written nor deleted.
    const std::string internal = drives_.AddInternalMemory("mem", DeviceHeader("B", kInternal));
    std::filesystem::create_directory(internal + "_sync.dat");
    volumes_.Set({{internal, VolumeType::Removable}});
    Link().DiscoverDevices(false);
    Link().WriteSyncMarker();
    Link().DeleteSyncMarkers();
    EXPECT_TRUE(std::filesystem::is_directory(internal + "_sync.dat"));
    EXPECT_TRUE(ShownTexts().empty());
}

class PasswordTest : public test::DeviceLinkTest {
protected:
    void SetUp() override {
        root_ = drives_.AddInternalMemory("mem", LockedDeviceHeader("A", kInternal, "open sesame"));
        Link().DiscoverDevices(false);
    }
    ScriptedPasswordDialog& Dialog() { return ui_.passwordDialog; }

    std::string root_;
};

TEST_F(PasswordTest, OnlyTheRightPasswordPasses) {
    Dialog().QueuePassword("open sesame");
    EXPECT_TRUE(Link().CheckDevicePassword(0));
    EXPECT_TRUE(ShownTexts().empty());
    EXPECT_EQ(Link().EnteredPassword(), "open sesame");
    ASSERT_EQ(Dialog().Shown().size(), 1u);
    EXPECT_EQ(Dialog().Shown()[0], (DialogTexts{"Zyntra", LangText("SM_InputPassword"),
                                                LangText("SM_OK"), LangText("SM_CANCEL")}));

    Dialog().QueuePassword("open sesamE");
    EXPECT_FALSE(Link().CheckDevicePassword(0));
    Dialog().QueuePassword("open sesame!");
    EXPECT_FALSE(Link().CheckDevicePassword(1));
    Dialog().QueueCancel();
    EXPECT_FALSE(Link().CheckDevicePassword(1));
    EXPECT_EQ(Link().EnteredPassword(), "");
    EXPECT_EQ(ShownTexts(), (std::vector<std::string>{LangText("SM_PasswordIncorrectSync"),
                                                      LangText("SM_PasswordIncorrectShow"),
                                                      LangText("SM_PasswordIncorrectShow")}));
}

TEST_F(PasswordTest, AnEmptyPasswordNeverPassesEvenAgainstTheDigestOfEmpty) {
    // A device whose stored digest is that of the empty password.
    std::array<unsigned char, kInfoDigestSize> emptyDigest{};
    PasswordDigest("", kPasswordSalt, emptyDigest.data());
    InfoHeader header = LockedDeviceHeader("A", kInternal, "open sesame");
    header.pwdDigest = emptyDigest;
    WriteFile(root_ + kInfoFileName, test::InfoFileBytes(header));
    Link().DiscoverDevices(false);
    ASSERT_EQ(Link().CurrentDevice().pwdDigest(), emptyDigest);

    Dialog().QueuePassword("");
    EXPECT_FALSE(Link().CheckDevicePassword(0));
    Dialog().QueueCancel();
    EXPECT_FALSE(Link().CheckDevicePassword(0));
    EXPECT_EQ(ShownTexts(), (std::vector<std::string>{LangText("SM_PasswordIncorrectSync"),
                                                      LangText("SM_PasswordIncorrectSync")}));
}

TEST_F(PasswordTest, AMatchWithoutADialogFollowsTheSameRule) {
    EXPECT_TRUE(Link().PasswordMatches("open sesame"));
    EXPECT_FALSE(Link().PasswordMatches("open sesame "));
    EXPECT_FALSE(Link().PasswordMatches(""));
    EXPECT_TRUE(Dialog().Shown().empty());
    EXPECT_TRUE(ShownTexts().empty());

    // Against a device whose stored digest is that of the empty password.
    InfoHeader header = LockedDeviceHeader("A", kInternal, "open sesame");
    PasswordDigest("", kPasswordSalt, header.pwdDigest.data());
    WriteFile(root_ + kInfoFileName, test::InfoFileBytes(header));
    Link().DiscoverDevices(false);
    EXPECT_FALSE(Link().PasswordMatches(""));
    EXPECT_FALSE(Link().PasswordMatches("open sesame"));

    // All 32 stored bytes count, the zero padding after the digest too.
    for (std::size_t at : {std::size_t{0}, std::size_t{15}, std::size_t{16}, kInfoDigestSize - 1}) {
        header = LockedDeviceHeader("A", kInternal, "open sesame");
        header.pwdDigest[at] ^= 0x01;
        WriteFile(root_ + kInfoFileName, test::InfoFileBytes(header));
        Link().DiscoverDevices(false);
        EXPECT_FALSE(Link().PasswordMatches("open sesame")) << at;
    }
}

TEST_F(PasswordTest, AuthorityTogglesTheUnmaskedViewOnlyWithTheRightPassword) {
    EXPECT_FALSE(Link().UnlockedView());
    Dialog().QueuePassword("open sesame");
    EXPECT_TRUE(Link().ToggleUnlockedView());
    EXPECT_TRUE(Link().UnlockedView());

    Dialog().QueuePassword("open sesame");
    EXPECT_TRUE(Link().ToggleUnlockedView());
    EXPECT_FALSE(Link().UnlockedView());

    Dialog().QueuePassword("open sesame");
    ASSERT_TRUE(Link().ToggleUnlockedView());
    Dialog().QueuePassword("wrong");
    EXPECT_FALSE(Link().ToggleUnlockedView());
    EXPECT_TRUE(Link().UnlockedView());
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{LangText("SM_PasswordIncorrectShow")});
    EXPECT_EQ(Dialog().Shown().size(), 4u);

    // A device without the lock: nothing is asked, the view stays, also across devices.
    WriteFile(root_ + kInfoFileName, test::InfoFileBytes(DeviceHeader("A", kInternal)));
    Link().DiscoverDevices(false);
    EXPECT_FALSE(Link().ToggleUnlockedView());
    EXPECT_TRUE(Link().UnlockedView());
    EXPECT_EQ(Dialog().Shown().size(), 4u);
}

} // namespace
} // namespace zyntra
