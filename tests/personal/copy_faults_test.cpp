#include "storage/database_copy.h"
#include "storage/database_files.h"
#include "tests/personal/engine_fixture.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace zyntra {
namespace {

// Every database file a run may touch: the device's, the working copies and the backup.
std::vector<std::string> WatchedFiles(const std::string& deviceRoot) {
    std::vector<std::string> files;
    for (int slot = 1; slot <= kDatabaseSlotCount; ++slot) {
        files.push_back(DeviceDatabasePath(deviceRoot, slot));
        files.push_back(WorkingCopyPath(slot));
        files.push_back(BackupPath(slot));
    }
    return files;
}

std::map<std::string, std::string> Contents(const std::vector<std::string>& files) {
    std::map<std::string, std::string> contents;
    for (const std::string& file : files)
        if (test::FileExists(file))
            contents[file] = test::ReadFile(file);
    return contents;
}

// Makes the copy numbered `failing` (from 1) fail just before it would replace its target, for
// every number until a run makes fewer copies, and checks each run: every file is as it was or
// a whole database, and a run that met the fault says it failed.
class CopyFaultsTest : public test::PersonalEngineTest {
protected:
    void FillMemory() {
        AddAddress("Ann", "ann@example.org");
        AddSchedule("2024/04/01", "09:00", "Dentist");
        AddToDo("2024/04/02", "Buy milk");
        AddECEntry("apple", "n.", "fruit");
        AddCEEntry("shui", "n.", "water");
    }

    // Returns the number of faults tried; the run is repeated from the same files each time.
    int TryEveryCopy(const std::string& what, const std::function<RunReport()>& run) {
        const std::vector<std::string> files = WatchedFiles(device_.root);
        const std::map<std::string, std::string> before = Contents(files);
        for (int failing = 1; failing < 100; ++failing) {
            Restore(before, files);
            int copies = 0;
            SetCopyFaultHook([&](const std::string&) { return ++copies != failing; });
            RunReport report = run();
            SetCopyFaultHook({});
            const bool faulted = copies >= failing;
            // A failed copy is always named; only a run that met none may call itself whole.
            if (faulted)
                EXPECT_FALSE(report.Clean()) << what << ": fault at copy " << failing;
            else
                EXPECT_TRUE(report.copiesSucceeded && report.Clean());
            for (const std::string& file : files)
                CheckWhole(file, before, failing);
            if (!faulted) {
                // The figure goes into the test's XML report (--gtest_output).
                RecordProperty(what + "_fault_points", failing - 1);
                return failing - 1;
            }
        }
        ADD_FAILURE() << what << " never finished";
        return 0;
    }

    static void Restore(const std::map<std::string, std::string>& before,
                        const std::vector<std::string>& files) {
        for (const std::string& file : files) {
            auto kept = before.find(file);
            if (kept == before.end())
                std::filesystem::remove(file);
            else
                test::WriteFile(file, kept->second);
        }
    }

    static void CheckWhole(const std::string& file,
                           const std::map<std::string, std::string>& before, int failing) {
        auto kept = before.find(file);
        if (kept != before.end() && test::FileExists(file) && test::ReadFile(file) == kept->second)
            return;
        if (!test::FileExists(file)) {
            EXPECT_EQ(kept, before.end()) << file << " lost at fault " << failing;
            return;
        }
        EXPECT_EQ(test::FixtureDatabase(file).QueryText("pragma integrity_check"), "ok")
            << file << " at fault " << failing;
    }
};

TEST_F(CopyFaultsTest, ASyncThatFailsAnywhereLeavesWholeFilesAndSaysSo) {
    FillMemory();
    EXPECT_GT(TryEveryCopy("sync", [&] { return Sync(); }), 3);
}

TEST_F(CopyFaultsTest, ABackupAndARestoreThatFailAnywhereLeaveWholeFilesAndSaySo) {
    FillMemory();
    ASSERT_TRUE(engine_.Backup().copiesSucceeded);
    EXPECT_GT(TryEveryCopy("backup", [&] { return engine_.Backup(); }), 3);
    EXPECT_GT(TryEveryCopy("restore", [&] { return engine_.Restore(); }), 3);
}

} // namespace
} // namespace zyntra
