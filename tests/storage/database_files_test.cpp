#include "kit/message_box.h"
#include "storage/database_copy.h"
#include "storage/database_files.h"
#include "tests/support/program_folder_fixture.h"
#include "tests/support/ui_doubles.h"

#include <filesystem>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace zyntra {
namespace {

using test::FileExists;
using test::ReadFile;
using test::WriteFile;

class DatabaseFilesTest : public test::ProgramFolderTest {
protected:
    void TearDown() override { SetCopyFaultHook({}); }
};

TEST_F(DatabaseFilesTest, SlotFilesFollowTheProgramFolderAndTheDeviceRoot) {
    const std::string& folder = folder_.Path();
    EXPECT_EQ(WorkingCopyPath(1), folder + "data/default-1.dat");
    EXPECT_EQ(TemplatePath(5), folder + "init/default-5.dat");
    EXPECT_EQ(BackupPath(3), folder + "backup/default-3.dat");
    EXPECT_EQ(ScratchCopyPath(1), folder + "temp.dat");
    EXPECT_EQ(ScratchCopyPath(2), folder + "temp_1.dat");
    EXPECT_EQ(ScratchCopyPath(3), folder + "temp_2.dat");
    EXPECT_EQ(ScratchCopyPath(4), "");
    EXPECT_EQ(ScratchCopyPath(5), "");
    EXPECT_EQ(DeviceDatabasePath("/media/qx/", 1), "/media/qx/Secretary/PIM.db");
    EXPECT_EQ(DeviceDatabasePath("/media/qx/", 2), "/media/qx/Secretary/ECDIY_Dict.db");
    EXPECT_EQ(DeviceDatabasePath("/media/qx/", 5), "/media/qx/Secretary/CJDIY_Dict.db");
}

TEST_F(DatabaseFilesTest, ResetReplacesEveryWorkingCopyWithItsTemplate) {
    for (int slot = 1; slot <= kDatabaseSlotCount; ++slot)
        WriteFile(WorkingCopyPath(slot), "data left by an earlier run " + std::to_string(slot));
    // A working copy marked read-only before start-up must be replaced and
    // writable afterwards.
    ASSERT_EQ(chmod(WorkingCopyPath(2).c_str(), 0444), 0);
    WriteFile(BackupPath(1), "the user's backup");

    ResetWorkingCopies();

    for (int slot = 1; slot <= kDatabaseSlotCount; ++slot) {
        EXPECT_EQ(ReadFile(WorkingCopyPath(slot)), ReadFile(TemplatePath(slot))) << slot;
        EXPECT_FALSE(FileExists(WorkingCopyPath(slot) + ".part")) << slot;
    }
    struct stat status {};
    ASSERT_EQ(stat(WorkingCopyPath(2).c_str(), &status), 0);
    EXPECT_NE(status.st_mode & S_IWUSR, 0u);
    EXPECT_EQ(ReadFile(BackupPath(1)), "the user's backup");
}

TEST_F(DatabaseFilesTest, ResetLeavesAWorkingCopyWhoseTemplateIsMissing) {
    std::filesystem::remove(TemplatePath(4));
    WriteFile(WorkingCopyPath(4), "kept");
    ResetWorkingCopies();
    EXPECT_EQ(ReadFile(WorkingCopyPath(4)), "kept");
    EXPECT_EQ(ReadFile(WorkingCopyPath(5)), ReadFile(TemplatePath(5)));
}

TEST_F(DatabaseFilesTest, FailedCopyLeavesTheTargetByteIdentical) {
    const std::string target = folder_.File("device/PIM.db");
    WriteFile(target, "device data before the copy");
    std::string hookTarget;
    SetCopyFaultHook([&](const std::string& t) {
        hookTarget = t;
        return false;
    });

    EXPECT_FALSE(CopyDatabaseFile(WorkingCopyPath(1), target));
    EXPECT_EQ(hookTarget, target);
    EXPECT_EQ(ReadFile(target), "device data before the copy");
    EXPECT_FALSE(FileExists(target + ".part"));

    SetCopyFaultHook({});
    EXPECT_TRUE(CopyDatabaseFile(WorkingCopyPath(1), target));
    EXPECT_EQ(ReadFile(target), ReadFile(WorkingCopyPath(1)));
}

TEST_F(DatabaseFilesTest, ACopyIsWholeWhateverTheSizeAndWhateverTheFileSystemReports) {
    // Larger than any one transfer buffer, and not a multiple of a block.
    std::string bytes(3 * 1024 * 1024 + 17, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 131 % 251);
    WriteFile(folder_.File("big.dat"), bytes);
    WriteFile(folder_.File("copy.dat"), "a longer file that was there before the copy, and more");
    EXPECT_TRUE(CopyDatabaseFile(folder_.File("big.dat"), folder_.File("copy.dat")));
    EXPECT_EQ(ReadFile(folder_.File("copy.dat")), bytes);

    // A pseudo file claims to be empty to the kernel's copy; its text is still copied.
    const std::string version = ReadFile("/proc/version");
    ASSERT_FALSE(version.empty());
    EXPECT_TRUE(CopyDatabaseFile("/proc/version", folder_.File("version.dat")));
    EXPECT_EQ(ReadFile(folder_.File("version.dat")), version);

    WriteFile(folder_.File("empty.dat"), "");
    EXPECT_TRUE(CopyDatabaseFile(folder_.File("empty.dat"), folder_.File("copy.dat")));
    EXPECT_EQ(ReadFile(folder_.File("copy.dat")), "");
}

TEST_F(DatabaseFilesTest, CopyFailsWithoutTouchingAnythingWhenSourceOrFolderIsMissing) {
    EXPECT_FALSE(CopyDatabaseFile(folder_.File("no-such.dat"), folder_.File("out.dat")));
    EXPECT_FALSE(FileExists(folder_.File("out.dat")));
    EXPECT_FALSE(FileExists(folder_.File("out.dat.part")));
    EXPECT_FALSE(CopyDatabaseFile(TemplatePath(1), folder_.File("missing/folder/PIM.db")));
}

class DatabaseFileSetTest : public DatabaseFilesTest {
protected:
    DatabaseFileSetTest() {
        for (const char* name : {"a", "b"}) {
            WriteFile(folder_.File(std::string("new-") + name), std::string("new ") + name);
            WriteFile(Target(name), std::string("old ") + name);
        }
        WriteFile(folder_.File("new-c"), "new c");
    }

    std::string Target(const std::string& name) const { return folder_.File("set/" + name); }
    std::vector<DatabaseFileCopy> Copies() const {
        return {{folder_.File("new-a"), Target("a")},
                {folder_.File("new-b"), Target("b")},
                {folder_.File("new-c"), Target("c")}};
    }
    // What the set's folder holds, file by file.
    std::map<std::string, std::string> Folder() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder_.File("set")))
            files[entry.path().filename().string()] =
                entry.is_regular_file() ? ReadFile(entry.path().string()) : "(folder)";
        return files;
    }
};

TEST_F(DatabaseFileSetTest, ASetIsReplacedWholeOrNotAtAll) {
    const std::map<std::string, std::string> before = Folder();
    SetCopyFaultHook([&](const std::string& target) { return target != Target("b"); });
    EXPECT_EQ(CopyDatabaseFiles(Copies()), (std::vector<std::size_t>{1}));
    EXPECT_EQ(Folder(), before);

    // A target that cannot be put in place after others were puts those back.
    SetCopyFaultHook({});
    std::filesystem::create_directories(Target("b") + ".previous/in-the-way");
    EXPECT_EQ(CopyDatabaseFiles(Copies()), (std::vector<std::size_t>{1}));
    std::map<std::string, std::string> expected = before;
    expected["b.previous"] = "(folder)";
    EXPECT_EQ(Folder(), expected);

    std::filesystem::remove_all(Target("b") + ".previous");
    WriteFile(Target("a") + ".previous", "left by a run that ended half-way");
    EXPECT_TRUE(CopyDatabaseFiles(Copies()).empty());
    EXPECT_EQ(Folder(),
              (std::map<std::string, std::string>{{"a", "new a"}, {"b", "new b"}, {"c", "new c"}}));
}

TEST_F(DatabaseFilesTest, FileSizeReportsAnUnreadableStatusAndCountsBeyondFourGigabytes) {
    RecordingMessageBox messages;
    EXPECT_EQ(FileSize(folder_.File("absent.dat"), messages), 0);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].caption, "ERROR");
    EXPECT_EQ(messages.Shown()[0].text, "ERROR for STAT");

    messages.Clear();
    WriteFile(folder_.File("empty.dat"), "");
    EXPECT_EQ(FileSize(folder_.File("empty.dat"), messages), 0);
    const std::string big = folder_.File("video.avi");
    WriteFile(big, "");
    const std::int64_t fiveGigabytes = 5LL * 1024 * 1024 * 1024;
    ASSERT_EQ(truncate(big.c_str(), fiveGigabytes), 0);
    EXPECT_EQ(FileSize(big, messages), fiveGigabytes);
    EXPECT_TRUE(messages.Shown().empty());
}

} // namespace
} // namespace zyntra
