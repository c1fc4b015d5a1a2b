#include "platform/file_attributes.h"
#include "storage/database_copy.h"
#include "storage/database_files.h"
#include "storage/db.h"
#include "tests/support/program_folder_fixture.h"

#include <filesystem>
#include <sys/stat.h>

namespace zyntra {
namespace {

namespace fs = std::filesystem;
using test::FileExists;
using test::ReadFile;
using test::WriteFile;

// A device's internal memory "dev/" beside a computer file "host.db" (read-only, as the
// user keeps it) that the medium links to.
class DeviceFileLinksTest : public test::ProgramFolderTest {
protected:
    void SetUp() override {
        fs::create_directories(root_ + "Secretary");
        fs::copy_file(TemplatePath(1), host_);
        ASSERT_EQ(::chmod(host_.c_str(), 0400), 0);
        hostBytes_ = ReadFile(host_);
    }
    mode_t HostMode() const {
        struct stat status {};
        EXPECT_EQ(::stat(host_.c_str(), &status), 0);
        return status.st_mode & 07777;
    }

    const std::string root_ = folder_.File("dev/");
    const std::string host_ = folder_.File("host.db");
    std::string hostBytes_;
};

TEST_F(DeviceFileLinksTest, ADevicePathThroughALinkIsNoPath) {
    fs::copy_file(TemplatePath(1), DeviceDatabasePath(root_, 1));
    fs::create_symlink(host_, root_ + "Secretary/ECDIY_Dict.db");
    EXPECT_EQ(DeviceDatabasePath(root_, 1), root_ + "Secretary/PIM.db");
    EXPECT_EQ(DeviceDatabasePath(root_, 2), "");
    EXPECT_EQ(DeviceDatabasePath(root_, 3), root_ + "Secretary/CEDIY_Dict.db");

    fs::rename(root_ + "Secretary", folder_.File("elsewhere"));
    fs::create_directory_symlink(folder_.File("elsewhere"), root_ + "Secretary");
    for (int slot = 1; slot <= kDatabaseSlotCount; ++slot)
        EXPECT_EQ(DeviceDatabasePath(root_, slot), "") << slot;

    // What the empty path is handed to fails without touching the working directory.
    EXPECT_FALSE(CopyDatabaseFile(TemplatePath(1), ""));
    EXPECT_FALSE(CopyDatabaseFile("", WorkingCopyPath(1)));
    EXPECT_EQ(OpenExistingDatabase(""), nullptr);
    EXPECT_FALSE(FileExists(".part"));
}

TEST_F(DeviceFileLinksTest, ADatabaseLinkedToAComputerFileIsNeitherReadNorChanged) {
    const std::string linked = root_ + "Secretary/PIM.db";
    fs::create_symlink(host_, linked);
    const std::string scratch = ScratchCopyPath(1);

    EXPECT_FALSE(CopyDatabaseFile(linked, scratch));
    EXPECT_FALSE(FileExists(scratch));
    EXPECT_FALSE(SetArchiveOnly(linked));
    EXPECT_EQ(OpenExistingDatabase(linked), nullptr);

    EXPECT_EQ(HostMode(), 0400u);
    EXPECT_EQ(ReadFile(host_), hostBytes_);
    EXPECT_TRUE(fs::is_symlink(linked));

    // A regular device file of the same mode is made writable as before.
    const std::string own = root_ + "Secretary/ECDIY_Dict.db";
    fs::copy_file(TemplatePath(2), own);
    ASSERT_EQ(::chmod(own.c_str(), 0400), 0);
    EXPECT_TRUE(SetArchiveOnly(own));
    EXPECT_NE(fs::status(own).permissions() & fs::perms::owner_write, fs::perms::none);
    sqlite3* db = OpenExistingDatabase(own);
    EXPECT_NE(db, nullptr);
    db_close(db);
}

TEST_F(DeviceFileLinksTest, ACopyReplacesWhatIsPlantedUnderItsNamesInsteadOfWritingThroughIt) {
    const std::string target = root_ + "Secretary/PIM.db";
    fs::create_symlink(host_, target + ".part");
    // Writable, so that a copy written through the link would show.
    ASSERT_EQ(::chmod(host_.c_str(), 0600), 0);

    EXPECT_TRUE(CopyDatabaseFile(TemplatePath(2), target));

    EXPECT_EQ(ReadFile(host_), hostBytes_);
    EXPECT_FALSE(fs::is_symlink(target));
    EXPECT_EQ(ReadFile(target), ReadFile(TemplatePath(2)));
    EXPECT_FALSE(FileExists(target + ".part"));

    // A link standing as the target is replaced, not followed.
    fs::remove(target);
    fs::create_symlink(host_, target);
    EXPECT_TRUE(CopyDatabaseFile(TemplatePath(2), target));
    EXPECT_FALSE(fs::is_symlink(target));
    EXPECT_EQ(ReadFile(host_), hostBytes_);
}

} // namespace
} // namespace zyntra
