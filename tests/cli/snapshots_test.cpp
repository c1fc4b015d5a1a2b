#include "tests/cli/cli_sandbox.h"
#include "tests/support/personal_db_fixture.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace zyntra::test {
namespace {

using Json = nlohmann::json;

// An import changes the device; its snapshot, written back, undoes it to the last byte, and only
// on the device it was taken of.
TEST(CliSnapshots, AnImportIsUndoneByItsSnapshot) {
    CliSandbox sandbox;
    const std::string root = sandbox.AddDevice();
    InsertAddress(DevicePim(root), {.id = 1, .name = "Ann"});
    const std::string before = ReadFile(DevicePim(root));
    const std::string file = sandbox.WriteInput("in.json", R"([{"name": "Bob"}])");
    ASSERT_EQ(sandbox.Run({"import", "addressbook", file}).exitCode, 0);
    ASSERT_NE(ReadFile(DevicePim(root)), before);

    ProcessResult listed = sandbox.Run({"snapshots"});
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    const Json snapshots = Json::parse(listed.out);
    ASSERT_EQ(snapshots.size(), 1u);
    const std::string id = snapshots[0]["id"];
    EXPECT_EQ(snapshots[0]["ident"], CliSandbox::InternalHeader().ident);
    EXPECT_EQ(snapshots[0]["files"][0]["name"], "PIM.db");
    EXPECT_EQ(snapshots[0]["files"][0]["size"], before.size());

    ProcessResult unknown = sandbox.Run({"restore-snapshot", "no-such-id"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_NE(unknown.err.find("Nothing was restored."), std::string::npos) << unknown.err;

    ProcessResult undone = sandbox.Run({"restore-snapshot", id});
    ASSERT_EQ(undone.exitCode, 0) << undone.err;
    EXPECT_EQ(ReadFile(DevicePim(root)), before);
    EXPECT_FALSE(FileExists(root + "_sync.dat"));
}

} // namespace
} // namespace zyntra::test
