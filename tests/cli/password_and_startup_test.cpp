#include "app/startup_checks.h"
#include "platform/single_instance.h"
#include "tests/cli/cli_sandbox.h"
#include "tests/support/device_fixture.h"
#include "tests/support/personal_db_fixture.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace zyntra::test {
namespace {

using Json = nlohmann::json;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class LockedDevice : public ::testing::Test {
protected:
    LockedDevice()
        : root_(sandbox_.AddDevice(
              "internal", LockedDeviceHeader("QX-0001", DriveKind::InternalMemory, "s3cret"))) {
        InsertAddress(DevicePim(root_), {.id = 1, .name = "Hidden Person", .note = "private"});
    }

    CliSandbox sandbox_;
    std::string root_;
};

TEST_F(LockedDevice, ExportWithoutTheRightPasswordShowsNothing) {
    ProcessResult noPassword = sandbox_.Run({"export", "addressbook"});
    EXPECT_EQ(noPassword.exitCode, 4);
    EXPECT_EQ(noPassword.out, "");
    EXPECT_TRUE(Contains(noPassword.err, "locked")) << noPassword.err;
    EXPECT_TRUE(Contains(noPassword.err, "--password-stdin")) << noPassword.err;

    ProcessResult wrong =
        sandbox_.Run({"--password-stdin", "export", "addressbook"}, kEnglishLocale, "guess\n");
    EXPECT_EQ(wrong.exitCode, 4);
    EXPECT_EQ(wrong.out, "");
    EXPECT_TRUE(Contains(wrong.err, "The password is wrong. Nothing was read from the device."))
        << wrong.err;
    EXPECT_FALSE(Contains(wrong.err, "Hidden Person"));

    ProcessResult empty = sandbox_.Run({"--password-stdin", "export", "addressbook"});
    EXPECT_EQ(empty.exitCode, 4);
    EXPECT_EQ(empty.out, "");

    ProcessResult right = sandbox_.Run({"--password-stdin", "export", "addressbook"},
                                       kEnglishLocale, "s3cret\r\nignored second line\n");
    ASSERT_EQ(right.exitCode, 0) << right.err;
    const Json addresses = Json::parse(right.out);
    ASSERT_EQ(addresses.size(), 1u);
    EXPECT_EQ(addresses[0]["name"], "Hidden Person");
}

TEST_F(LockedDevice, EveryCommandOnItsDataAsksForThePassword) {
    const std::string before = ReadFile(DevicePim(root_));
    const std::string file =
        sandbox_.WriteInput("in.json", R"([{"name": "Intruder", "note": "was here"}])");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"import", "addressbook", file, "--mode", "memory"},
          std::vector<std::string>{"backup"}, std::vector<std::string>{"restore"}}) {
        SCOPED_TRACE(args[0]);
        ProcessResult run = sandbox_.Run(args);
        EXPECT_EQ(run.exitCode, 4) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(ReadFile(DevicePim(root_)), before);
    EXPECT_FALSE(FileExists(sandbox_.ProgramFolderPath() + "backup/default-1.dat"));

    // The devices listing reads no personal data and says that the device is locked.
    ProcessResult devices = sandbox_.Run({"devices"});
    ASSERT_EQ(devices.exitCode, 0) << devices.err;
    EXPECT_EQ(Json::parse(devices.out)["devices"][0]["locked"], true);

    std::vector<std::string> import = {"--password-stdin", "import", "addressbook", file};
    ProcessResult accepted = sandbox_.Run(import, kEnglishLocale, "s3cret\n");
    ASSERT_EQ(accepted.exitCode, 0) << accepted.err;
    std::vector<AddressRow> rows = ReadAddresses(DevicePim(root_));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].name, "Intruder");
}

TEST(CliExitCodes, UsageErrorsExitTwoWithAMessage) {
    CliSandbox sandbox;
    const std::string root = sandbox.AddDevice();
    const std::string file = sandbox.WriteInput("in.json", R"([{"name": "Bob"}])");
    const std::string before = ReadFile(DevicePim(root));
    for (const std::vector<std::string>& args : {
             std::vector<std::string>{},
             std::vector<std::string>{"frobnicate"},
             std::vector<std::string>{"export"},
             std::vector<std::string>{"export", "contacts"},
             std::vector<std::string>{"export", "addressbook", "--format", "xml"},
             std::vector<std::string>{"export", "addressbook", "--from", "cloud"},
             std::vector<std::string>{"export", "addressbook", "--format"},
             std::vector<std::string>{"export", "addressbook", "--colour", "red"},
             std::vector<std::string>{"import", "addressbook"},
             std::vector<std::string>{"import", "addressbook", file, "--mode", "merge"},
             std::vector<std::string>{"import", "diary", file},
             std::vector<std::string>{"backup", "extra"},
         }) {
        SCOPED_TRACE(args.empty() ? "(nothing)" : args.back());
        ProcessResult run = sandbox.Run(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(Contains(run.err, "zyntra-cli: ")) << run.err;
    }
    EXPECT_EQ(ReadFile(DevicePim(root)), before);

    ProcessResult help = sandbox.Run({"help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* command : {"devices", "export", "import", "backup", "restore", "help"})
        EXPECT_TRUE(Contains(help.out, std::string("  ") + command)) << command;
    EXPECT_EQ(sandbox.Run({"--help"}).out, help.out);
}

TEST(CliExitCodes, CommandsThatNeedADeviceExitThreeWithoutOne) {
    CliSandbox sandbox;
    const std::string file = sandbox.WriteInput("in.json", R"([{"name": "Bob"}])");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"export", "todo"},
          std::vector<std::string>{"import", "addressbook", file},
          std::vector<std::string>{"backup"}, std::vector<std::string>{"restore"}}) {
        SCOPED_TRACE(args[0]);
        ProcessResult run = sandbox.Run(args);
        EXPECT_EQ(run.exitCode, 3);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(Contains(run.err, "No usable device is connected.")) << run.err;
    }
}

TEST(CliExitCodes, AFailedRunExitsOne) {
    CliSandbox sandbox;
    const std::string root = sandbox.AddDevice();
    InsertAddress(DevicePim(root), {.id = 1, .name = "Alice"});
    ProcessResult full = sandbox.RunInto("/dev/full", {"export", "addressbook"});
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_TRUE(Contains(full.err, "The output cannot be written")) << full.err;

    // A database file the synchronisation cannot replace.
    std::filesystem::remove(DevicePim(root));
    std::filesystem::create_directory(DevicePim(root));
    const std::string file = sandbox.WriteInput("in.json", R"([{"name": "Bob"}])");
    ProcessResult sync = sandbox.Run({"import", "addressbook", file});
    EXPECT_EQ(sync.exitCode, 1);
    EXPECT_TRUE(Contains(sync.err, "Secretary/PIM.db")) << sync.err;
}

// The section of the language file was chosen by hand, and the terminal's locale is another
// language's: the messages are still the section's texts in UTF-8.
TEST(CliOutput, MessagesFollowTheLanguageFilesSectionWhateverTheLocale) {
    CliSandbox sandbox;
    sandbox.SetLanguage("TChinese");
    sandbox.AddDevice();
    ProcessResult run = sandbox.Run({"import", "addressbook", "/nonexistent.json"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Contains(run.err, "無法讀取這個檔案： /nonexistent.json")) << run.err;
}

TEST(CliOutput, ResultsOnStandardOutputAndUtf8MessagesOnStandardError) {
    struct Case {
        const char* locale;
        const char* section; // of Lang.ini
        const char* name;
        const char* synced;
    };
    for (const Case& c : {Case{kTraditionalLocale, "TChinese", "王小明",
                               "已與電子辭典同步： 通訊錄, 1 筆保留兩個版本"},
                          Case{kSimplifiedLocale, "SChinese", "张伟",
                               "已与电子词典同步： 通讯录, 1 条保留两个版本"}}) {
        SCOPED_TRACE(c.locale);
        CliSandbox sandbox;
        sandbox.SetLanguage(c.section);
        const std::string root = sandbox.AddDevice();
        InsertAddress(DevicePim(root), {.id = 1, .name = c.name});
        ProcessResult exported = sandbox.Run({"export", "addressbook"}, c.locale);
        ASSERT_EQ(exported.exitCode, 0) << exported.err;
        EXPECT_EQ(Json::parse(exported.out).at(0)["name"], c.name);
        EXPECT_FALSE(Contains(exported.out, "Load dll ok."));
        EXPECT_FALSE(Contains(exported.err, "Load dll ok.")) << exported.err;
        ProcessResult verbose = sandbox.Run({"--verbose", "export", "addressbook"}, c.locale);
        EXPECT_EQ(verbose.out, exported.out);
        EXPECT_TRUE(Contains(verbose.err, "Load dll ok.")) << verbose.err;

        const std::string file = sandbox.WriteInput("in.json", std::string(R"([{"name": ")") +
                                                                   c.name + R"(", "note": "x"}])");
        ProcessResult imported = sandbox.Run({"import", "addressbook", file}, c.locale);
        ASSERT_EQ(imported.exitCode, 0) << imported.err;
        // The report names the record in UTF-8 whatever the language.
        EXPECT_EQ(
            Json::parse(imported.out)["kinds"]["addressbook"]["differed"],
            Json::parse(R"([{"name": ")" + std::string(c.name) + R"(", "action": "keptTwice"}])"));
        EXPECT_TRUE(IsUtf8(imported.err));
        EXPECT_TRUE(Contains(imported.err, c.synced)) << imported.err;
    }
}

TEST(CliStartup, RefusesWhileTheWindowHoldsTheLock) {
    CliSandbox sandbox;
    const std::string root = sandbox.AddDevice();
    const std::string file = sandbox.WriteInput("in.json", R"([{"name": "Bob"}])");
    const std::string before = ReadFile(DevicePim(root));
    {
        SingleInstance window(kApplicationTitle, sandbox.ProgramFolderPath());
        ASSERT_EQ(window.GetState(), SingleInstance::State::Acquired);
        ProcessResult run = sandbox.Run({"import", "addressbook", file});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(Contains(run.err, "running")) << run.err;
        EXPECT_EQ(ReadFile(DevicePim(root)), before);
        // A usage error is told as one, lock or no lock.
        EXPECT_EQ(sandbox.Run({"export", "contacts"}).exitCode, 2);
    }
    EXPECT_EQ(sandbox.Run({"import", "addressbook", file}).exitCode, 0);
}

TEST(CliStartup, AMissingRequiredFileStopsWithTheMissingFilesMessage) {
    CliSandbox sandbox;
    sandbox.AddDevice();
    std::filesystem::remove(sandbox.ProgramFolderPath() + "kvdb.dll");
    ProcessResult english = sandbox.Run({"export", "addressbook"});
    EXPECT_EQ(english.exitCode, 1);
    EXPECT_EQ(english.out, "");
    EXPECT_TRUE(Contains(english.err, "Lost important files, please reinstall")) << english.err;
    ProcessResult chinese = sandbox.Run({"devices"}, kTraditionalLocale);
    EXPECT_EQ(chinese.exitCode, 1);
    EXPECT_EQ(chinese.out, "");
    EXPECT_TRUE(Contains(chinese.err, "遺失重要檔案，請重新安裝！")) << chinese.err;
}

} // namespace
} // namespace zyntra::test
