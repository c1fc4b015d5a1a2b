#include "content/device_folders.h"
#include "content/file_transfer.h"
#include "device/device_link.h"
#include "platform/file_copy.h"
#include "platform/file_operation.h"
#include "tests/support/device_fixture.h"
#include "tests/support/program_folder_fixture.h"
#include "tests/support/temp_dir.h"
#include "tests/support/ui_doubles.h"
#include "tests/unplug/pulled_drive.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace zyntra {
namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t kBigFile = std::uint64_t{512} << 20;

// The file operation with a progress display that pulls the device out once a file is copied
// up to a given point; every other question is answered as the headless operation does.
class PullingFileOperation : public FileOperation, private FileOperationUi {
public:
    explicit PullingFileOperation(test::PulledDrive& drive) : drive_(drive) {}

    FileOpResult Run(const FileOpRequest& request) override {
        return RunFileOperation(request, *this);
    }

    std::optional<std::uint64_t> pullAt; // bytes copied of the file
    std::vector<FileOpError> errors;

private:
    ClashAnswer AskClash(const std::string&, const std::string&) override {
        return ClashAnswer::ReplaceAll;
    }
    bool ConfirmDelete(const std::vector<std::string>&) override { return true; }
    bool Progress(std::size_t, std::uint64_t done, std::uint64_t) override {
        if (pullAt && done >= *pullAt)
            drive_.Pull();
        return true;
    }
    ErrorAnswer AskError(const FileOpError& error) override {
        errors.push_back(error);
        return ErrorAnswer::Skip;
    }

    test::PulledDrive& drive_;
};

// A 512 MB music file copied to the device, which is pulled out half-way. The source is sparse,
// so only the copy takes room on the disk.
class TransferUnplugTest : public test::ProgramFolderTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(link_.DiscoverDevices(false).usable);
        link_.PrepareDeviceStorage();
        test::WriteFile(computer_.Path() + "big.mp3", "");
        fs::resize_file(computer_.Path() + "big.mp3", kBigFile);
        test::WriteFile(computer_.Path() + "small.mp3", "a short song");
    }

    TransferReport Send(const std::string& name) {
        TransferRequest request;
        request.device = StorageOfCurrentDevice(link_, false);
        request.files.push_back({computer_.Path() + name, ContentCategory::Mp3Music, {}, {}});
        return FileTransfer(operations_, link_, ui_.messages).Run(request);
    }

    std::string MusicFolder() {
        TransferRequest request;
        request.device = StorageOfCurrentDevice(link_, false);
        return FileTransfer::TargetFolder(request, {"x.mp3", ContentCategory::Mp3Music, {}, {}});
    }

    // Names in the folder that a listing shows, and the temporary copies it passes over.
    static std::pair<std::vector<std::string>, int> Listing(const std::string& folder) {
        std::pair<std::vector<std::string>, int> found{{}, 0};
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            const std::string name = entry.path().filename().string();
            if (IsTemporaryCopyName(name))
                ++found.second;
            else
                found.first.push_back(name);
        }
        return found;
    }

    HeadlessUiServices ui_;
    MemoryVolumes volumes_;
    test::FixtureDrives drives_{volumes_};
    std::string internal_ =
        drives_.AddInternalMemory("internal", test::DeviceHeader("T1", DriveKind::InternalMemory));
    test::PulledDrive drive_{volumes_, internal_};
    DeviceLink link_{ui_.Services(), volumes_};
    PullingFileOperation operations_{drive_};
    test::TempDir computer_;
};

TEST_F(TransferUnplugTest, PulledOutHalfWayTheFileFailsAndNoHalfFileTakesItsName) {
    const std::string folder = MusicFolder();
    ASSERT_FALSE(folder.empty());
    const auto databases = test::DatabaseFiles(internal_);

    operations_.pullAt = kBigFile / 2;
    const TransferReport report = Send("big.mp3");
    ASSERT_TRUE(drive_.Pulled());
    ASSERT_EQ(report.outcomes, std::vector<TransferOutcome>{TransferOutcome::Failed});
    EXPECT_FALSE(report.AllDone());
    EXPECT_EQ(operations_.errors.size(), 1u);
    EXPECT_TRUE(test::FileExists(computer_.Path() + "big.mp3"));

    // The device is gone: the program notices and keeps going.
    EXPECT_FALSE(link_.DiscoverDevices(false).usable);

    drive_.PlugIn();
    ASSERT_TRUE(link_.DiscoverDevices(false).usable);
    EXPECT_THAT(test::Inconsistencies(internal_, databases), ::testing::IsEmpty());
    EXPECT_THAT(test::ChangedDatabases(internal_, databases), ::testing::IsEmpty());
    const auto [names, temporaries] = Listing(folder);
    EXPECT_EQ(names, std::vector<std::string>{}) << "no file under its own name";
    // The copy could not be removed while the device was out; it stays hidden.
    RecordProperty("temporary_copies_left", temporaries);

    operations_.pullAt.reset();
    EXPECT_TRUE(Send("small.mp3").AllDone());
    EXPECT_EQ(test::ReadFile(folder + "small.mp3"), "a short song");
    EXPECT_FALSE(test::FileExists(internal_ + "_sync.dat"));
}

} // namespace
} // namespace zyntra
