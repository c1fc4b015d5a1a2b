#include "tests/cli/cli_sandbox.h"
#include "tests/support/device_fixture.h"
#include "tests/support/personal_db_fixture.h"
#include "tests/support/unwritable_file.h"
#include "texts/ini_file.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>

namespace zyntra::test {
namespace {

namespace fs = std::filesystem;

std::map<std::string, std::string> FilesUnder(const std::string& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        files[entry.path().string()] =
            entry.is_regular_file() ? ReadFile(entry.path().string()) : "";
    return files;
}

std::string EnglishText(const char* key) {
    return IniFile(BuiltProgramFolder() + "Lang.ini").ReadString("English", key, "");
}

bool Contains(const std::string& text, const std::string& part) {
    return !part.empty() && text.find(part) != std::string::npos;
}

// The command line started from a program folder as an installation lays it out: no working
// copies, only an old backup from the time the program wrote beside itself.
TEST(CliInstalled, WritesOnlyIntoTheUserFolderAndTakesTheOldBackupAlongOnce) {
    CliSandbox sandbox;
    const std::string root = sandbox.AddDevice();
    InsertAddress(DevicePim(root), {.id = 1, .name = "Bob Lin"});
    const std::string program = sandbox.ProgramFolderPath();
    fs::remove_all(program + "data");
    fs::copy_file(program + "init/default-1.dat", program + "backup/default-1.dat");
    InsertAddress(program + "backup/default-1.dat", {.id = 1, .name = "Old Friend"});
    const auto shipped = FilesUnder(program);
    const std::string user = sandbox.HomePath() + ".local/share/zyntra/";

    const ProcessResult first = sandbox.Run({"devices"});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_TRUE(Contains(first.err, EnglishText("SM_OldBackupCopied"))) << first.err;
    EXPECT_TRUE(Contains(first.err, user + "backup/")) << first.err;
    ASSERT_EQ(ReadAddresses(user + "backup/default-1.dat").size(), 1u);
    EXPECT_EQ(ReadAddresses(user + "backup/default-1.dat")[0].name, "Old Friend");
    for (int slot = 1; slot <= 5; ++slot)
        EXPECT_TRUE(FileExists(user + "data/default-" + std::to_string(slot) + ".dat"));
    EXPECT_EQ(IniFile(user + "Lang.ini").ReadString("SetLanguage", "Language", ""), "English");

    const ProcessResult backup = sandbox.Run({"backup"});
    ASSERT_EQ(backup.exitCode, 0) << backup.err;
    EXPECT_FALSE(Contains(backup.err, EnglishText("SM_OldBackupCopied")));
    ASSERT_EQ(ReadAddresses(user + "backup/default-1.dat").size(), 1u);
    EXPECT_EQ(ReadAddresses(user + "backup/default-1.dat")[0].name, "Bob Lin");
    EXPECT_EQ(FilesUnder(program), shipped);
}

TEST(CliInstalled, ADeviceWhoseFilesCannotBeWrittenIsToldWhatToDoAndLeftAsItWas) {
    CliSandbox sandbox;
    const std::string root = sandbox.AddDevice();
    const std::string input = sandbox.WriteInput("in.json", R"([{"name": "Carol"}])");
    const std::string before = ReadFile(DevicePim(root));
    UnwritableFile unwritable(DevicePim(root));
    if (!unwritable.Active())
        GTEST_SKIP() << "this machine cannot make a file unwritable for this process";

    const ProcessResult run = sandbox.Run({"import", "addressbook", input});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(Contains(run.err, EnglishText("SM_DeviceNotWritable"))) << run.err;
    EXPECT_EQ(ReadFile(DevicePim(root)), before);
    EXPECT_FALSE(FileExists(root + "_sync.dat"));
}

} // namespace
} // namespace zyntra::test
