#include "personal/device_snapshots.h"
#include "storage/database_files.h"
#include "tests/personal/engine_fixture.h"
#include "tests/support/file_step_faults.h"

#include <functional>
#include <gtest/gtest.h>
#include <iostream>

namespace zyntra {
namespace {

using test::FileTree;

// The same records, whatever time the writers stamped them with.
bool SameRecords(const std::string* a, const std::string* b) {
    if (a == nullptr || b == nullptr)
        return a == b;
    return *a == *b || test::DatabaseRows(*a) == test::DatabaseRows(*b);
}

// What the runs of one operation came to, over every step that could fail.
struct FaultTally {
    int points = 0;      // steps made to fail, one run each
    int damaged = 0;     // database files lost, not whole, or a backup set of two ages
    int toldSuccess = 0; // runs that met their fault, called themselves a success, and were not
    int harmless = 0;    // a failed step that changed nothing of the outcome (a leftover name)
    int mixed = 0;       // working copies left whole, with neither their old nor new records
};

// Makes every write, flush, rename, copy and delete of the file layer fail in turn, one per
// run, each run starting from the same files and memory. After each: a device, working,
// backup or snapshot database is as before, as a clean run leaves it, or at least whole, and
// none is lost; a run that reports success ended as the clean run did.
class FileFaultsTest : public test::PersonalEngineTest {
protected:
    void SetUp() override {
        FillMemory();
        grid_ = Lists().classGrid;
        times_ = Lists().classTimes;
    }

    void FillMemory() {
        AddAddress("Ann", "ann@example.org");
        AddAddress("Bob", "bob@example.org");
        AddSchedule("2024/04/01", "09:00", "Dentist");
        AddToDo("2024/04/02", "Buy milk");
        AddECEntry("apple", "n.", "fruit");
        AddCEEntry("shui", "n.", "water");
    }

    // The backup in place holds other records than the one each run makes.
    void BackUpOtherRecords() {
        Lists().ResetAllLists();
        AddAddress("Zed");
        ASSERT_TRUE(engine_.Backup().Succeeded());
    }

    // A run changes memory (a sync loads the device back); each starts from the same records.
    void ResetMemory() {
        Lists().ResetAllLists();
        Lists().classGrid = grid_;
        Lists().classTimes = times_;
        FillMemory();
    }

    std::vector<std::string> Roots() const { return {device_.root, folder_.Path()}; }

    std::vector<std::string> SlotFiles(std::string (*path)(int)) const {
        std::vector<std::string> files;
        for (int slot = 1; slot <= kDatabaseSlotCount; ++slot)
            files.push_back(path(slot));
        return files;
    }

    std::vector<std::string> DeviceFiles() const {
        std::vector<std::string> files;
        for (int slot = 1; slot <= kDatabaseSlotCount; ++slot)
            files.push_back(DevicePath(slot));
        return files;
    }

    // Every database file whose fate a run decides.
    std::vector<std::string> WatchedFiles() const {
        std::vector<std::string> files = DeviceFiles();
        for (auto path : {&WorkingCopyPath, &BackupPath})
            for (const std::string& file : SlotFiles(path))
                files.push_back(file);
        return files;
    }

    static bool IsWorkingCopy(const std::string& file) {
        for (int slot = 1; slot <= kDatabaseSlotCount; ++slot)
            if (file == WorkingCopyPath(slot))
                return true;
        return false;
    }

    // 1 when the file is lost or not a whole database, or, outside the working copies, holds
    // neither its old nor its clean run's records; a whole one that does is counted in mixed_.
    int CheckFile(const std::string& file, const FileTree& before, const FileTree& clean,
                  const FileTree& after, const std::string& where) {
        const std::string* now = after.Find(file);
        const std::string* old = before.Find(file);
        if (now == nullptr) {
            EXPECT_EQ(old, nullptr) << file << " lost at " << where;
            return old == nullptr ? 0 : 1;
        }
        if ((old != nullptr && SameRecords(now, old)) || SameRecords(now, clean.Find(file)))
            return 0;
        const std::string check = test::IntegrityOf(*now);
        EXPECT_EQ(check, "ok") << file << " at " << where;
        if (check != "ok")
            return 1;
        // The working copies are the runs' own workspace: a backup resets them from the
        // templates before it fills them, and may stop in between. Any other file is one of
        // its two ages.
        const bool workspace = IsWorkingCopy(file);
        EXPECT_TRUE(workspace) << file << " holds neither its old nor its new records at " << where;
        ++mixed_;
        return workspace ? 0 : 1;
    }

    // The backups are replaced together: all of one age.
    static int CheckBackupSet(const FileTree& before, const FileTree& clean, const FileTree& after,
                              const std::string& where) {
        bool anyOld = false;
        bool anyNew = false;
        for (int slot = 1; slot <= kDatabaseSlotCount; ++slot) {
            const std::string* now = after.Find(BackupPath(slot));
            const std::string* old = before.Find(BackupPath(slot));
            const std::string* done = clean.Find(BackupPath(slot));
            if (now == nullptr || old == nullptr || done == nullptr || SameRecords(old, done))
                continue;
            anyOld |= SameRecords(now, old);
            anyNew |= SameRecords(now, done);
        }
        EXPECT_FALSE(anyOld && anyNew) << "a backup of two ages at " << where;
        return anyOld && anyNew ? 1 : 0;
    }

    // A snapshot that lists is whole: an old one unchanged, a new one the device as it was.
    int CheckSnapshots(const FileTree& before, const std::string& where) const {
        int damaged = 0;
        for (const Snapshot& snapshot : ListSnapshots()) {
            const std::string folder = SnapshotsFolder() + snapshot.id + "/";
            const bool isOld = before.folders.contains(SnapshotsFolder() + snapshot.id);
            for (int slot = 1; slot <= kDatabaseSlotCount; ++slot) {
                const std::string name = GetDatabaseSlot(slot).deviceFileName;
                const std::string* expected = before.Find(isOld ? folder + name : DevicePath(slot));
                const bool held = test::FileExists(folder + name);
                const bool same =
                    expected != nullptr && held && test::ReadFile(folder + name) == *expected;
                EXPECT_TRUE(expected == nullptr ? !held : same) << folder + name << " at " << where;
                damaged += (expected == nullptr ? !held : same) ? 0 : 1;
            }
        }
        return damaged;
    }

    // The first watched file whose bytes differ between the two; "" when none does.
    std::string FirstDifference(const FileTree& a, const FileTree& b) const {
        for (const std::string& file : WatchedFiles()) {
            if (!SameRecords(a.Find(file), b.Find(file)))
                return file;
        }
        return {};
    }

    FaultTally TryEveryStep(const std::string& what, const std::function<RunReport()>& run) {
        const FileTree before = test::ReadTree(Roots());
        ResetMemory();
        int steps = 0;
        {
            test::FileStepFaults counter;
            const RunReport report = run();
            steps = counter.Steps();
            EXPECT_TRUE(report.Succeeded() && report.Clean()) << what << " without a fault";
        }
        const FileTree clean = test::ReadTree(Roots());
        FaultTally tally;
        mixed_ = 0;
        for (int failing = 1; failing <= steps; ++failing) {
            test::PutBackTree(Roots(), before);
            ResetMemory();
            test::FileStepFaults faults(failing);
            const RunReport report = run();
            SetFileFaultHook({});
            EXPECT_TRUE(faults.Met()) << what << " took fewer steps than its clean run";
            const std::string where =
                what + " fault " + std::to_string(failing) + " (" + faults.FailedStep() + ")";
            const FileTree after = test::ReadTree(Roots());
            ++tally.points;
            for (const std::string& file : WatchedFiles())
                tally.damaged += CheckFile(file, before, clean, after, where);
            tally.damaged += CheckBackupSet(before, clean, after, where);
            tally.damaged += CheckSnapshots(before, where);
            const std::string differs = FirstDifference(after, clean);
            if (report.Succeeded() && differs.empty())
                ++tally.harmless;
            else if (report.Succeeded())
                ++tally.toldSuccess;
            EXPECT_FALSE(report.Succeeded() && !differs.empty())
                << where << ": reported success, but " << differs
                << " is not as a clean run leaves it";
        }
        test::PutBackTree(Roots(), before);
        ResetMemory();
        tally.mixed = mixed_;
        // The figures go into the test's XML report (--gtest_output) and the log.
        RecordProperty(what + "_fault_points", tally.points);
        RecordProperty(what + "_damaged_files", tally.damaged);
        std::cout << what << ": " << tally.points << " fault points, " << tally.damaged
                  << " damaged files, " << tally.toldSuccess << " false successes, "
                  << tally.harmless << " harmless, " << tally.mixed
                  << " working copies whole but mixed\n";
        return tally;
    }

    ClassGrid grid_;
    ClassTimes times_;
    int mixed_ = 0;
};

TEST_F(FileFaultsTest, ASyncThatFailsAtAnyStepLeavesWholeFilesAndSaysSo) {
    const FaultTally sync = TryEveryStep("sync", [&] { return Sync(); });
    EXPECT_GT(sync.points, 20);
    EXPECT_EQ(sync.damaged, 0);
    EXPECT_EQ(sync.toldSuccess, 0);
}

TEST_F(FileFaultsTest, ABackupThatFailsAtAnyStepLeavesTheOldBackupWholeAndSaysSo) {
    BackUpOtherRecords();
    const FaultTally backup = TryEveryStep("backup", [&] { return engine_.Backup(); });
    EXPECT_GT(backup.points, 10);
    EXPECT_EQ(backup.damaged, 0);
    EXPECT_EQ(backup.toldSuccess, 0);
}

TEST_F(FileFaultsTest, ARestoreThatFailsAtAnyStepLeavesWholeFilesAndSaysSo) {
    BackUpOtherRecords();
    const FaultTally restore = TryEveryStep("restore", [&] { return engine_.Restore(); });
    EXPECT_GT(restore.points, 10);
    EXPECT_EQ(restore.damaged, 0);
    EXPECT_EQ(restore.toldSuccess, 0);
}

} // namespace
} // namespace zyntra
