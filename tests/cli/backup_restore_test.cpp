#include "exchange/csv.h"
#include "storage/database_files.h"
#include "tests/cli/cli_sandbox.h"
#include "tests/support/device_fixture.h"
#include "tests/support/personal_db_fixture.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace zyntra::test {
namespace {

using Json = nlohmann::json;

void FillDevice(const std::string& root) {
    InsertAddress(DevicePim(root), {.id = 1, .name = "陳大文", .email = "chen@example.tw"});
    InsertAddress(DevicePim(root), {.id = 2, .name = "Bob Lin", .note = "call back"});
    InsertSchedule(DevicePim(root),
                   {.id = 1, .date = "2026/05/01", .content = "期中考", .alarm_BStime = -1});
    InsertToDo(DevicePim(root), {.id = 1, .date = "2026/05/02", .content = "繳電話費"});
    InsertHeadword(
        DeviceECDict(root),
        {.hw_id = 1, .hw_name = "abacus", .hw_match = "abacus", .type = "n.", .exp = "算盤"});
}

TEST(CliBackup, BackupThenAWipedDeviceThenRestoreBringsTheDataBack) {
    CliSandbox sandbox;
    const std::string root = sandbox.AddDevice();
    FillDevice(root);
    const std::string deviceBefore = ReadFile(DevicePim(root));

    ProcessResult backup = sandbox.Run({"backup"}, kTraditionalLocale);
    ASSERT_EQ(backup.exitCode, 0) << backup.err;
    // The backup starts from empty copies: everything is added.
    const Json backedUp = Json::parse(backup.out).at("kinds");
    EXPECT_EQ(backedUp.size(), 6u);
    EXPECT_EQ(backedUp.at("addressbook").at("added"), 2);
    EXPECT_EQ(backedUp.at("ecdict").at("added"), 1);
    EXPECT_EQ(backedUp.at("todo").at("differed"), Json::array());
    EXPECT_EQ(ReadFile(DevicePim(root)), deviceBefore);
    const std::string backupPim = sandbox.ProgramFolderPath() + "backup/default-1.dat";
    ASSERT_EQ(ReadAddresses(backupPim).size(), 2u);
    EXPECT_EQ(ReadToDos(backupPim).at(0).content, "繳電話費");

    WriteDeviceDatabases(root);
    ASSERT_TRUE(ReadAddresses(DevicePim(root)).empty());
    ProcessResult restore = sandbox.Run({"restore"}, kTraditionalLocale);
    ASSERT_EQ(restore.exitCode, 0) << restore.err;
    const Json restored = Json::parse(restore.out).at("kinds");
    EXPECT_EQ(restored.at("addressbook").at("added"), 2);
    EXPECT_EQ(restored.at("schedule").at("added"), 1);
    EXPECT_EQ(restored.at("cedict").at("added"), 0);
    std::vector<AddressRow> addresses = ReadAddresses(DevicePim(root));
    ASSERT_EQ(addresses.size(), 2u);
    EXPECT_EQ(addresses[0].name, "陳大文");
    EXPECT_EQ(addresses[0].email, "chen@example.tw");
    EXPECT_EQ(addresses[1].note, "call back");
    ASSERT_EQ(ReadSchedules(DevicePim(root)).size(), 1u);
    EXPECT_EQ(ReadSchedules(DevicePim(root))[0].content, "期中考");
    ASSERT_EQ(ReadToDos(DevicePim(root)).size(), 1u);
    EXPECT_EQ(ReadToDos(DevicePim(root))[0].content, "繳電話費");
    ASSERT_EQ(ReadHeadwords(DeviceECDict(root)).size(), 1u);
    EXPECT_EQ(ReadHeadwords(DeviceECDict(root))[0].exp, "算盤");
}

// --quiet leaves the report out; the lines on standard error stay. A restore onto the device it
// came from finds every record there, and names one changed since.
TEST(CliBackup, QuietLeavesTheReportOutAndARestoreNamesWhatDiffered) {
    CliSandbox sandbox;
    const std::string root = sandbox.AddDevice();
    FillDevice(root);
    ProcessResult backup = sandbox.Run({"backup", "--quiet"});
    ASSERT_EQ(backup.exitCode, 0) << backup.err;
    EXPECT_EQ(backup.out, "");
    EXPECT_NE(backup.err.find("backed up into"), std::string::npos) << backup.err;

    FixtureDatabase(DevicePim(root)).Exec("update todolist set priority = 2 where id = 1");
    ProcessResult restore = sandbox.Run({"restore"});
    ASSERT_EQ(restore.exitCode, 0) << restore.err;
    EXPECT_NE(restore.err.find("written to the device"), std::string::npos) << restore.err;
    const Json kinds = Json::parse(restore.out).at("kinds");
    EXPECT_EQ(kinds.at("addressbook").at("skippedEqual"), 2);
    EXPECT_EQ(kinds.at("todo").at("updated"), 1);
    EXPECT_EQ(kinds.at("todo").at("differed"),
              Json::parse(R"([{"name": "2026/05/02 繳電話費", "action": "updated"}])"));
    EXPECT_EQ(ReadToDos(DevicePim(root)).at(0).priority, 0);

    ProcessResult quiet = sandbox.Run({"restore", "--quiet"});
    ASSERT_EQ(quiet.exitCode, 0) << quiet.err;
    EXPECT_EQ(quiet.out, "");
}

TEST(CliBackup, ExportFromTheBackupNeedsNoDevice) {
    CliSandbox sandbox;
    const std::string root = sandbox.AddDevice();
    FillDevice(root);
    ASSERT_EQ(sandbox.Run({"backup"}, kTraditionalLocale).exitCode, 0);
    sandbox.SetPlugged({});

    ProcessResult json =
        sandbox.Run({"export", "addressbook", "--from", "backup"}, kTraditionalLocale);
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const Json addresses = Json::parse(json.out);
    ASSERT_EQ(addresses.size(), 2u);
    EXPECT_EQ(addresses[0]["name"], "陳大文");
    EXPECT_EQ(addresses[1]["note"], "call back");

    ProcessResult csv = sandbox.Run({"export", "schedule", "--from", "backup", "--format", "csv"},
                                    kTraditionalLocale);
    ASSERT_EQ(csv.exitCode, 0) << csv.err;
    CsvTable table = ReadCsv(csv.out);
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[1].at(4), "期中考");

    ProcessResult words = sandbox.Run({"export", "ecdict", "--from", "backup"}, kTraditionalLocale);
    ASSERT_EQ(words.exitCode, 0) << words.err;
    EXPECT_EQ(Json::parse(words.out),
              Json::parse(R"([{"hw_name": "abacus", "type": "n.", "exp": "算盤"}])"));
}

// A text longer than a statement may hold cannot reach the working copy: the backup would lack
// that contact, so the previous one stays and the run fails.
TEST(CliBackup, AContactThatCannotBeWrittenKeepsThePreviousBackupWhole) {
    CliSandbox sandbox;
    const std::string root = sandbox.AddDevice();
    FillDevice(root);
    ASSERT_EQ(sandbox.Run({"backup"}, kTraditionalLocale).exitCode, 0);
    const std::string folder = sandbox.ProgramFolderPath() + "backup/";
    std::vector<std::string> previous;
    for (int slot = 1; slot <= 5; ++slot)
        previous.push_back(ReadFile(folder + "default-" + std::to_string(slot) + ".dat"));

    WriteDeviceDatabases(root);
    InsertAddress(DevicePim(root), {.id = 1, .name = "Ann"});
    InsertAddress(DevicePim(root), {.id = 2, .name = "Bob", .note = std::string(2100, 'n')});
    ProcessResult backup = sandbox.Run({"backup"});
    EXPECT_EQ(backup.exitCode, 1);
    EXPECT_EQ(backup.err.find("backed up into"), std::string::npos) << backup.err;
    EXPECT_NE(backup.err.find("Nothing was backed up."), std::string::npos) << backup.err;
    for (int slot = 1; slot <= 5; ++slot)
        EXPECT_EQ(ReadFile(folder + "default-" + std::to_string(slot) + ".dat"), previous[slot - 1])
            << slot;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 5);
}

TEST(CliBackup, AMissingBackupIsAFailure) {
    CliSandbox sandbox;
    const std::string root = sandbox.AddDevice();
    FillDevice(root);
    const std::string before = ReadFile(DevicePim(root));
    ProcessResult exported = sandbox.Run({"export", "addressbook", "--from", "backup"});
    EXPECT_EQ(exported.exitCode, 1);
    EXPECT_EQ(exported.out, "");
    EXPECT_NE(exported.err.find("backup"), std::string::npos) << exported.err;
    ProcessResult restored = sandbox.Run({"restore"});
    EXPECT_EQ(restored.exitCode, 1);
    EXPECT_NE(restored.err.find("backup"), std::string::npos) << restored.err;
    EXPECT_EQ(ReadFile(DevicePim(root)), before);
}

TEST(CliBackup, AnUnreadableDatabaseFailsAndKeepsTheLastBackup) {
    CliSandbox sandbox;
    const std::string root = sandbox.AddDevice();
    FillDevice(root);
    const std::string backupPim = sandbox.ProgramFolderPath() + "backup/default-1.dat";
    MakeDatabaseImage(backupPim, 1);
    InsertAddress(backupPim, {.id = 1, .name = "Saved Earlier"});
    const std::string goodBackup = ReadFile(backupPim);

    WriteGarbageDatabase(DevicePim(root));
    const std::string file = sandbox.WriteInput("in.json", R"([{"name": "Bob"}])");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"backup"}, std::vector<std::string>{"export", "addressbook"},
          std::vector<std::string>{"import", "addressbook", file}}) {
        SCOPED_TRACE(args[0]);
        ProcessResult run = sandbox.Run(args, kTraditionalLocale);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("PIM.db"), std::string::npos) << run.err;
    }
    EXPECT_EQ(ReadFile(backupPim), goodBackup);

    WriteDeviceDatabases(root);
    WriteGarbageDatabase(backupPim);
    EXPECT_EQ(sandbox.Run({"restore"}).exitCode, 1);
    EXPECT_EQ(sandbox.Run({"export", "todo", "--from", "backup"}).out, "");
}

} // namespace
} // namespace zyntra::test
