#include "content/file_transfer.h"
#include "device/device_link.h"
#include "platform/file_copy.h"
#include "platform/volumes.h"
#include "tests/support/file_operation_double.h"
#include "tests/support/file_step_faults.h"
#include "tests/support/program_folder_fixture.h"
#include "tests/support/temp_dir.h"
#include "tests/support/ui_doubles.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>

namespace zyntra {
namespace {

using test::FileTree;

FILE_INFO Folder(const char* name) {
    FILE_INFO row;
    row.hw_name = name;
    return row;
}

// What the runs of one transfer came to, over every step that could fail.
struct FaultTally {
    int points = 0;      // steps made to fail, one run each
    int damaged = 0;     // files lost, or half-written under their own name
    int toldSuccess = 0; // runs that met their fault, reported every file done, and were not
    int leftovers = 0;   // temporary copies left beside their target by a failed step
};

// Pastes and moves a few files onto a device's internal memory, making every write, flush,
// rename, copy and delete of the file layer fail in turn, one per run, each from the same
// files. After each run: every file stands complete under its own name (in its source folder,
// on the device, or both) or as it was; a target that stood there before is the old file or
// the new one; a run that reports every file done ended as the clean run did.
class TransferFaultsTest : public test::ProgramFolderTest {
protected:
    void SetUp() override {
        for (const char* name : {"MUSIC", "VIDEO", "FLASH", "PICTURE", "RECORD", "TEXT"})
            index_.push_back(Folder(name));
        index_.insert(index_.begin(), Folder("qx740"));
        // More than one chunk, so that its copy takes several writes.
        test::WriteFile(from_.Path() + "novel.txt", std::string(2 * 1024 * 1024 + 7, 'n'));
        test::WriteFile(from_.Path() + "notes.txt", "new notes");
        test::WriteFile(from_.Path() + "song.mp3", std::string(5000, 's'));
        test::WriteFile(from_.Path() + "song.lrc", "[00:01] la");
        // Replaced by the paste: it must never be lost or cut.
        test::WriteFile(device_.Path() + "TEXT/notes.txt", "old notes on the device");
        operations_.policy.onClash = FileOperationPolicy::OnClash::Replace;
    }

    TransferReport Send(bool move) {
        TransferRequest request;
        request.direction = TransferDirection::ToDevice;
        request.move = move;
        request.device = DeviceStorageView{device_.Path(), false, index_};
        for (const char* name : {"novel.txt", "notes.txt", "song.mp3"}) {
            const std::string path = from_.Path() + name;
            request.files.push_back(
                {path, CategoryOfExtension(LowerExtension(name)).value(), {}, {}});
        }
        return FileTransfer(operations_, link_, ui_.messages).Run(request);
    }

    std::vector<std::string> Roots() const { return {from_.Path(), device_.Path()}; }

    static std::string Target(const std::string& name) {
        return name.ends_with(".txt") ? "TEXT/" + name : "MUSIC/" + name;
    }

    // 1 when the file is lost or cut under its own name.
    int CheckFile(const std::string& name, bool move, const FileTree& before, const FileTree& after,
                  const std::string& where) const {
        const std::string& whole = *before.Find(from_.Path() + name);
        const std::string* source = after.Find(from_.Path() + name);
        const std::string* target = after.Find(device_.Path() + Target(name));
        const std::string* old = before.Find(device_.Path() + Target(name));
        const bool sourceWhole = source != nullptr && *source == whole;
        const bool targetWhole = target != nullptr && *target == whole;
        const bool targetSound = target == nullptr || targetWhole || (old && *target == *old);
        EXPECT_TRUE(targetSound) << Target(name) << " is cut at " << where;
        EXPECT_TRUE(move ? sourceWhole || targetWhole : sourceWhole)
            << name << " lost at " << where;
        EXPECT_TRUE(old == nullptr || target != nullptr) << Target(name) << " lost at " << where;
        const bool sound = targetSound && (move ? sourceWhole || targetWhole : sourceWhole) &&
                           (old == nullptr || target != nullptr);
        return sound ? 0 : 1;
    }

    int Leftovers(const FileTree& after) const {
        int count = 0;
        for (const auto& [path, bytes] : after.files)
            count += IsTemporaryCopyName(std::filesystem::path(path).filename().string()) ? 1 : 0;
        return count;
    }

    FaultTally TryEveryStep(const std::string& what, bool move) {
        const FileTree before = test::ReadTree(Roots());
        int steps = 0;
        {
            test::FileStepFaults counter;
            EXPECT_TRUE(Send(move).AllDone()) << what << " without a fault";
            steps = counter.Steps();
        }
        const FileTree clean = test::ReadTree(Roots());
        FaultTally tally;
        for (int failing = 1; failing <= steps; ++failing) {
            test::PutBackTree(Roots(), before);
            test::FileStepFaults faults(failing);
            const TransferReport report = Send(move);
            SetFileFaultHook({});
            EXPECT_TRUE(faults.Met()) << what << " took fewer steps than its clean run";
            const std::string where =
                what + " fault " + std::to_string(failing) + " (" + faults.FailedStep() + ")";
            const FileTree after = test::ReadTree(Roots());
            ++tally.points;
            for (const char* name : {"novel.txt", "notes.txt", "song.mp3", "song.lrc"})
                tally.damaged += CheckFile(name, move, before, after, where);
            tally.leftovers += Leftovers(after);
            const bool asClean = after.files == clean.files;
            tally.toldSuccess += report.AllDone() && !asClean ? 1 : 0;
            EXPECT_FALSE(report.AllDone() && !asClean) << where << ": every file said done";
        }
        test::PutBackTree(Roots(), before);
        RecordProperty(what + "_fault_points", tally.points);
        RecordProperty(what + "_damaged_files", tally.damaged);
        std::cout << what << ": " << tally.points << " fault points, " << tally.damaged
                  << " damaged files, " << tally.toldSuccess << " false successes, "
                  << tally.leftovers << " temporary copies left\n";
        return tally;
    }

    HeadlessUiServices ui_;
    MemoryVolumes volumes_;
    DeviceLink link_{ui_.Services(), volumes_};
    RecordingFileOperation operations_;
    test::TempDir from_;
    test::TempDir device_;
    std::vector<FILE_INFO> index_;
};

TEST_F(TransferFaultsTest, APasteThatFailsAtAnyStepLeavesEveryFileWholeAndSaysSo) {
    const FaultTally paste = TryEveryStep("paste", false);
    EXPECT_GT(paste.points, 10);
    EXPECT_EQ(paste.damaged, 0);
    EXPECT_EQ(paste.toldSuccess, 0);
}

TEST_F(TransferFaultsTest, AMoveThatFailsAtAnyStepLosesNoFileAndSaysSo) {
    const FaultTally move = TryEveryStep("move", true);
    EXPECT_GT(move.points, 10);
    EXPECT_EQ(move.damaged, 0);
    EXPECT_EQ(move.toldSuccess, 0);
}

// A delete that fails leaves the file whole, and the result names it.
TEST(DeleteFaults, AFailedDeleteKeepsTheFileAndIsReported) {
    test::TempDir dir;
    const std::vector<std::string> paths{dir.Path() + "a.txt", dir.Path() + "b.txt"};
    for (const std::string& path : paths)
        test::WriteFile(path, "kept " + path);
    for (int failing = 1; failing <= 2; ++failing) {
        test::FileStepFaults faults(failing);
        const FileOpResult result =
            HeadlessFileOperation().Run({FileOpKind::Delete, paths, "", "", {}});
        SetFileFaultHook({});
        const std::string& kept = paths[failing - 1];
        ASSERT_EQ(result.errors.size(), 1u) << "fault " << failing;
        EXPECT_EQ(result.errors[0].path, kept);
        EXPECT_EQ(result.done, 1u);
        EXPECT_EQ(test::ReadFile(kept), "kept " + kept);
        EXPECT_FALSE(test::FileExists(paths[2 - failing]));
        test::WriteFile(paths[2 - failing], "kept " + paths[2 - failing]);
    }
}

} // namespace
} // namespace zyntra
