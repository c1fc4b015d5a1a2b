#include "platform/program_folder.h"
#include "platform/registry.h"
#include "platform/write_access.h"
#include "tests/platform/scoped_env.h"
#include "tests/support/temp_dir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zyntra {
namespace {

TEST(UserFolderRule, AWritableFolderWithWorkingCopiesIsItsOwnElseTheDataHomeHoldsIt) {
    test::TempDir program;
    test::TempDir dataHome;
    test::ScopedEnv xdg("XDG_DATA_HOME", dataHome.Path());
    std::filesystem::create_directory(program.Path() + "data");
    // data/ with only the splash clip is what an installation ships.
    test::WriteFile(program.Path() + "data/loading.avi", "clip");
    EXPECT_EQ(UserFolderFor(program.Path()), dataHome.Path() + "zyntra/");

    test::WriteFile(program.Path() + "data/default-1.dat", "db");
    EXPECT_EQ(UserFolderFor(program.Path()), program.Path());
    if (geteuid() != 0) { // permissions do not stop root
        chmod(program.Path().c_str(), 0555);
        EXPECT_EQ(UserFolderFor(program.Path()), dataHome.Path() + "zyntra/");
        chmod(program.Path().c_str(), 0755);
    }

    // An unset or relative XDG_DATA_HOME means the default below the home folder.
    test::TempDir home;
    test::ScopedEnv homeEnv("HOME", home.Path());
    test::TempDir installed;
    for (std::optional<std::string> value : {std::optional<std::string>(), {"relative/dir"}}) {
        test::ScopedEnv unset("XDG_DATA_HOME", value);
        EXPECT_EQ(UserFolderFor(installed.Path()), home.Path() + ".local/share/zyntra/");
    }
}

TEST(LanguageSectionOfLocale, ChineseTerritoriesChooseTheirSectionAndEveryOtherLocaleEnglish) {
    EXPECT_EQ(LanguageSectionOfLocale("zh_TW.UTF-8"), "TChinese");
    EXPECT_EQ(LanguageSectionOfLocale("zh_HK.Big5HKSCS"), "TChinese");
    EXPECT_EQ(LanguageSectionOfLocale("zh_CN.GB2312"), "SChinese");
    EXPECT_EQ(LanguageSectionOfLocale("zh_SG.UTF-8"), "SChinese");
    EXPECT_EQ(LanguageSectionOfLocale("zh_MO.UTF-8"), "English");
    EXPECT_EQ(LanguageSectionOfLocale("en_GB.UTF-8"), "English");
    EXPECT_EQ(LanguageSectionOfLocale("C"), "English");
    EXPECT_EQ(LanguageSectionOfLocale(""), "English");
}

// The mount point of a file system mounted read-only, if this machine has one.
std::optional<std::string> ReadOnlyMountPoint() {
    std::ifstream mounts("/proc/self/mounts");
    std::string device, point, type, options;
    while (mounts >> device >> point >> type >> options) {
        mounts.ignore(1 << 12, '\n');
        if ((options == "ro" || options.starts_with("ro,")) && point.find('\\') == point.npos &&
            access(point.c_str(), F_OK) == 0)
            return point;
    }
    return std::nullopt;
}

TEST(WriteAccess, MissingPathsAreNoHindranceAndReadOnlyMountsAndRefusedFilesAreTold) {
    test::TempDir dir;
    const std::string file = dir.Path() + "PIM.db";
    test::WriteFile(file, "db");
    EXPECT_EQ(WriteAccessOf({dir.Path(), file, dir.Path() + "missing.db"}), WriteAccess::Writable);
    if (geteuid() != 0) {
        chmod(file.c_str(), 0444);
        EXPECT_EQ(WriteAccessOf({dir.Path(), file}), WriteAccess::NotWritable);
        chmod(file.c_str(), 0644);
    }
    const std::optional<std::string> readOnly = ReadOnlyMountPoint();
    if (!readOnly)
        GTEST_SKIP() << "no read-only mount on this machine";
    EXPECT_EQ(WriteAccessOf({dir.Path(), *readOnly}), WriteAccess::ReadOnlyMount);
}

} // namespace
} // namespace zyntra
