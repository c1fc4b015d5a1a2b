#include "platform/file_copy.h"
#include "platform/file_operation.h"
#include "platform/target_file_system.h"
#include "tests/platform/file_size_limit.h"
#include "tests/support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace zyntra {
namespace {

namespace fs = std::filesystem;
using test::FileExists;
using test::ReadFile;
using test::WriteFile;

constexpr std::uint64_t k4GiB = 1ull << 32;

// Answers from a script and writes down what it was told, in order.
class ScriptedUi : public FileOperationUi {
public:
    ClashAnswer AskClash(const std::string&, const std::string&) override {
        return ClashAnswer::Skip;
    }
    bool ConfirmDelete(const std::vector<std::string>&) override { return true; }
    // The engine's own call before each file; the copy's byte counts follow.
    bool Progress(std::size_t index, std::uint64_t done, std::uint64_t total) override {
        if (done == 0 && total == 0)
            events.push_back("file " + std::to_string(index));
        return true;
    }
    ErrorAnswer AskError(const FileOpError& error) override {
        events.push_back("error " + fs::path(error.path).filename().string());
        return onError;
    }
    void Refused(const FileOpError&) override { events.push_back("refused"); }
    void FinishingWrites() override { events.push_back("finishing"); }

    ErrorAnswer onError = ErrorAnswer::Skip;
    std::vector<std::string> events;
};

class TargetFileSystemTest : public ::testing::Test {
protected:
    std::string Src(const std::string& name) { return from_ + name; }
    std::string Dst(const std::string& name) { return to_ + name; }

    std::vector<std::string> Sources(std::initializer_list<std::string> names) {
        std::vector<std::string> paths;
        for (const std::string& name : names) {
            WriteFile(Src(name), "content of " + name);
            paths.push_back(Src(name));
        }
        return paths;
    }

    // The target declared to be on a file system of that kind, whatever it really is.
    FileOpRequest CopyTo(FileSystemKind kind, std::vector<std::string> sources) {
        FileOpRequest request{FileOpKind::Copy, std::move(sources), to_, "Zyntra"};
        request.fileSystemOf = [this, kind](const std::string& folder) {
            EXPECT_EQ(folder, to_);
            return kind;
        };
        return request;
    }

    std::vector<std::string> TargetNames() {
        std::vector<std::string> names;
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(to_, error))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    test::TempDir dir_;
    std::string from_ = dir_.Path() + "from/";
    std::string to_ = dir_.Path() + "card/MUSIC/";
};

TEST_F(TargetFileSystemTest, NamesFatCannotHoldAreRefusedOneByOneAndTheRestGoesOn) {
    const std::vector<std::string> bad = {"a:b.mp3", "why?.mp3",  "x\"y.mp3", "s*.mp3",
                                          "<l>.mp3", "p|q.mp3",   "b\\s.mp3", "tab\t.mp3",
                                          "dot.",    "blank.mp3 "};
    auto sources = Sources({"a:b.mp3", "why?.mp3", "x\"y.mp3", "s*.mp3", "<l>.mp3", "p|q.mp3",
                            "b\\s.mp3", "tab\t.mp3", "dot.", "fine.mp3", "blank.mp3 "});

    for (FileSystemKind kind : {FileSystemKind::Fat, FileSystemKind::Exfat}) {
        fs::remove_all(to_);
        ScriptedUi ui;
        FileOpResult result = RunFileOperation(CopyTo(kind, sources), ui);
        EXPECT_FALSE(result.aborted);
        EXPECT_EQ(result.done, 1u);
        ASSERT_EQ(result.errors.size(), bad.size());
        for (std::size_t i = 0; i < bad.size(); ++i) {
            EXPECT_EQ(fs::path(result.errors[i].path).filename().string(), bad[i]);
            EXPECT_NE(result.errors[i].message.find("cannot be stored on"), std::string::npos)
                << result.errors[i].message;
        }
        EXPECT_EQ(TargetNames(), std::vector<std::string>{"fine.mp3"}) << "nothing else written";
        EXPECT_EQ(ui.events.back(), "finishing");
    }

    // A file system without those limits takes the same names.
    fs::remove_all(to_);
    FileOpResult plain = HeadlessFileOperation().Run(CopyTo(FileSystemKind::Unrestricted, sources));
    EXPECT_EQ(plain.done, sources.size());
    EXPECT_EQ(ReadFile(Dst("a:b.mp3")), "content of a:b.mp3");
}

TEST_F(TargetFileSystemTest, FileOf4GiBIsRefusedOnFatBeforeAnythingIsWritten) {
    auto sources = Sources({"small.avi"});
    std::string huge = Src("huge.avi");
    WriteFile(huge, "");
    ASSERT_EQ(truncate(huge.c_str(), static_cast<off_t>(k4GiB)), 0) << "a sparse file";
    sources.insert(sources.begin(), huge);

    FileOpResult result;
    ScriptedUi ui;
    {
        // Should the refusal ever be skipped, the copy fails at 16 MiB.
        test::FileSizeLimit guard(16 << 20);
        FileOpRequest request = CopyTo(FileSystemKind::Fat, sources);
        request.kind = FileOpKind::Move;
        result = RunFileOperation(request, ui);
    }
    ASSERT_EQ(result.errors.size(), 1u);
    EXPECT_EQ(result.errors[0].path, huge);
    EXPECT_NE(result.errors[0].message.find("4 GiB"), std::string::npos);
    EXPECT_EQ(result.done, 1u) << "the refused file's size is not counted against free space";
    EXPECT_EQ(TargetNames(), std::vector<std::string>{"small.avi"});
    EXPECT_TRUE(FileExists(huge)) << "a refused move keeps its source";
    EXPECT_EQ(ui.events,
              (std::vector<std::string>{"file 0", "error huge.avi", "file 1", "finishing"}));

    EXPECT_FALSE(RefusalFor(FileSystemKind::Fat, "huge.avi", k4GiB - 1));
    EXPECT_FALSE(RefusalFor(FileSystemKind::Exfat, "huge.avi", k4GiB * 4));
    EXPECT_FALSE(RefusalFor(FileSystemKind::Unrestricted, "a:b?.", k4GiB));
}

TEST_F(TargetFileSystemTest, ErrorAnsweredCancelStopsTheRest) {
    auto sources = Sources({"1.mp3", "2?.mp3", "3.mp3"});
    ScriptedUi ui;
    ui.onError = ErrorAnswer::Cancel;
    FileOpResult result = RunFileOperation(CopyTo(FileSystemKind::Fat, sources), ui);
    EXPECT_TRUE(result.aborted);
    EXPECT_EQ(result.done, 1u);
    EXPECT_EQ(TargetNames(), std::vector<std::string>{"1.mp3"});
    EXPECT_EQ(ui.events,
              (std::vector<std::string>{"file 0", "file 1", "error 2?.mp3", "finishing"}));

    // The policy's answer, and the same for a delete.
    fs::remove_all(to_);
    FileOperationPolicy cancel;
    cancel.cancelOnError = true;
    FileOpResult copied = HeadlessFileOperation(cancel).Run(CopyTo(FileSystemKind::Fat, sources));
    EXPECT_TRUE(copied.aborted);
    EXPECT_EQ(TargetNames(), std::vector<std::string>{"1.mp3"});
    FileOpResult deleted = HeadlessFileOperation(cancel).Run(
        {FileOpKind::Delete, {Src("1.mp3"), Src("gone"), Src("3.mp3")}, "", ""});
    EXPECT_TRUE(deleted.aborted);
    EXPECT_EQ(deleted.done, 1u);
    EXPECT_TRUE(FileExists(Src("3.mp3")));
}

TEST_F(TargetFileSystemTest, FinishingWritesIsToldOnlyWhenSomethingWasWritten) {
    auto sources = Sources({"a?.mp3", "b.mp3"});
    ScriptedUi allRefused;
    RunFileOperation(CopyTo(FileSystemKind::Fat, {sources[0]}), allRefused);
    EXPECT_EQ(allRefused.events, (std::vector<std::string>{"file 0", "error a?.mp3"}));

    ScriptedUi noFolder;
    FileOpRequest nowhere = CopyTo(FileSystemKind::Fat, sources);
    nowhere.targetFolder.clear();
    nowhere.fileSystemOf = {};
    FileOpResult refused = RunFileOperation(nowhere, noFolder);
    EXPECT_TRUE(refused.aborted);
    EXPECT_EQ(noFolder.events, std::vector<std::string>{"refused"});

    ScriptedUi deleting;
    RunFileOperation({FileOpKind::Delete, sources, "", ""}, deleting);
    EXPECT_EQ(deleting.events, (std::vector<std::string>{"file 0", "file 1", "finishing"}));
    EXPECT_FALSE(FileExists(sources[0]) || FileExists(sources[1]));
}

TEST(TargetFileSystem, MountTableNamesTheFileSystemOfADevice) {
    const std::string mountInfo =
        "22 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
        "40 22 0:52 / /media/u/CARD rw,nosuid - fuseblk /dev/sdb1 rw,user_id=0\n"
        "41 22 8:33 / /media/u/STICK\\040ONE rw - vfat /dev/sdc1 rw\n"
        "42 22 0:60 / /mnt/x rw shared:3 - fuseblk.exfat /dev/sdd1 rw\n";
    auto card = MountOfDevice(mountInfo, 0, 52);
    ASSERT_TRUE(card);
    EXPECT_EQ(card->type, "fuseblk");
    EXPECT_EQ(card->source, "/dev/sdb1");
    EXPECT_EQ(FileSystemKindOfType(MountOfDevice(mountInfo, 8, 33)->type), FileSystemKind::Fat);
    EXPECT_EQ(FileSystemKindOfType(MountOfDevice(mountInfo, 0, 60)->type), FileSystemKind::Exfat);
    EXPECT_FALSE(MountOfDevice(mountInfo, 8, 2));
    EXPECT_EQ(FileSystemKindOfType("fuseblk"), FileSystemKind::Unrestricted) << "or NTFS";
    EXPECT_EQ(FileSystemKindOfType("msdos"), FileSystemKind::Fat);
    EXPECT_EQ(FileSystemKindOfType("exfat"), FileSystemKind::Exfat);

    test::TempDir dir;
    EXPECT_EQ(FileSystemOf(dir.Path() + "not/made/yet"), FileSystemKind::Unrestricted)
        << "the test folder's own file system has no such limits";
}

} // namespace
} // namespace zyntra
