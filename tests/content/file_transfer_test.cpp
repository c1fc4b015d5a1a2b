#include "content/file_transfer.h"
#include "device/device_link.h"
#include "platform/volumes.h"
#include "tests/support/file_operation_double.h"
#include "tests/support/program_folder_fixture.h"
#include "tests/support/temp_dir.h"
#include "tests/support/ui_doubles.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zyntra {
namespace {

using test::FileExists;
using test::ReadFile;
using test::WriteFile;

// The engine on its own, sending files between two plain folders: what it reports for each
// file is what the callers mark rows and set exit codes by.
class FileTransferTest : public test::ProgramFolderTest {
protected:
    TransferReport Send(std::vector<std::string> names, bool move) {
        TransferRequest request;
        request.direction = TransferDirection::ToComputer;
        request.move = move;
        request.computerFolder = to_.Path();
        for (const std::string& name : names) {
            const std::string path = from_.Path() + name;
            request.files.push_back(
                {path, CategoryOfExtension(LowerExtension(name)).value(), {}, {}});
        }
        return FileTransfer(operations_, link_, ui_.messages).Run(request);
    }

    HeadlessUiServices ui_;
    MemoryVolumes volumes_;
    DeviceLink link_{ui_.Services(), volumes_};
    RecordingFileOperation operations_;
    test::TempDir from_;
    test::TempDir to_;
};

TEST_F(FileTransferTest, EachFileSaysWhetherItArrivedWasKeptOutOrWasNotReached) {
    for (const char* name : {"a.txt", "b.txt", "c.mp3", "c.lrc", "d.txt"})
        WriteFile(from_.Path() + name, name);
    WriteFile(to_.Path() + "b.txt", "already here");
    operations_.policy.cancelAfterFiles = 4; // a.txt, b.txt, c.mp3, c.lrc; not d.txt

    TransferReport report = Send({"a.txt", "b.txt", "c.mp3", "d.txt", "gone.txt"}, true);

    EXPECT_EQ(report.outcomes,
              (std::vector<TransferOutcome>{TransferOutcome::Done, TransferOutcome::Skipped,
                                            TransferOutcome::Done, TransferOutcome::NotReached,
                                            TransferOutcome::NotReached}));
    ASSERT_EQ(operations_.requests.size(), 1u);
    EXPECT_EQ(operations_.requests[0].sources.size(), 6u); // the lyrics right after their song
    EXPECT_EQ(operations_.requests[0].sources[3], from_.Path() + "c.lrc");
    EXPECT_EQ(ReadFile(to_.Path() + "c.lrc"), "c.lrc");
    EXPECT_FALSE(FileExists(from_.Path() + "c.lrc"));
    EXPECT_TRUE(FileExists(from_.Path() + "d.txt"));
    EXPECT_FALSE(report.AllDone());

    // Without a cancel, a kept clash is skipped and a missing file failed.
    operations_.policy.cancelAfterFiles.reset();
    report = Send({"b.txt", "gone.txt", "d.txt"}, false);
    EXPECT_EQ(report.outcomes,
              (std::vector<TransferOutcome>{TransferOutcome::Skipped, TransferOutcome::Failed,
                                            TransferOutcome::Done}));
    EXPECT_EQ(ReadFile(to_.Path() + "b.txt"), "already here");
    EXPECT_EQ(report.problems.size(), 2u);
}

TEST_F(FileTransferTest, LyricsThatStayBehindKeepTheRunFromBeingAllDone) {
    WriteFile(from_.Path() + "c.mp3", "song");
    WriteFile(from_.Path() + "c.lrc", "lyrics");
    std::filesystem::create_directories(to_.Path() + "c.lrc"); // in the lyrics' way

    const TransferReport report = Send({"c.mp3"}, true);
    EXPECT_EQ(report.outcomes, std::vector<TransferOutcome>{TransferOutcome::Done});
    EXPECT_EQ(report.companionsFailed, 1);
    EXPECT_FALSE(report.AllDone());
    EXPECT_EQ(ReadFile(from_.Path() + "c.lrc"), "lyrics");
}

TEST_F(FileTransferTest, AFolderThatIsNotAbsoluteTakesNothing) {
    WriteFile(from_.Path() + "a.txt", "a");
    TransferRequest request;
    request.direction = TransferDirection::ToComputer;
    request.computerFolder = "0";
    request.files.push_back({from_.Path() + "a.txt", ContentCategory::Writer, {}, {}});
    TransferReport report = FileTransfer(operations_, link_, ui_.messages).Run(request);
    EXPECT_EQ(report.outcomes, std::vector<TransferOutcome>{TransferOutcome::Refused});
    EXPECT_TRUE(operations_.requests.empty());
}

} // namespace
} // namespace zyntra
