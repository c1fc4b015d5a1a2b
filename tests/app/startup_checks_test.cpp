#include "app/startup_checks.h"
#include "tests/support/charset.h"
#include "tests/support/program_folder_fixture.h"

#include <filesystem>

namespace zyntra {
namespace {

using StartupChecks = test::ProgramFolderTest;

TEST_F(StartupChecks, FindsEachRequiredFileMissingInTurnAndNothingWhenAllAreThere) {
    EXPECT_EQ(FirstMissingRequiredFile(folder_.Path()), std::nullopt);
    for (const char* name : kRequiredFiles) {
        const std::string path = folder_.File(name);
        const std::string kept = path + ".kept";
        std::filesystem::rename(path, kept);
        EXPECT_EQ(FirstMissingRequiredFile(folder_.Path()), std::optional<std::string>(name));
        std::filesystem::rename(kept, path);
    }
    std::filesystem::remove(folder_.File("kvdb.dll"));
    std::filesystem::remove(folder_.File("Lang.ini"));
    EXPECT_EQ(FirstMissingRequiredFile(folder_.Path()), std::optional<std::string>("Lang.ini"));
}

TEST(StartupMessages, FollowTheSystemLanguageInItsCharset) {
    EXPECT_EQ(SystemLanguageFromRegionalSetting("CHT"), "zh_TW");
    EXPECT_EQ(SystemLanguageFromRegionalSetting("CHS"), "zh_CN");
    EXPECT_EQ(SystemLanguageFromRegionalSetting("ENU"), "en_US");
    EXPECT_EQ(SystemLanguageFromRegionalSetting(""), "en_US");

    EXPECT_EQ(test::ToUtf8("BIG5", MissingFilesMessage("zh_TW")), "遺失重要檔案，請重新安裝！");
    EXPECT_EQ(test::ToUtf8("GB2312", MissingFilesMessage("zh_CN")), "遗失重要档案，请重新安装！");
    EXPECT_EQ(MissingFilesMessage("en_US"), "Lost important files, please reinstall ...");
    EXPECT_EQ(test::ToUtf8("BIG5", ScreenTooSmallMessage("zh_TW")), "螢幕解析度至少為800 * 600！");
    EXPECT_EQ(test::ToUtf8("GB2312", ScreenTooSmallMessage("zh_CN")),
              "荧幕解析度至少为800 * 600！");
    EXPECT_EQ(ScreenTooSmallMessage("en_US"), "The screen resolution is at least 800 * 600!");
}

TEST(StartupScreen, StopsOnlyWhenShortOfBothSizes) {
    EXPECT_TRUE(ScreenTooSmall(640, 480));
    EXPECT_FALSE(ScreenTooSmall(1024, 480));
    EXPECT_FALSE(ScreenTooSmall(640, 768));
    EXPECT_FALSE(ScreenTooSmall(800, 599));
    EXPECT_TRUE(ScreenTooSmall(799, 599));
}

} // namespace
} // namespace zyntra
