#include "storage/database_copy.h"
#include "tests/support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zyntra {
namespace {

namespace fs = std::filesystem;
using test::FileExists;
using test::ReadFile;
using test::WriteFile;

class InterruptedCopyTest : public ::testing::Test {
protected:
    bool Leftovers() const { return FileExists(previous_) || FileExists(part_); }

    test::TempDir dir_;
    const std::string target_ = dir_.Path() + "PIM.db";
    const std::string previous_ = target_ + ".previous";
    const std::string part_ = target_ + ".part";
};

TEST_F(InterruptedCopyTest, AMissingTargetGetsItsSetAsideFileBackButNeverAStagedCopy) {
    WriteFile(previous_, "old data");
    WriteFile(part_, "new da");
    RecoverInterruptedCopy(target_);
    EXPECT_EQ(ReadFile(target_), "old data");
    EXPECT_FALSE(Leftovers());

    // Staged alone, the copy may be cut short: it never takes the target's name.
    fs::remove(target_);
    WriteFile(part_, "new da");
    RecoverInterruptedCopy(target_);
    EXPECT_FALSE(FileExists(target_));
    EXPECT_FALSE(Leftovers());
}

TEST_F(InterruptedCopyTest, APresentTargetStaysAndALinkLeftAsideIsNeverPutInPlace) {
    WriteFile(target_, "current");
    WriteFile(previous_, "older");
    WriteFile(part_, "half");
    RecoverInterruptedCopy(target_);
    EXPECT_EQ(ReadFile(target_), "current");
    EXPECT_FALSE(Leftovers());

    fs::remove(target_);
    const std::string host = dir_.Path() + "host.db";
    WriteFile(host, "the computer's file");
    fs::create_symlink(host, previous_);
    RecoverInterruptedCopy(target_);
    EXPECT_FALSE(fs::exists(fs::symlink_status(target_)));
    EXPECT_EQ(ReadFile(host), "the computer's file");
}

} // namespace
} // namespace zyntra
