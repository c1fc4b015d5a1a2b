#include "platform/file_copy.h"
#include "platform/file_operation.h"
#include "platform/volumes.h"
#include "tests/platform/file_size_limit.h"
#include "tests/support/temp_dir.h"

#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zyntra {
namespace {

namespace fs = std::filesystem;
using test::FileExists;
using test::ReadFile;
using test::WriteFile;

FileOperationPolicy OnClash(FileOperationPolicy::OnClash answer) {
    FileOperationPolicy policy;
    policy.onClash = answer;
    return policy;
}

class FileOperationTest : public ::testing::Test {
protected:
    std::string Src(const std::string& name) { return from_ + name; }
    std::string Dst(const std::string& name) { return to_ + name; }

    std::vector<std::string> Sources(std::initializer_list<const char*> names) {
        std::vector<std::string> paths;
        for (const char* name : names) {
            WriteFile(Src(name), std::string("content of ") + name);
            paths.push_back(Src(name));
        }
        return paths;
    }

    FileOpResult Run(FileOpKind kind, std::vector<std::string> sources,
                     FileOperationPolicy policy = {}) {
        return HeadlessFileOperation(policy).Run({kind, std::move(sources), to_, "Zyntra"});
    }

    // No half-written copy may stay anywhere.
    void ExpectNoTemporaryFiles() {
        std::error_code error;
        for (auto it = fs::recursive_directory_iterator(dir_.Path(), error);
             it != fs::recursive_directory_iterator(); it.increment(error))
            EXPECT_FALSE(IsTemporaryCopyName(it->path().filename().string())) << it->path();
    }

    test::TempDir dir_;
    std::string from_ = dir_.Path() + "from/";
    std::string to_ = dir_.Path() + "device/EBOOK/";
};

TEST_F(FileOperationTest, CopyMakesTheFolderKeepsTheSourcesAndTheirTimes) {
    auto sources = Sources({"a.txt", "b b.txt"});
    timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, sources[0].c_str(), old, 0), 0);

    FileOpResult result = Run(FileOpKind::Copy, sources);

    EXPECT_TRUE(result.errors.empty());
    EXPECT_FALSE(result.aborted);
    EXPECT_EQ(result.done, 2u);
    EXPECT_EQ(ReadFile(Dst("a.txt")), "content of a.txt");
    EXPECT_EQ(ReadFile(Dst("b b.txt")), "content of b b.txt");
    EXPECT_TRUE(FileExists(sources[0]) && FileExists(sources[1]));
    struct stat copied {};
    ASSERT_EQ(stat(Dst("a.txt").c_str(), &copied), 0);
    EXPECT_EQ(copied.st_mtim.tv_sec, 1000000000);
    ExpectNoTemporaryFiles();
}

TEST_F(FileOperationTest, NameClashIsReplacedOrSkippedForAll) {
    auto sources = Sources({"a.txt", "b.txt", "c.txt"});
    WriteFile(Dst("a.txt"), "old a");
    WriteFile(Dst("b.txt"), "old b");

    FileOpResult skipped =
        Run(FileOpKind::Move, sources, OnClash(FileOperationPolicy::OnClash::Skip));
    EXPECT_EQ(skipped.skipped, 2u);
    EXPECT_EQ(skipped.done, 1u);
    EXPECT_EQ(ReadFile(Dst("a.txt")), "old a");
    EXPECT_TRUE(FileExists(Src("a.txt"))) << "a skipped file is not moved away";
    EXPECT_FALSE(FileExists(Src("c.txt")));

    FileOpResult replaced = Run(FileOpKind::Copy, {Src("a.txt"), Src("b.txt")},
                                OnClash(FileOperationPolicy::OnClash::Replace));
    EXPECT_EQ(replaced.done, 2u);
    EXPECT_EQ(ReadFile(Dst("a.txt")), "content of a.txt");
    EXPECT_EQ(ReadFile(Dst("b.txt")), "content of b.txt");
    ExpectNoTemporaryFiles();
}

TEST_F(FileOperationTest, MoveAndDeleteWithAndWithoutConfirmation) {
    auto sources = Sources({"song.mp3", "song.lrc"});
    FileOpResult moved = Run(FileOpKind::Move, sources);
    EXPECT_EQ(moved.done, 2u);
    EXPECT_FALSE(FileExists(sources[0]) || FileExists(sources[1]));
    EXPECT_EQ(ReadFile(Dst("song.lrc")), "content of song.lrc");

    std::vector<std::string> targets{Dst("song.mp3"), Dst("song.lrc")};
    FileOperationPolicy refuse;
    refuse.confirmDeletes = false;
    FileOpResult declined = Run(FileOpKind::Delete, targets, refuse);
    EXPECT_TRUE(declined.aborted);
    EXPECT_EQ(declined.done, 0u);
    EXPECT_TRUE(FileExists(targets[0]) && FileExists(targets[1]));

    targets.push_back(Dst("never-there"));
    FileOpResult deleted = Run(FileOpKind::Delete, targets);
    EXPECT_EQ(deleted.done, 2u);
    EXPECT_FALSE(FileExists(targets[0]) || FileExists(targets[1]));
    ASSERT_EQ(deleted.errors.size(), 1u);
    EXPECT_EQ(deleted.errors[0].path, Dst("never-there"));
}

TEST_F(FileOperationTest, CancelStopsBeforeTheNextFile) {
    auto sources = Sources({"1", "2", "3"});
    FileOperationPolicy policy;
    policy.cancelAfterFiles = 1;
    FileOpResult result = Run(FileOpKind::Move, sources, policy);
    EXPECT_TRUE(result.aborted);
    EXPECT_EQ(result.done, 1u);
    EXPECT_TRUE(FileExists(Dst("1")));
    EXPECT_FALSE(FileExists(Dst("2")) || FileExists(Dst("3")));
    EXPECT_TRUE(FileExists(Src("2")) && FileExists(Src("3")));
    ExpectNoTemporaryFiles();
}

TEST_F(FileOperationTest, BadSourcesAndTheSameFileAreReportedAndLeftAlone) {
    auto sources = Sources({"keep.txt"});
    fs::create_directories(Src("folder"));
    FileOpResult result = HeadlessFileOperation().Run(
        {FileOpKind::Move, {Src("missing"), Src("folder"), sources[0]}, from_, ""});
    ASSERT_EQ(result.errors.size(), 3u);
    EXPECT_EQ(result.done, 0u);
    EXPECT_EQ(ReadFile(sources[0]), "content of keep.txt") << "moving a file onto itself";
    EXPECT_TRUE(fs::is_directory(Src("folder")));

    WriteFile(dir_.Path() + "plain", "");
    FileOpResult notFolder =
        HeadlessFileOperation().Run({FileOpKind::Copy, sources, dir_.Path() + "plain", ""});
    EXPECT_TRUE(notFolder.aborted);
    EXPECT_EQ(notFolder.errors.size(), 1u);
}

TEST_F(FileOperationTest, RefusesWhatDoesNotFitBeforeStarting) {
    auto sources = Sources({"small"});
    std::optional<std::uint64_t> free = FreeSpaceAt(dir_.Path());
    ASSERT_TRUE(free.has_value());
    // A sparse file larger than the free space takes no room itself.
    std::string huge = Src("huge.avi");
    WriteFile(huge, "");
    ASSERT_EQ(truncate(huge.c_str(), static_cast<off_t>(*free + (1ull << 30))), 0);

    // Should the check ever be skipped, the copy fails at 16 MiB instead of
    // filling the disk.
    FileOpResult result;
    {
        test::FileSizeLimit guard(16 << 20);
        result = Run(FileOpKind::Copy, {sources[0], huge});
    }
    EXPECT_TRUE(result.aborted);
    ASSERT_EQ(result.errors.size(), 1u);
    EXPECT_NE(result.errors[0].message.find("free space"), std::string::npos);
    EXPECT_FALSE(fs::exists(to_)) << "nothing is started";
}

// Takes the target folder away before the second file, as an unplugged
// device would.
class UnplugBeforeSecond : public FileOperationUi {
public:
    explicit UnplugBeforeSecond(std::string folder) : folder_(std::move(folder)) {}
    ClashAnswer AskClash(const std::string&, const std::string&) override {
        return ClashAnswer::Cancel;
    }
    bool ConfirmDelete(const std::vector<std::string>&) override { return true; }
    ErrorAnswer AskError(const FileOpError&) override { return ErrorAnswer::Skip; }
    bool Progress(std::size_t index, std::uint64_t, std::uint64_t) override {
        if (index == 1 && fs::is_directory(folder_)) {
            fs::remove_all(folder_);
            WriteFile(folder_.substr(0, folder_.size() - 1), "not a folder");
        }
        return true;
    }

private:
    std::string folder_;
};

TEST_F(FileOperationTest, MoveThatFailsMidwayLeavesTheRestAtTheSource) {
    auto sources = Sources({"1.mp3", "2.mp3", "3.mp3"});
    UnplugBeforeSecond ui(to_);
    FileOpResult result = RunFileOperation({FileOpKind::Move, sources, to_, ""}, ui);
    EXPECT_EQ(result.done, 1u);
    EXPECT_EQ(result.errors.size(), 2u);
    EXPECT_FALSE(FileExists(sources[0]));
    EXPECT_EQ(ReadFile(sources[1]), "content of 2.mp3");
    EXPECT_EQ(ReadFile(sources[2]), "content of 3.mp3");
    ExpectNoTemporaryFiles();
}

// The medium fills up in the middle of the second file's bytes.
TEST_F(FileOperationTest, WriteFailureInsideAFileKeepsItsSourceAndLeavesNoTemporary) {
    WriteFile(Src("small"), std::string(1000, 's'));
    WriteFile(Src("big"), std::string(3 << 20, 'b'));
    WriteFile(Dst("big"), "the old big");
    FileOpResult result;
    {
        test::FileSizeLimit full(1 << 20);
        result = Run(FileOpKind::Move, {Src("small"), Src("big")},
                     OnClash(FileOperationPolicy::OnClash::Replace));
    }
    EXPECT_EQ(result.done, 1u);
    ASSERT_EQ(result.errors.size(), 1u);
    EXPECT_EQ(result.errors[0].path, Src("big"));
    EXPECT_EQ(ReadFile(Src("big")).size(), 3u << 20);
    EXPECT_EQ(ReadFile(Dst("big")), "the old big");
    EXPECT_FALSE(FileExists(Src("small")));
    ExpectNoTemporaryFiles();
}

TEST_F(FileOperationTest, CopyCancelledInsideAFileLeavesTheTargetAsItWas) {
    WriteFile(Src("clip.avi"), std::string(5 << 20, 'v'));
    WriteFile(Dst("clip.avi"), "previous");
    std::vector<std::uint64_t> seen;
    CopyResult result = CopyFileAtomically(Src("clip.avi"), Dst("clip.avi"), true,
                                           [&](std::uint64_t done, std::uint64_t total) {
                                               seen.push_back(done);
                                               EXPECT_EQ(total, 5u << 20);
                                               return done < (2u << 20);
                                           });
    EXPECT_EQ(result.outcome, CopyOutcome::Cancelled);
    EXPECT_EQ(seen, (std::vector<std::uint64_t>{0, 1 << 20, 2 << 20}));
    EXPECT_EQ(ReadFile(Dst("clip.avi")), "previous");
    ExpectNoTemporaryFiles();

    EXPECT_EQ(CopyFileAtomically(Src("clip.avi"), Dst("clip.avi"), false).outcome,
              CopyOutcome::Failed);
    EXPECT_TRUE(CopyFileAtomically(Src("clip.avi"), Dst("new.avi"), false).Copied());
    EXPECT_EQ(ReadFile(Dst("new.avi")).size(), 5u << 20);
}

} // namespace
} // namespace zyntra

namespace zyntra {
namespace {

// Answers everything with "go on" and, when the second file is about to start, mounts another
// medium where the target was.
class SwappingUi : public FileOperationUi {
public:
    explicit SwappingUi(std::function<void()> swap) : swap_(std::move(swap)) {}
    ClashAnswer AskClash(const std::string&, const std::string&) override {
        return ClashAnswer::Replace;
    }
    bool ConfirmDelete(const std::vector<std::string>&) override { return true; }
    bool Progress(std::size_t fileIndex, std::uint64_t, std::uint64_t) override {
        if (fileIndex == 1 && swap_) {
            swap_();
            swap_ = nullptr;
        }
        return true;
    }
    ErrorAnswer AskError(const FileOpError&) override { return ErrorAnswer::Skip; }
    void Refused(const FileOpError& error) override { refused.push_back(error); }

    std::vector<FileOpError> refused;

private:
    std::function<void()> swap_;
};

TEST_F(FileOperationTest, AMoveStopsWhenAnotherMediumTakesTheTargetsPlace) {
    auto sources = Sources({"1", "2", "3"});
    const std::string device = dir_.Path() + "device";
    SwappingUi ui([&] {
        fs::rename(device, dir_.Path() + "first-device");
        fs::create_directories(to_);
    });

    FileOpResult result = RunFileOperation({FileOpKind::Move, sources, to_, "Zyntra"}, ui);

    EXPECT_TRUE(result.aborted);
    EXPECT_EQ(result.done, 1u);
    ASSERT_EQ(ui.refused.size(), 1u);
    EXPECT_EQ(ui.refused[0].path, to_);
    EXPECT_TRUE(FileExists(dir_.Path() + "first-device/EBOOK/1"));
    EXPECT_TRUE(fs::is_empty(to_));
    EXPECT_TRUE(FileExists(Src("2")) && FileExists(Src("3")));
}

} // namespace
} // namespace zyntra
