#include "app/startup_checks.h"
#include "cli/commands.h"
#include "platform/single_instance.h"
#include "tests/cli/cli_sandbox.h"
#include "tests/support/personal_db_fixture.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zyntra::test {
namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

bool StartsWith(const std::string& text, const std::string& start) {
    return text.rfind(start, 0) == 0;
}

// Asking for the version or for help starts nothing: no required file, no lock, no device.
class WithoutStartUp : public ::testing::Test {
protected:
    WithoutStartUp() {
        std::filesystem::remove(sandbox_.ProgramFolderPath() + "kvdb.dll");
        window_.emplace(kApplicationTitle, sandbox_.ProgramFolderPath());
    }

    CliSandbox sandbox_;
    std::optional<SingleInstance> window_;
};

TEST_F(WithoutStartUp, VersionIsTheProjectsOnStandardOutput) {
    ProcessResult version = sandbox_.Run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, std::string("zyntra-cli ") + ZYNTRA_VERSION + "\n");
    EXPECT_EQ(version.err, "");
    EXPECT_EQ(sandbox_.Run({"--verbose", "--version"}).out, version.out);
}

TEST_F(WithoutStartUp, EveryCommandExplainsItself) {
    ASSERT_EQ(window_->GetState(), SingleInstance::State::Acquired);
    for (const Command& command : Commands()) {
        SCOPED_TRACE(command.name);
        ProcessResult help = sandbox_.Run({command.name, "--help"});
        EXPECT_EQ(help.exitCode, 0) << help.err;
        EXPECT_EQ(help.err, "");
        EXPECT_TRUE(StartsWith(help.out, std::string("usage: zyntra-cli ") + command.name +
                                             (*command.usage ? " " : "\n")))
            << help.out;
        EXPECT_TRUE(Contains(help.out, command.summary)) << help.out;
        // One command's help, not the list of them all.
        EXPECT_FALSE(Contains(help.out, "exit codes")) << help.out;
        EXPECT_EQ(sandbox_.Run({"help", command.name}).out, help.out);
        EXPECT_EQ(sandbox_.Run({command.name, "-h"}).out, help.out);
    }
    // Help wins over arguments that would be wrong, and over those that would run.
    ProcessResult import = sandbox_.Run({"import", "--colour", "red", "--help"});
    EXPECT_EQ(import.exitCode, 0);
    EXPECT_TRUE(Contains(import.out, "--mode memory lets the file win")) << import.out;
    EXPECT_TRUE(Contains(import.out, "KIND is one of addressbook")) << import.out;
    EXPECT_EQ(sandbox_.Run({"delete", "--side", "device", "--yes", "x.mp3", "--help"}).exitCode, 0);
}

TEST(CliUsage, AWrongCommandLineShowsTheUsageOfItsCommand) {
    CliSandbox sandbox;
    ProcessResult import = sandbox.Run({"import", "addressbook"});
    EXPECT_EQ(import.exitCode, 2);
    EXPECT_EQ(import.out, "");
    EXPECT_TRUE(Contains(import.err, "zyntra-cli: wrong number of arguments for import\n"))
        << import.err;
    EXPECT_TRUE(Contains(import.err, "usage: zyntra-cli import KIND FILE")) << import.err;
    EXPECT_TRUE(Contains(import.err, "zyntra-cli import --help")) << import.err;
    EXPECT_FALSE(Contains(import.err, "  export")) << import.err;

    ProcessResult unknown = sandbox.Run({"help", "frobnicate"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_EQ(unknown.out, "");
    EXPECT_TRUE(Contains(unknown.err, "unknown command frobnicate")) << unknown.err;
    EXPECT_EQ(sandbox.Run({"--verbose"}).exitCode, 2);
}

TEST(CliVerbose, TheStorageLinesShowOnlyWhenAskedForAndNeverAmongResults) {
    CliSandbox sandbox;
    const std::string root = sandbox.AddDevice();
    InsertAddress(DevicePim(root), {.id = 1, .name = "Alice"});
    const ProcessResult quiet = sandbox.Run({"export", "addressbook"});
    ASSERT_EQ(quiet.exitCode, 0) << quiet.err;
    EXPECT_EQ(quiet.err, "");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--verbose", "export", "addressbook"},
          std::vector<std::string>{"export", "addressbook", "--verbose"}}) {
        SCOPED_TRACE(args[0]);
        ProcessResult verbose = sandbox.Run(args);
        ASSERT_EQ(verbose.exitCode, 0) << verbose.err;
        EXPECT_EQ(verbose.out, quiet.out);
        EXPECT_TRUE(Contains(verbose.err, "Load dll ok.")) << verbose.err;
    }

    // A backup opens every database; its lines stay out of the JSON report as well.
    ProcessResult backup = sandbox.Run({"backup"});
    ASSERT_EQ(backup.exitCode, 0) << backup.err;
    EXPECT_FALSE(Contains(backup.err, "Load dll ok.")) << backup.err;
    ProcessResult verboseBackup = sandbox.Run({"--verbose", "backup", "--quiet"});
    ASSERT_EQ(verboseBackup.exitCode, 0) << verboseBackup.err;
    EXPECT_EQ(verboseBackup.out, "");
    EXPECT_TRUE(Contains(verboseBackup.err, "Load dll ok.")) << verboseBackup.err;
}

TEST(CliMessages, AnImportFileThatCannotBeOpenedIsNamedWithTheReason) {
    CliSandbox sandbox;
    sandbox.AddDevice();
    ProcessResult missing = sandbox.Run({"import", "todo", "/nonexistent/tasks.json"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(Contains(missing.err, "This file cannot be read: /nonexistent/tasks.json (No "
                                      "such file or directory) Nothing was written to the device."))
        << missing.err;
}

} // namespace
} // namespace zyntra::test
