#include "storage/database_copy.h"
#include "storage/database_files.h"
#include "tests/personal/engine_fixture.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zyntra {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;

// Something happens to the device while a run writes: once PIM.db has been read into its scratch
// copy, before any record is written, a test's action runs.
class SwappedDeviceTest : public test::PersonalEngineTest {
protected:
    ~SwappedDeviceTest() override { SetCopyFaultHook({}); }

    void OncePimIsRead(std::function<void()> action) {
        SetCopyFaultHook(
            [this, action = std::move(action), done = false](const std::string& target) mutable {
                if (target == ScratchCopyPath(1) && !done) {
                    done = true;
                    action();
                }
                return true;
            });
    }

    // Another device, with a contact of its own, mounted where this one was.
    void PlugInAnotherDevice() {
        fs::rename(device_.root, deviceDir_.Path() + "first-device");
        test::WriteDeviceDatabases(device_.root);
        test::InsertAddress(DevicePath(1), {.id = 1, .name = "Other's contact"});
        device_.identOnMedium = "QX740-OTHER-0002";
        otherPim_ = ReadFile(DevicePath(1));
    }

    static bool NamesChanged(const RunReport& report, const std::string& file) {
        for (const FailedFile& failed : report.failedFiles)
            if (failed.file == file && failed.failure == FileFailure::Changed)
                return true;
        return false;
    }

    std::string otherPim_;
};

TEST_F(SwappedDeviceTest, AnotherDevicePluggedInMidSyncIsLeftAloneAndMemoryKept) {
    AddAddress("Ann");
    OncePimIsRead([this] { PlugInAnotherDevice(); });

    const RunReport report = Sync();

    EXPECT_FALSE(report.Succeeded());
    EXPECT_TRUE(NamesChanged(report, "Secretary/PIM.db"));
    EXPECT_TRUE(ReadFile(DevicePath(1)) == otherPim_);
    // Nothing more is written, and the other device's records are not loaded over Ann.
    EXPECT_FALSE(test::FileExists(DevicePath(1) + ".part"));
    ASSERT_EQ(Lists().AddrList.size(), 1u);
    EXPECT_EQ(Lists().AddrList[0]->name, "Ann");
}

TEST_F(SwappedDeviceTest, AFileRewrittenByAnotherProgramMidSyncIsNotReplaced) {
    AddAddress("Ann");
    std::string rewritten;
    OncePimIsRead([&] {
        test::InsertAddress(DevicePath(1), {.id = 7, .name = "Written meanwhile"});
        rewritten = ReadFile(DevicePath(1));
    });

    const RunReport report = Sync();

    EXPECT_FALSE(report.Succeeded());
    EXPECT_TRUE(NamesChanged(report, "Secretary/PIM.db"));
    EXPECT_TRUE(ReadFile(DevicePath(1)) == rewritten);
}

TEST_F(SwappedDeviceTest, AnUndoDoesNotWriteASnapshotOntoADeviceSwappedMeanwhile) {
    AddAddress("Ann");
    ASSERT_TRUE(Sync().Succeeded());
    const std::optional<Snapshot> snapshot = NewestSnapshotOf(device_.ident);
    ASSERT_TRUE(snapshot);
    SetCopyFaultHook([this](const std::string&) {
        device_.identOnMedium = "QX740-OTHER-0002";
        return true;
    });
    const std::string before = ReadFile(DevicePath(1));

    SnapshotRestore result = SnapshotRestore::Done;
    engine_.UndoSync(snapshot->id, result);

    EXPECT_EQ(result, SnapshotRestore::OtherDevice);
    EXPECT_TRUE(ReadFile(DevicePath(1)) == before);
}

} // namespace
} // namespace zyntra
