#include "texts/lang_text.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace zyntra {
namespace {

class LangTextTest : public ::testing::Test {
protected:
    void TearDown() override { CloseLanguageFile(); }
    void Write(const std::string& text) { test::WriteFile(path_, text); }

    test::TempDir dir_;
    std::string path_ = dir_.Path() + "Lang.ini";
};

TEST_F(LangTextTest, GivesZeroBeforeTheFileIsOpenAndForAnEmptyKey) {
    Write("[SetLanguage]\nLanguage=English\n[English]\nSM_OK=OK\n");
    EXPECT_EQ(LangText("SM_OK"), "0");
    OpenLanguageFile(path_);
    EXPECT_EQ(LangText("SM_OK"), "OK");
    EXPECT_EQ(LangText(""), "0");
    EXPECT_EQ(LangText("SM_Missing"), "");
    CloseLanguageFile();
    EXPECT_EQ(LangText("SM_OK"), "0");
}

TEST_F(LangTextTest, ReadsTheSectionNamedInTheFileAfreshOnEveryLookup) {
    Write("[SetLanguage]\nLanguage=Klingon\n[English]\nSM_OK=OK\n[TChinese]\nSM_OK="
          "\xbd\x54\xa9\x77\n");
    OpenLanguageFile(path_);
    EXPECT_EQ(LangText("SM_OK"), ""); // a section that does not exist: empty texts

    Write("[SetLanguage]\nLanguage=TChinese\n[English]\nSM_OK=OK\n[TChinese]\nSM_OK="
          "\xbd\x54\xa9\x77\n");
    EXPECT_EQ(LangText("SM_OK"), "\xbd\x54\xa9\x77");
}

TEST(HintParts, SplitAtTheFirstBarAndAWholeTextServesAsBoth) {
    EXPECT_EQ(ShortHintPart("Refresh|Read the folder again"), "Refresh");
    EXPECT_EQ(LongHintPart("Refresh|Read the folder again"), "Read the folder again");
    EXPECT_EQ(ShortHintPart("Refresh"), "Refresh");
    EXPECT_EQ(LongHintPart("Refresh"), "Refresh");
    EXPECT_EQ(LongHintPart("a|b|c"), "b|c");
    EXPECT_EQ(ShortHintPart(""), "");
    EXPECT_EQ(LongHintPart("|only long"), "only long");
}

TEST(FitToSlot, KeepsTheTerminatingZeroAndNeverSplitsADoubleByteCharacter) {
    EXPECT_EQ(FitToSlot("Monday", 50), "Monday");
    EXPECT_EQ(FitToSlot(std::string(60, 'x'), 50), std::string(49, 'x'));
    // 25 BIG5 characters are 50 bytes: only 24 whole ones fit in 49.
    std::string big5;
    for (int i = 0; i < 25; ++i)
        big5 += "\xac\x50";
    EXPECT_EQ(FitToSlot(big5, 50).size(), 48u);
    EXPECT_EQ(FitToSlot("a" + big5, 50).size(), 49u);
    EXPECT_EQ(FitToSlot("abc", 0), "");
}

TEST(FormatCount, FillsTheOneIntegerConversionAndLeavesEverythingElse) {
    EXPECT_EQ(FormatCount("Class %d", 12), "Class 12");
    EXPECT_EQ(FormatCount("\xb2\xc4%d\xb8\x60", 3), "\xb2\xc4"
                                                    "3\xb8\x60");
    EXPECT_EQ(FormatCount("%3d files", 7), "  7 files");
    EXPECT_EQ(FormatCount("100%% of %d", 5), "100% of 5");
    // Conversions that would read arguments that are not there stay as text.
    EXPECT_EQ(FormatCount("%s and %d and %d", 1), "%s and 1 and %d");
    EXPECT_EQ(FormatCount("no number", 9), "no number");
    EXPECT_EQ(FormatCount("trailing %", 9), "trailing %");
}

} // namespace
} // namespace zyntra
