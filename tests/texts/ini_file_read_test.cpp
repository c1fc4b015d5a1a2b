#include "texts/ini_file.h"
#include "tests/support/temp_dir.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace zyntra {
namespace {

using test::TempDir;
using test::WriteFile;

TEST(IniFileRead, MatchesNamesWithoutCaseAndTrimsAndUnquotesValues) {
    TempDir dir;
    WriteFile(dir.Path() + "Lang.ini", "[SetLanguage]\n"
                                       "  Language =  English \t\n"
                                       "[  English\t]\n"
                                       "RC_A=plain\n"
                                       "rc_b\t=\t tabbed\t \n"
                                       "RC_DQ=\"  quoted  \"\n"
                                       "RC_SQ= 'single' \n"
                                       "RC_MIX=\"mixed'\n"
                                       "RC_ONE=\"\n"
                                       "RC_INNER=say \"hi\" 'now'\n"
                                       "RC_TWO=\"\"\n"
                                       "RC_EMPTY=\n"
                                       "RC_EQ=a=b\n");
    const IniFile ini(dir.Path() + "Lang.ini");
    EXPECT_EQ(ini.ReadString("setlanguage", "LANGUAGE", "?"), "English");
    EXPECT_EQ(ini.ReadString("ENGLISH", "rc_a", "?"), "plain");
    EXPECT_EQ(ini.ReadString(" English ", " RC_A\t", "?"), "plain");
    EXPECT_EQ(ini.ReadString("English", "RC_B", "?"), "tabbed");
    EXPECT_EQ(ini.ReadString("English", "RC_DQ", "?"), "  quoted  ");
    EXPECT_EQ(ini.ReadString("English", "RC_SQ", "?"), "single");
    EXPECT_EQ(ini.ReadString("English", "RC_MIX", "?"), "\"mixed'");
    EXPECT_EQ(ini.ReadString("English", "RC_ONE", "?"), "\"");
    EXPECT_EQ(ini.ReadString("English", "RC_INNER", "?"), "say \"hi\" 'now'");
    EXPECT_EQ(ini.ReadString("English", "RC_TWO", "?"), "");
    EXPECT_EQ(ini.ReadString("English", "RC_EMPTY", "?"), "");
    EXPECT_EQ(ini.ReadString("English", "RC_EQ", "?"), "a=b");
}

TEST(IniFileRead, GivesDefaultForWhatIsMissingOrNotAnEntry) {
    TempDir dir;
    EXPECT_EQ(IniFile(dir.Path() + "none.ini").ReadString("A", "k", "dflt"), "dflt");
    WriteFile(dir.Path() + "a.ini", "k=before any section\n"
                                    "[A]\n"
                                    "; c=commented\n"
                                    "  ;d=indented comment\n"
                                    "e\n"
                                    "[broken\n"
                                    "f=after broken header\n"
                                    "=no key\n");
    const IniFile ini(dir.Path() + "a.ini");
    EXPECT_EQ(ini.ReadString("A", "k", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("A", "; c", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("A", "c", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("A", "d", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("A", "e", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("A", "f", "dflt"), "after broken header");
    EXPECT_EQ(ini.ReadString("A", "", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("B", "f", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("", "k", "dflt"), "dflt");
}

TEST(IniFileRead, FirstOccurrenceWinsInCrlfFileWithByteOrderMark) {
    TempDir dir;
    WriteFile(dir.Path() + "a.ini", "\xEF\xBB\xBF[Main]\r\n"
                                    "Top=1\r\n"
                                    "TOP=2\r\n"
                                    "Quoted=\"q\"\r\n"
                                    "[main]\r\n"
                                    "Top=3\r\n"
                                    "OnlyInSecond=4\r\n");
    const IniFile ini(dir.Path() + "a.ini");
    EXPECT_EQ(ini.ReadString("Main", "Top", "?"), "1");
    EXPECT_EQ(ini.ReadString("Main", "Quoted", "?"), "q");
    EXPECT_EQ(ini.ReadString("Main", "OnlyInSecond", "?"), "?");
}

TEST(IniFileRead, PassesChineseBytesUnchanged) {
    TempDir dir;
    // BIG5 trail bytes 0x5C '\', 0x7C '|' and 0x5D ']' inside names and values.
    WriteFile(dir.Path() + "Lang.ini", "[TChinese]\n"
                                       "\xA5\x5C=\xA5\x5C\xAF\xE0\n"
                                       "\xA5\x7C=\xA5\x7C|\xB3\x5C\n"
                                       "HINT= \xB4\xA3\xA5\xDC|\xA6\x5D\xAC\xB0\xA7\x5C \n"
                                       "[\xA4\x5D]\n"
                                       "k=\xA4\x5D\n"
                                       "[SChinese]\n"
                                       "k=\xD6\xD0\xCE\xC4\n");
    const IniFile ini(dir.Path() + "Lang.ini");
    EXPECT_EQ(ini.ReadString("TChinese", "\xA5\x5C", "?"), "\xA5\x5C\xAF\xE0");
    EXPECT_EQ(ini.ReadString("TChinese", "\xA5\x7C", "?"), "\xA5\x7C|\xB3\x5C");
    EXPECT_EQ(ini.ReadString("TChinese", "hint", "?"), "\xB4\xA3\xA5\xDC|\xA6\x5D\xAC\xB0\xA7\x5C");
    EXPECT_EQ(ini.ReadString("\xA4\x5D", "k", "?"), "\xA4\x5D");
    EXPECT_EQ(ini.ReadString("SChinese", "k", "?"), "\xD6\xD0\xCE\xC4");
}

void SetModificationTime(const std::string& path, long nanoseconds) {
    const timespec times[2] = {{1700000000, 0}, {1700000000, nanoseconds}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

TEST(IniFileRead, SeesEditsMadeBetweenReads) {
    TempDir dir;
    const std::string path = dir.Path() + "Lang.ini";
    const IniFile ini(path);
    EXPECT_EQ(ini.ReadString("SetLanguage", "Language", "none"), "none");
    WriteFile(path, "[SetLanguage]\nLanguage=English\n");
    SetModificationTime(path, 5);
    EXPECT_EQ(ini.ReadString("SetLanguage", "Language", "none"), "English");
    // Same size, same inode; only the nanoseconds of the time differ.
    WriteFile(path, "[SetLanguage]\nLanguage=SChines\n");
    SetModificationTime(path, 6);
    EXPECT_EQ(ini.ReadString("SetLanguage", "Language", "none"), "SChines");
    WriteFile(path, "[SetLanguage]\nLanguage=TChinese\n");
    SetModificationTime(path, 6);
    EXPECT_EQ(ini.ReadString("SetLanguage", "Language", "none"), "TChinese");
    std::remove(path.c_str());
    EXPECT_EQ(ini.ReadString("SetLanguage", "Language", "none"), "none");
}

TEST(IniFileRead, ReadsLeadingDecimalIntegerOrGivesDefault) {
    TempDir dir;
    WriteFile(dir.Path() + "a.ini", "[M]\nA=128\nB=-5\nC=+7\nD= 42px\nE=abc\nF=\nG=-\nH=+-3\n"
                                    "I=0x10\nJ=2147483647\nK=-2147483648\nL=2147483648\n"
                                    "N=99999999999999999999\nO=\" 12\"\nP=- 3\nQ=3.9\n");
    const IniFile ini(dir.Path() + "a.ini");
    const std::pair<const char*, int> expected[] = {{"A", 128},
                                                    {"B", -5},
                                                    {"C", 7},
                                                    {"D", 42},
                                                    {"E", -1},
                                                    {"F", -1},
                                                    {"G", -1},
                                                    {"H", -1},
                                                    {"I", 0},
                                                    {"J", 2147483647},
                                                    {"K", -2147483647 - 1},
                                                    {"L", -1},
                                                    {"N", -1},
                                                    {"O", 12},
                                                    {"P", -1},
                                                    {"Q", 3},
                                                    {"missing", -1}};
    for (const auto& [key, value] : expected)
        EXPECT_EQ(ini.ReadInt("m", key, -1), value) << key;
}

} // namespace
} // namespace zyntra
