#include "tests/cli/cli_sandbox.h"
#include "tests/support/device_fixture.h"
#include "tests/support/personal_db_fixture.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>

namespace zyntra::test {
namespace {

using Json = nlohmann::json;

// Every file under a folder with its bytes.
std::map<std::string, std::string> FilesUnder(const std::string& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            files[entry.path().string()] = ReadFile(entry.path().string());
    return files;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A locked device that has been synchronised once with its password, so that it has a snapshot
// to restore and the program folder a backup.
class CliLockedDevice : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = sandbox_.AddDevice(
            "internal", LockedDeviceHeader("QX-0001", DriveKind::InternalMemory, "s3cret"));
        InsertAddress(DevicePim(root_), {.id = 1, .name = "Kept", .note = "private"});
        input_ = sandbox_.WriteInput("in.json", R"([{"name": "Intruder", "note": "was here"}])");
        ASSERT_EQ(Unlocked({"import", "addressbook", input_}).exitCode, 0);
        ASSERT_EQ(Unlocked({"backup"}).exitCode, 0);
        const Json snapshots = Json::parse(sandbox_.Run({"snapshots"}).out);
        ASSERT_EQ(snapshots.size(), 1u);
        snapshot_ = snapshots[0]["id"];
    }

    ProcessResult Unlocked(std::vector<std::string> args) {
        args.insert(args.begin(), "--password-stdin");
        return sandbox_.Run(args, kEnglishLocale, "s3cret\n");
    }

    CliSandbox sandbox_;
    std::string root_;
    std::string input_;
    std::string snapshot_;
};

TEST_F(CliLockedDevice, NoCommandWritesToItWithoutTheRightPassword) {
    const auto before = FilesUnder(root_);
    struct Attempt {
        std::vector<std::string> args;
        const char* nothingDone;
    };
    const std::vector<Attempt> attempts = {
        {{"import", "addressbook", input_, "--mode", "memory"}, "Nothing was written"},
        {{"import", "addressbook", input_, "--mode", "both"}, "Nothing was written"},
        {{"import", "todo",
          sandbox_.WriteInput("todo.json", R"([{"date": "2024/01/01", "content": "x"}])")},
         "Nothing was written"},
        {{"restore"}, "Nothing was restored."},
        {{"restore-snapshot", snapshot_}, "Nothing was restored."},
    };
    // No password, an empty line, a wrong one, one differing only in case, one cut short, one
    // with more after it.
    const std::vector<std::optional<std::string>> passwords = {
        std::nullopt, "\n", "guess\n", "S3CRET\n", "s3cre\n", "s3crets\n"};
    for (const Attempt& attempt : attempts) {
        for (const std::optional<std::string>& password : passwords) {
            SCOPED_TRACE(attempt.args[0] + " " + attempt.args.back() + " with " +
                         password.value_or("no password"));
            std::vector<std::string> args = attempt.args;
            if (password)
                args.insert(args.begin(), "--password-stdin");
            ProcessResult run = sandbox_.Run(args, kEnglishLocale, password.value_or(""));
            EXPECT_EQ(run.exitCode, 4) << run.err;
            EXPECT_EQ(run.out, "");
            EXPECT_TRUE(Contains(run.err, password ? "The password is wrong." : "locked"))
                << run.err;
            EXPECT_TRUE(Contains(run.err, attempt.nothingDone)) << run.err;
        }
    }
    EXPECT_EQ(FilesUnder(root_), before);

    // The same commands with the password do write.
    ASSERT_EQ(Unlocked({"restore-snapshot", snapshot_}).exitCode, 0);
    EXPECT_NE(FilesUnder(root_), before);
    ASSERT_EQ(ReadAddresses(DevicePim(root_)).size(), 1u);
    EXPECT_EQ(ReadAddresses(DevicePim(root_))[0].name, "Kept");
}

// The device's databases and description are no content files: the delete command, which asks
// for no password, refuses them.
TEST_F(CliLockedDevice, DeleteReachesNoneOfTheDevicesOwnFiles) {
    const auto before = FilesUnder(root_);
    for (const std::string& file :
         {DevicePim(root_), DeviceECDict(root_), DeviceCEDict(root_), root_ + "_info.dat"}) {
        SCOPED_TRACE(file);
        ProcessResult run = sandbox_.Run({"delete", "--side", "device", "--yes", file});
        EXPECT_EQ(run.exitCode, 1) << run.err;
        EXPECT_TRUE(Contains(run.err, "not a content file")) << run.err;
    }
    EXPECT_EQ(FilesUnder(root_), before);
}

} // namespace
} // namespace zyntra::test
