#include "platform/backends.h"
#include "platform/shell_folders.h"
#include "tests/platform/scoped_env.h"
#include "tests/support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace zyntra {
namespace {

namespace fs = std::filesystem;

TEST(SpecialFoldersTest, UserDirsFileWinsOverTheDefaults) {
    test::TempDir home;
    test::TempDir config;
    test::ScopedEnv homeEnv("HOME", home.Path());
    test::ScopedEnv configEnv("XDG_CONFIG_HOME", config.Path());
    auto folders = MakeSpecialFolders();
    std::string base = home.Path().substr(0, home.Path().size() - 1);

    EXPECT_EQ(folders->DesktopPath(), base + "/Desktop");
    EXPECT_EQ(folders->PersonalPath(), base + "/Documents");
    EXPECT_EQ(folders->DesktopCaption(), "Desktop");
    EXPECT_EQ(folders->ComputerCaption(), "Computer");

    test::WriteFile(config.Path() + "user-dirs.dirs",
                    "# written by xdg-user-dirs-update\n"
                    "XDG_DESKTOP_DIR=\"$HOME/桌面\"\n"
                    "XDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n"
                    "XDG_DOCUMENTS_DIR=\"/data/My \\\"Docs\\\"/\"\n");
    EXPECT_EQ(folders->DesktopPath(), base + "/桌面");
    EXPECT_EQ(folders->DesktopCaption(), "桌面");
    EXPECT_EQ(folders->PersonalPath(), "/data/My \"Docs\"");
    EXPECT_EQ(folders->HomePath(), base); // the user-dirs file never moves the home folder
    EXPECT_EQ(folders->PersonalCaption(), "My \"Docs\"");
}

TEST(SpecialFoldersTest, UserDirValuesThatAreNotPathsFallBack) {
    const std::string home = "/home/u";
    EXPECT_EQ(UserDirFromText("XDG_DESKTOP_DIR=\"$HOME\"\n", "XDG_DESKTOP_DIR", home), "/home/u");
    EXPECT_EQ(UserDirFromText("XDG_DESKTOP_DIR=\"Desktop\"\n", "XDG_DESKTOP_DIR", home), "");
    EXPECT_EQ(UserDirFromText("XDG_DESKTOP_DIRX=\"/x\"\n", "XDG_DESKTOP_DIR", home), "");
    EXPECT_EQ(UserDirFromText("  XDG_DESKTOP_DIR=/plain\n", "XDG_DESKTOP_DIR", home), "/plain");

    test::TempDir config;
    test::WriteFile(config.Path() + "user-dirs.dirs", "XDG_DESKTOP_DIR=\"relative\"\n");
    XdgSpecialFolders folders("/home/u", config.Path());
    EXPECT_EQ(folders.DesktopPath(), "/home/u/Desktop");
    EXPECT_EQ(XdgSpecialFolders("", "").PersonalPath(), "");
    EXPECT_EQ(XdgSpecialFolders("", "").PersonalCaption(), "");
}

TEST(SpecialFoldersTest, DesktopFoldersAreItsRealVisibleFolders) {
    test::TempDir dir;
    std::string desktop = dir.Path() + "Desktop";
    fs::create_directories(desktop + "/Projects");
    fs::create_directories(desktop + "/Books");
    fs::create_directories(desktop + "/.hidden");
    fs::create_directories(dir.Path() + "elsewhere");
    fs::create_directory_symlink(dir.Path() + "elsewhere", desktop + "/Linked");
    test::WriteFile(desktop + "/trash.desktop", "[Desktop Entry]\nType=Link\nURL=trash:///\n");
    test::WriteFile(desktop + "/notes.txt", "x");

    MemorySpecialFolders folders(desktop, dir.Path() + "Documents");
    EXPECT_EQ(folders.DesktopFolderNames(),
              (std::vector<std::string>{"Books", "Linked", "Projects"}));
    EXPECT_TRUE(MemorySpecialFolders(dir.Path() + "none", "").DesktopFolderNames().empty());
}

} // namespace
} // namespace zyntra
