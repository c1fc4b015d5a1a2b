#include "app/startup_checks.h"
#include "app/user_folder.h"
#include "kit/controls.h"
#include "platform/program_folder.h"
#include "platform/single_instance.h"
#include "storage/database_files.h"
#include "tests/support/device_fixture.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/personal_db_fixture.h"
#include "tests/support/unwritable_file.h"
#include "texts/ini_file.h"
#include "texts/lang_text.h"

#include <filesystem>
#include <map>

namespace zyntra {
namespace {

namespace fs = std::filesystem;

// Every file and folder below a folder with its size and time: what a write would change.
std::map<std::string, std::pair<std::uintmax_t, fs::file_time_type>>
Listing(const std::string& folder) {
    std::map<std::string, std::pair<std::uintmax_t, fs::file_time_type>> listing;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        const std::uintmax_t size = entry.is_regular_file() ? entry.file_size() : 0;
        listing[entry.path().string()] = {size, entry.last_write_time()};
    }
    return listing;
}

std::string Section(const std::string& languageFile) {
    return IniFile(languageFile).ReadString("SetLanguage", "Language", "");
}

TEST(UserFolderSetup, FirstStartSeedsTheUserFolderFromTheLocaleAndLaterStartsKeepItsFiles) {
    test::SplitProgramFolders folders;
    ASSERT_EQ(folders.User(), folders.DataHome() + "zyntra/");
    folders.Seal();
    const auto shipped = Listing(folders.Program());

    const UserFolderSetup first = PrepareUserFolder("zh_HK.UTF-8");
    EXPECT_TRUE(first.firstStart);
    EXPECT_TRUE(first.copiedBackupFiles.empty());
    for (int slot = 1; slot <= kDatabaseSlotCount; ++slot) {
        EXPECT_EQ(WorkingCopyPath(slot),
                  folders.User() + "data/default-" + std::to_string(slot) + ".dat");
        EXPECT_EQ(test::ReadFile(WorkingCopyPath(slot)), test::ReadFile(TemplatePath(slot)));
    }
    EXPECT_TRUE(fs::is_directory(folders.User() + "backup"));
    EXPECT_TRUE(fs::is_empty(folders.User() + "backup"));
    EXPECT_EQ(LanguageFilePath(), folders.User() + "Lang.ini");
    EXPECT_EQ(Section(LanguageFilePath()), "TChinese");
    EXPECT_EQ(FirstMissingRequiredFile(ProgramFolder(), UserFolder()), std::nullopt);

    // The user's own choices survive the next start, whatever the locale says then.
    IniFile(LanguageFilePath()).WriteString("SetLanguage", "Language", "SChinese");
    test::WriteFile(WorkingCopyPath(2), "edited");
    const UserFolderSetup second = PrepareUserFolder("en_US.UTF-8");
    EXPECT_FALSE(second.firstStart);
    EXPECT_EQ(Section(LanguageFilePath()), "SChinese");
    EXPECT_EQ(test::ReadFile(WorkingCopyPath(2)), "edited");
    EXPECT_EQ(Listing(folders.Program()), shipped);
}

TEST(UserFolderSetup, ANewerShippedLanguageFileReplacesTheUsersButKeepsTheirSection) {
    test::SplitProgramFolders folders;
    PrepareUserFolder("zh_CN.UTF-8");
    ASSERT_EQ(Section(LanguageFilePath()), "SChinese");
    test::WriteFile(LanguageFilePath(), "[SetLanguage]\nLanguage=TChinese\n");
    fs::last_write_time(LanguageFilePath(),
                        fs::file_time_type::clock::now() - std::chrono::hours(1));
    PrepareUserFolder("C");
    EXPECT_EQ(Section(LanguageFilePath()), "TChinese");
    EXPECT_EQ(IniFile(LanguageFilePath()).ReadString("English", "SM_SyncOK", ""),
              IniFile(ProgramFolder() + "Lang.ini").ReadString("English", "SM_SyncOK", ""));
}

TEST(UserFolderSetup, AMissingShippedFileStillStopsTheStart) {
    for (const char* shippedFile : {"Lang.ini", "init/default-3.dat", "kvdb.dll"}) {
        test::SplitProgramFolders folders;
        fs::remove(folders.Program() + shippedFile);
        PrepareUserFolder("C");
        const std::optional<std::string> missing =
            FirstMissingRequiredFile(ProgramFolder(), UserFolder());
        // A missing template leaves its working copy unseeded, which is checked first.
        EXPECT_EQ(missing, std::string(shippedFile) == "init/default-3.dat"
                               ? std::optional<std::string>("data/default-3.dat")
                               : std::optional<std::string>(shippedFile));
    }
    test::SplitProgramFolders folders;
    test::MainWindowHarness harness;
    // The harness points the process at a folder of its own; these folders are put back.
    SetProgramFolders(folders.Program(), folders.User());
    fs::remove(folders.Program() + "iconv.dll");
    EXPECT_FALSE(harness.Window().FormCreate());
    ASSERT_EQ(harness.ui.messages.Shown().size(), 1u);
    EXPECT_EQ(harness.ui.messages.Shown()[0].text, MissingFilesMessage("en_US"));
}

TEST(UserFolderSetup, AnOldBackupInTheProgramFolderIsCopiedOnceAndLeftInPlace) {
    test::SplitProgramFolders folders;
    test::MainWindowHarness harness;
    SetProgramFolders(folders.Program(), folders.User());
    test::WriteFile(folders.Program() + "backup/default-1.dat", "old backup");
    folders.Seal();

    ASSERT_TRUE(harness.Create());
    EXPECT_EQ(test::ReadFile(folders.User() + "backup/default-1.dat"), "old backup");
    EXPECT_EQ(test::ReadFile(folders.Program() + "backup/default-1.dat"), "old backup");
    ASSERT_FALSE(harness.ui.messages.Shown().empty());
    const std::string told = harness.ui.messages.Shown()[0].text;
    EXPECT_EQ(told.find(LangText("SM_OldBackupCopied")), 0u);
    EXPECT_NE(told.find(folders.User() + "backup/"), std::string::npos);

    test::WriteFile(folders.User() + "backup/default-1.dat", "newer backup");
    const UserFolderSetup again = PrepareUserFolder("C");
    EXPECT_TRUE(again.copiedBackupFiles.empty());
    EXPECT_EQ(test::ReadFile(folders.User() + "backup/default-1.dat"), "newer backup");
}

// The window run as a user drives it, from an installed, read-only program folder.
class InstalledWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        internal_ = drives_.AddInternalMemory("internal",
                                              test::DeviceHeader("A1", DriveKind::InternalMemory));
        test::InsertAddress(DeviceDatabasePath(internal_, 1), {1, "Alice Chen", 1, "a@b.c"});
        folders_.Seal();
        harness_.Window().SetSettingsPath(WindowSettingsPath());
    }
    template <class T> T& Get(const char* name) {
        return harness_.Window().Controls().Get<T>(name);
    }
    const std::string& LastShown() { return harness_.ui.messages.Shown().back().text; }

    test::MainWindowHarness harness_;
    test::SplitProgramFolders folders_;
    test::FixtureDrives drives_{harness_.volumes};
    std::string internal_;
};

TEST_F(InstalledWindowTest, EveryWriteLandsInTheUserFolderAndNoneInTheProgramFolder) {
    const auto shipped = Listing(folders_.Program());
    SingleInstance lock("Zyntra lock test");
    EXPECT_EQ(lock.GetState(), SingleInstance::State::Acquired);
    EXPECT_TRUE(test::FileExists(folders_.User() + LockFileName("Zyntra lock test")));

    ASSERT_TRUE(harness_.Create());
    EXPECT_TRUE(test::FileExists(folders_.User() + "Desktop.ico"));
    Get<SpeedButton>("sbSync").Click();
    EXPECT_EQ(LastShown(), LangText("SM_SyncOK"));
    Get<SpeedButton>("sbBackup").Click();
    EXPECT_EQ(LastShown(), LangText("SM_ExportOK"));
    harness_.Window().FormDestroy();

    EXPECT_EQ(test::ReadAddresses(folders_.User() + "backup/default-1.dat").size(), 1u);
    EXPECT_FALSE(fs::is_empty(folders_.User() + "snapshots"));
    EXPECT_TRUE(test::FileExists(WindowSettingsPath()));
    EXPECT_EQ(fs::path(WindowSettingsPath()).parent_path().string() + "/", folders_.User());
    EXPECT_FALSE(test::FileExists(folders_.User() + "Desktop.ico"));
    EXPECT_EQ(Listing(folders_.Program()), shipped);
}

TEST_F(InstalledWindowTest, ADeviceWhoseFilesCannotBeWrittenIsToldSoAndLeftAsItWas) {
    const std::string pim = DeviceDatabasePath(internal_, 1);
    const std::string before = test::ReadFile(pim);
    test::UnwritableFile unwritable(pim);
    if (!unwritable.Active())
        GTEST_SKIP() << "this machine cannot make a file unwritable for this process";
    ASSERT_TRUE(harness_.Create());
    Get<SpeedButton>("sbSync").Click();
    EXPECT_EQ(LastShown(), LangText("SM_DeviceNotWritable"));
    EXPECT_NE(LangText("SM_DeviceNotWritable"), "");
    EXPECT_EQ(test::ReadFile(pim), before);
    EXPECT_FALSE(test::FileExists(internal_ + "_sync.dat"));
    EXPECT_FALSE(fs::exists(folders_.User() + "snapshots"));
}

} // namespace
} // namespace zyntra
