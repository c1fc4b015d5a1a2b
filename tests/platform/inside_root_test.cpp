#include "platform/inside_root.h"
#include "tests/support/temp_dir.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace zyntra {
namespace {

namespace fs = std::filesystem;

// "root/" holds a folder "in", a link "out" to the folder "outside" beside it, and a link
// "file" to a file there.
class InsideRootTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(root_ + "in");
        fs::create_directories(outside_);
        test::WriteFile(outside_ + "host.txt", "host");
        fs::create_directory_symlink(outside_, root_ + "out");
        fs::create_symlink(outside_ + "host.txt", root_ + "file");
    }

    test::TempDir dir_;
    const std::string root_ = dir_.Path() + "root/";
    const std::string outside_ = dir_.Path() + "outside/";
};

TEST_F(InsideRootTest, OnlyPathsBelowTheRootWithoutLinksOrDotDotAreInside) {
    EXPECT_TRUE(IsInsideRoot(root_, root_));
    EXPECT_TRUE(IsInsideRoot(root_, root_ + "in/"));
    EXPECT_TRUE(IsInsideRoot(root_, root_ + "in/not/yet/made"));
    EXPECT_TRUE(IsInsideRoot(root_, root_ + "./in//x"));

    EXPECT_FALSE(IsInsideRoot(root_, root_ + "out"));
    EXPECT_FALSE(IsInsideRoot(root_, root_ + "out/host.txt"));
    EXPECT_FALSE(IsInsideRoot(root_, root_ + "file"));
    // ".." is refused by its text, also where nothing exists to look at.
    EXPECT_FALSE(IsInsideRoot(root_, root_ + "in/../../outside"));
    EXPECT_FALSE(IsInsideRoot(root_, root_ + "missing/../../outside"));
    // A sibling whose name merely starts like the root is not below it.
    EXPECT_FALSE(IsInsideRoot(root_, dir_.Path() + "root2/x"));
    EXPECT_FALSE(IsInsideRoot(dir_.Path() + "root", root_ + "in"));
    EXPECT_FALSE(IsInsideRoot("", "in"));
}

TEST_F(InsideRootTest, FoldersAreMadeBelowTheRootButNeverThroughALink) {
    EXPECT_TRUE(MakeFoldersInsideRoot(root_, root_ + "a/b/c/"));
    EXPECT_TRUE(fs::is_directory(root_ + "a/b/c"));
    EXPECT_TRUE(MakeFoldersInsideRoot(root_, root_ + "a/b"));

    EXPECT_FALSE(MakeFoldersInsideRoot(root_, root_ + "out/made"));
    EXPECT_FALSE(MakeFoldersInsideRoot(root_, root_ + "out"));
    test::WriteFile(root_ + "plain", "");
    EXPECT_FALSE(MakeFoldersInsideRoot(root_, root_ + "plain/sub"));
    EXPECT_FALSE(MakeFoldersInsideRoot(root_, root_ + "a/../../escaped"));
    EXPECT_EQ(std::distance(fs::directory_iterator(outside_), fs::directory_iterator()), 1);
    EXPECT_FALSE(fs::exists(dir_.Path() + "escaped"));
}

TEST_F(InsideRootTest, OnlyRegularFilesAreOpenedAndALinkIsNeverFollowed) {
    const int plain = OpenRegularFile(outside_ + "host.txt", O_RDONLY);
    EXPECT_GE(plain, 0);
    // Blocking again: only the open itself must not wait.
    EXPECT_EQ(::fcntl(plain, F_GETFL) & O_NONBLOCK, 0);
    ::close(plain);

    EXPECT_EQ(OpenRegularFile(root_ + "file", O_RDONLY), -1);
    EXPECT_EQ(OpenRegularFile(root_ + "file", O_WRONLY | O_CREAT | O_TRUNC, 0600), -1);
    EXPECT_EQ(test::ReadFile(outside_ + "host.txt"), "host");
    EXPECT_EQ(OpenRegularFile(root_ + "in", O_RDONLY), -1);
    EXPECT_EQ(OpenRegularFile("/dev/null", O_WRONLY), -1);
    ASSERT_EQ(::mkfifo((root_ + "fifo").c_str(), 0600), 0);
    EXPECT_EQ(OpenRegularFile(root_ + "fifo", O_RDONLY), -1);
    EXPECT_FALSE(IsRegularFile(root_ + "fifo"));
    EXPECT_FALSE(IsRegularFile(root_ + "file"));

    const int made = OpenInsideRoot(root_, root_ + "in/new.txt", O_WRONLY | O_CREAT, 0600);
    EXPECT_GE(made, 0);
    ::close(made);
    EXPECT_TRUE(IsRegularFile(root_ + "in/new.txt"));
    EXPECT_EQ(OpenInsideRoot(root_, root_ + "out/new.txt", O_WRONLY | O_CREAT, 0600), -1);
    EXPECT_FALSE(fs::exists(outside_ + "new.txt"));
}

} // namespace
} // namespace zyntra
