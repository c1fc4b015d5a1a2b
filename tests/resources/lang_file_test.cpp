#include "tests/support/charset.h"
#include "tests/support/program_folder_fixture.h"
#include "texts/ini_file.h"

#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace zyntra {
namespace {

std::vector<std::string> LanguageKeys() {
    std::ifstream in(ZYNTRA_LANG_KEYS);
    std::vector<std::string> keys;
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            keys.push_back(line);
    return keys;
}

int CountOf(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST(LangFile, EveryKeyHasARealTextInEverySectionInItsCharset) {
    IniFile lang(test::BuiltProgramFolder() + "Lang.ini");
    EXPECT_EQ(lang.ReadString("SetLanguage", "Language", ""), "English");

    const std::vector<std::string> keys = LanguageKeys();
    ASSERT_GE(keys.size(), 200u);
    const struct {
        const char* section;
        const char* charset;
    } sections[] = {{"English", "ASCII"}, {"TChinese", "BIG5"}, {"SChinese", "GB2312"}};
    for (const auto& [section, charset] : sections) {
        for (const std::string& key : keys) {
            const std::string text = lang.ReadString(section, key, "");
            EXPECT_FALSE(text.empty()) << section << " " << key;
            EXPECT_NE(text, key) << section;
            EXPECT_TRUE(test::ToUtf8(charset, text).has_value()) << section << " " << key;
        }
    }
}

TEST(LangFile, CountFormatsTakeExactlyOneIntegerAndNoOtherTextIsAFormat) {
    const std::set<std::string> formats = {
        "SM_ClassNo",           "SM_FileCount",       "SM_RecCount",     "SM_CliStatementsFailed",
        "SM_CliRowsUnreadable", "SM_CliAdded",        "SM_CliUpdated",   "SM_CliKeptTwice",
        "SM_CliLeftAlone",      "SM_CliAlreadyThere", "SM_ReadOnlyMore", "SM_FileOpMore",
        "SM_ReportNotListed",   "SM_FileImportOK",    "SM_FileExportOK"};
    IniFile lang(test::BuiltProgramFolder() + "Lang.ini");
    for (const char* section : {"English", "TChinese", "SChinese"}) {
        for (const std::string& key : LanguageKeys()) {
            const std::string text = lang.ReadString(section, key, "");
            const bool isFormat = formats.count(key) != 0;
            EXPECT_EQ(CountOf(text, "%"), isFormat ? 1 : 0) << section << " " << key;
            if (isFormat) {
                EXPECT_EQ(CountOf(text, "%d"), 1) << section << " " << key;
            }
        }
    }
}

} // namespace
} // namespace zyntra
