#include "texts/ini_file.h"
#include "tests/support/temp_dir.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>

namespace zyntra {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

std::set<std::string> NamesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

TEST(IniFileWrite, ReplacesFirstValueKeepingEveryOtherByteAndTheMode) {
    TempDir dir;
    const std::string path = dir.Path() + "Zyntra.ini";
    WriteFile(path, "; window settings\n"
                    "Top=before sections\n"
                    "[Other]\n"
                    "Top=1\n"
                    "\n"
                    "[MainForm]\n"
                    "; placement\n"
                    "  top = 5  \n"
                    "Top=6\n"
                    "no equals sign\n"
                    "Left=\n"
                    "[mainform]\n"
                    "Top=7");
    chmod(path.c_str(), 0640);
    IniFile ini(path);
    EXPECT_EQ(ini.ReadInt("MainForm", "Top", 0), 5);
    ASSERT_TRUE(ini.WriteInt("MAINFORM", "TOP", 128));
    ASSERT_TRUE(ini.WriteInt("MainForm", "Left", -3));
    EXPECT_EQ(ReadFile(path), "; window settings\n"
                              "Top=before sections\n"
                              "[Other]\n"
                              "Top=1\n"
                              "\n"
                              "[MainForm]\n"
                              "; placement\n"
                              "  top = 128\n"
                              "Top=6\n"
                              "no equals sign\n"
                              "Left=-3\n"
                              "[mainform]\n"
                              "Top=7");
    EXPECT_EQ(ini.ReadInt("MainForm", "Top", 0), 128);
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(IniFileWrite, AddsKeyAtEndOfItsSectionAndSectionAtEndOfFile) {
    TempDir dir;
    const std::string path = dir.Path() + "a.ini";
    WriteFile(path, "[MainForm]\n"
                    "Top=1\n"
                    "; about Other\n"
                    "\n"
                    "[Empty]\n"
                    "[Other]\n"
                    "x=1");
    IniFile ini(path);
    ASSERT_TRUE(ini.WriteInt("mainform", "Width", 1024));
    ASSERT_TRUE(ini.WriteString("Empty", "e", "v"));
    ASSERT_TRUE(ini.WriteString("Other", "y", "2"));
    ASSERT_TRUE(ini.WriteString("New", "k", "n"));
    EXPECT_EQ(ReadFile(path), "[MainForm]\n"
                              "Top=1\n"
                              "Width=1024\n"
                              "; about Other\n"
                              "\n"
                              "[Empty]\n"
                              "e=v\n"
                              "[Other]\n"
                              "x=1\n"
                              "y=2\n"
                              "\n"
                              "[New]\n"
                              "k=n\n");
}

TEST(IniFileWrite, CreatesMissingFileAndRoundTripsThroughReader) {
    TempDir dir;
    const std::string path = dir.Path() + "Zyntra.ini";
    IniFile ini(path);
    EXPECT_EQ(ini.ReadInt("MainForm", "Top", 9), 9);
    ASSERT_TRUE(ini.WriteInt("MainForm", "Top", 128));
    EXPECT_EQ(ReadFile(path), "[MainForm]\nTop=128\n");
    EXPECT_EQ(ini.ReadInt("MainForm", "Top", 9), 128);
    const std::string values[] = {"  padded\t",        "\"quoted\"", "'x'", "a=b;c", "",
                                  "\xA5\x5C|\xA5\x7C", "\"",         "|",   "v"};
    for (const std::string& value : values) {
        ASSERT_TRUE(ini.WriteString("MainForm", "Caption", value));
        EXPECT_EQ(ini.ReadString("MainForm", "Caption", "?"), value);
    }
    EXPECT_EQ(ReadFile(path), "[MainForm]\nTop=128\nCaption=v\n");
}

TEST(IniFileWrite, RefusesWhatWouldBreakTheLineStructure) {
    TempDir dir;
    const std::string path = dir.Path() + "a.ini";
    WriteFile(path, "[A]\nk=1\n");
    IniFile ini(path);
    EXPECT_FALSE(ini.WriteString("A", "k", "2\n[Evil]\nx=1"));
    EXPECT_FALSE(ini.WriteString("A", "k", "2\r"));
    EXPECT_FALSE(ini.WriteString("A\n", "k", "2"));
    EXPECT_FALSE(ini.WriteString("A", "a=b", "2"));
    EXPECT_FALSE(ini.WriteString("A", ";k", "2"));
    EXPECT_FALSE(ini.WriteString("A", "[k]", "2"));
    EXPECT_FALSE(ini.WriteString("A", " ", "2"));
    EXPECT_FALSE(ini.WriteString("", "k", "2"));
    EXPECT_EQ(ReadFile(path), "[A]\nk=1\n");
}

TEST(IniFileWrite, CrlfFileStaysCrlf) {
    TempDir dir;
    const std::string path = dir.Path() + "a.ini";
    WriteFile(path, "[MainForm]\r\nTop=1\r\n; note\r\n");
    IniFile ini(path);
    ASSERT_TRUE(ini.WriteInt("MainForm", "Top", 2));
    ASSERT_TRUE(ini.WriteInt("MainForm", "Left", 3));
    ASSERT_TRUE(ini.WriteInt("Other", "x", 4));
    EXPECT_EQ(ReadFile(path), "[MainForm]\r\nTop=2\r\nLeft=3\r\n; note\r\n\r\n[Other]\r\nx=4\r\n");
    EXPECT_EQ(ini.ReadInt("MainForm", "Top", 0), 2);
}

TEST(IniFileWrite, FailureReturnsFalseKeepsOldFileAndLeavesNoTemporaryFile) {
    TempDir dir;
    WriteFile(dir.Path() + "plain", "x");
    EXPECT_FALSE(IniFile(dir.Path() + "missing/Zyntra.ini").WriteInt("M", "k", 1));
    EXPECT_FALSE(IniFile(dir.Path() + "plain/Zyntra.ini").WriteInt("M", "k", 1));
    std::filesystem::create_directory(dir.Path() + "folder.ini");
    EXPECT_FALSE(IniFile(dir.Path() + "folder.ini").WriteInt("M", "k", 1));
    // Something that exists but cannot be read as a file is not replaced.
    const std::string fifo = dir.Path() + "fifo.ini";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    EXPECT_EQ(IniFile(fifo).ReadString("M", "k", "?"), "?");
    EXPECT_FALSE(IniFile(fifo).WriteInt("M", "k", 1));
    struct stat info {};
    ASSERT_EQ(stat(fifo.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_EQ(NamesIn(dir.Path()), (std::set<std::string>{"plain", "folder.ini", "fifo.ini"}));

    // A file-size limit makes the write of the temporary file fail as on a full disk.
    const std::string path = dir.Path() + "Zyntra.ini";
    WriteFile(path, "[M]\nk=1\n");
    IniFile ini(path);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = ini.WriteString("M", "k", std::string(4096, 'v'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadFile(path), "[M]\nk=1\n");
    EXPECT_EQ(ini.ReadString("M", "k", "?"), "1");
    EXPECT_EQ(NamesIn(dir.Path()),
              (std::set<std::string>{"plain", "folder.ini", "fifo.ini", "Zyntra.ini"}));
}

} // namespace
} // namespace zyntra
