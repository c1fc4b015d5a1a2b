#include "app/main_window_state.h"
#include "device/device_link.h"
#include "kit/controls.h"
#include "personal/editors/user_data_page.h"
#include "personal/editors/user_dict_page.h"
#include "personal/personal_engine.h"
#include "personal/record_fields.h"
#include "storage/database_files.h"
#include "tests/support/device_fixture.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/personal_db_fixture.h"
#include "tests/support/ui_doubles.h"
#include "texts/lang_text.h"

#include <gtest/gtest.h>

namespace zyntra {
namespace {

// The user dictionary page of the whole window model, headless.
class UserDictEditorTest : public ::testing::Test {
protected:
    void Start(const char* sLanguage = "ENU") {
        harness_.SetRegionalSetting(sLanguage);
        ASSERT_TRUE(harness_.Create());
        harness_.ui.messages.Clear();
    }

    void ShowPage() {
        Get<PageControl>("pgcMain").SetActivePageIndex(1);
        Get<PageControl>("pgcPIMPage").SetActivePageIndex(4);
    }

    template <class T> T& Get(const char* name) {
        return harness_.Window().Controls().Get<T>(name);
    }
    UserDictPage& Page() { return harness_.Window().Editors().UserDict(); }
    RecordLists& Lists() { return harness_.Window().Personal().Lists(); }
    ListView& ECList() { return Get<ListView>("lvECUserList"); }
    ListView& CEList() { return Get<ListView>("lvCEUserList"); }

    // An entry as the loader leaves it.
    template <class Entry>
    void AddLoaded(RecordList<Entry>& list, const std::string& headword, const std::string& exp) {
        auto entry = std::make_unique<Entry>();
        entry->hw_name = entry->storedHeadword = headword;
        entry->hw_match = HeadwordKey(headword);
        entry->exp = exp;
        list.push_back(std::move(entry));
    }

    void Type(const std::string& headword, const std::string& type = "",
              const std::string& exp = "") {
        Get<EditField>("edtUserHeadword").UserEditText(headword);
        Get<EditField>("edtUserPartOfSpeech").UserEditText(type);
        Get<EditField>("reUserContent").UserEditText(exp);
    }

    std::vector<std::string> Fields() {
        return {Get<EditField>("edtUserHeadword").Text(),
                Get<EditField>("edtUserPartOfSpeech").Text(),
                Get<EditField>("reUserContent").Text()};
    }

    std::vector<std::string> ShownTexts() const {
        std::vector<std::string> texts;
        for (const ShownMessage& shown : harness_.ui.messages.Shown())
            texts.push_back(shown.text);
        return texts;
    }

    template <class Entry> static std::vector<std::string> Exps(const RecordList<Entry>& list) {
        std::vector<std::string> exps;
        for (const auto& entry : list)
            exps.push_back(entry->exp);
        return exps;
    }

    test::MainWindowHarness harness_;
    test::FixtureDrives drives_{harness_.volumes};
};

TEST_F(UserDictEditorTest, NewNeedsAHeadwordAndKeepsItsStoredFormWithoutSpacesAsKey) {
    Start();
    ShowPage();
    Type("", "n.", "no headword");
    Get<ToolButton>("tbUserNew").Click();
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{LangText("SM_HeadwordIsEmpty")});
    EXPECT_TRUE(Lists().ECUserList.empty());
    EXPECT_FALSE(Get<ToolButton>("tbUserSave").Enabled());

    Type("ice cream", "n.", "a frozen dessert");
    Get<ToolButton>("tbUserNew").Click();
    Type("   ");
    Page().tbUserNewClick();

    ASSERT_EQ(Lists().ECUserList.size(), 2u);
    const ECUSER& iceCream = *Lists().ECUserList[0];
    EXPECT_EQ(iceCream.hw_name, "ice cream");
    EXPECT_EQ(iceCream.storedHeadword, "ice cream");
    EXPECT_EQ(iceCream.hw_match, "icecream");
    EXPECT_EQ(iceCream.type, "n.");
    EXPECT_EQ(iceCream.exp, "a frozen dessert");
    const ECUSER& spaces = *Lists().ECUserList[1];
    EXPECT_EQ(spaces.storedHeadword, "   ");
    EXPECT_EQ(spaces.hw_match, "");
    EXPECT_EQ(ShownTexts().size(), 1u);
    EXPECT_TRUE(Lists().CEUserList.empty());

    // The new entry is the selected last row, and the form shows it.
    EXPECT_EQ(ECList().RowCount(), 2);
    EXPECT_EQ(ECList().Selected(), 1);
    EXPECT_EQ(Fields(), (std::vector<std::string>{"   ", "", ""}));
    EXPECT_EQ(ECList().RowData(0).texts,
              (std::vector<std::string>{"", "ice cream", "n.", "a frozen dessert", "", "", ""}));
    EXPECT_TRUE(Get<ToolButton>("tbUserDelete").Enabled());
    EXPECT_EQ(harness_.Window().Shell().statusRecordCount, 2);
}

TEST_F(UserDictEditorTest, ABig5HeadwordIsStoredAsUtf8UnderTraditionalChinese) {
    Start("CHT");
    ShowPage();
    const std::string dictionaryBig5 = "\xA6\x72\xA8\xE5";
    Type(dictionaryBig5);
    Page().tbUserNewClick();

    ASSERT_EQ(Lists().ECUserList.size(), 1u);
    const ECUSER& entry = *Lists().ECUserList[0];
    EXPECT_EQ(entry.hw_name, dictionaryBig5);
    EXPECT_EQ(entry.storedHeadword, "\xE5\xAD\x97\xE5\x85\xB8");
    EXPECT_EQ(entry.hw_match, entry.storedHeadword);

    // A headword cut inside a character keeps what was converted before it.
    Type("a b\xA6");
    Page().tbUserSaveClick();
    EXPECT_EQ(entry.storedHeadword, "a b");
    EXPECT_EQ(entry.hw_match, "ab");
}

TEST_F(UserDictEditorTest, SaveRewritesTheSelectedEntryAndItsKeyOrSaysWhyNot) {
    Start();
    ShowPage();
    Type("Ice Cream", "n.", "dessert");
    Page().tbUserNewClick();
    ASSERT_EQ(Lists().ECUserList.at(0)->hw_match, "IceCream");

    Type("ice  cream", "", "a frozen dessert");
    Get<ToolButton>("tbUserSave").Click();
    ASSERT_EQ(Lists().ECUserList.size(), 1u);
    const ECUSER& entry = *Lists().ECUserList[0];
    EXPECT_EQ(entry.hw_name, "ice  cream");
    EXPECT_EQ(entry.storedHeadword, "ice  cream");
    EXPECT_EQ(entry.hw_match, "icecream");
    EXPECT_EQ(entry.type, "");
    EXPECT_EQ(entry.exp, "a frozen dessert");
    EXPECT_TRUE(ECList().Focused());
    EXPECT_TRUE(ShownTexts().empty());

    Type("");
    Page().tbUserSaveClick();
    EXPECT_EQ(entry.hw_name, "ice  cream");
    // Without a selection that is said first, even with the headword empty.
    ECList().ClearSelection();
    Type("");
    Page().tbUserSaveClick();
    EXPECT_EQ(ShownTexts(), (std::vector<std::string>{LangText("SM_HeadwordIsEmpty"),
                                                      LangText("SM_NoSelectItem")}));

    // An entry loaded read-only stays as the device has it.
    Lists().ECUserList[0]->stored.readOnly = true;
    ECList().SetSelected(0);
    Type("changed");
    Page().tbUserSaveClick();
    Page().tbUserDeleteClick();
    EXPECT_EQ(Lists().ECUserList.at(0)->hw_name, "ice  cream");
    EXPECT_EQ(ShownTexts().back(), LangText("SM_RecordReadOnly"));
    EXPECT_EQ(ShownTexts().size(), 4u);
}

TEST_F(UserDictEditorTest, SwitchingDictionariesEmptiesTheFormAndActsOnTheShownListOnly) {
    Start();
    AddLoaded(Lists().ECUserList, "apple", "a fruit");
    AddLoaded(Lists().ECUserList, "pear", "another fruit");
    AddLoaded(Lists().CEUserList, "tea", "a drink");
    ShowPage();
    EXPECT_EQ(ECList().Selected(), 1); // the page change selects the last row
    EXPECT_EQ(Fields()[0], "pear");

    Get<SpeedButton>("sbUserCEDict").UserClick();
    EXPECT_TRUE(CEList().Visible());
    EXPECT_FALSE(ECList().Visible());
    EXPECT_FALSE(Get<SpeedButton>("sbUserECDict").Down());
    EXPECT_EQ(Fields(), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(harness_.Window().Shell().statusRecordCount, 1);

    Type("coffee", "n.", "another drink");
    Page().tbUserNewClick();
    ASSERT_EQ(Lists().CEUserList.size(), 2u);
    EXPECT_EQ(Lists().CEUserList[1]->hw_match, "coffee");
    EXPECT_EQ(Lists().ECUserList.size(), 2u);

    // Delete takes the shown list's selected entry, and the EC list keeps its own selection.
    ASSERT_TRUE(CEList().Focused());
    Page().tbUserDeleteClick();
    EXPECT_EQ(Exps(Lists().CEUserList), std::vector<std::string>{"a drink"});
    EXPECT_EQ(Lists().ECUserList.size(), 2u);

    Get<SpeedButton>("sbUserECDict").UserClick();
    EXPECT_TRUE(ECList().Visible());
    EXPECT_EQ(ECList().Selected(), 1);
    EXPECT_EQ(Fields(), (std::vector<std::string>{"pear", "", "another fruit"}));

    // Coming back to the page selects the last row of the list shown.
    Get<SpeedButton>("sbUserCEDict").UserClick();
    Get<PageControl>("pgcPIMPage").SetActivePageIndex(0);
    Get<PageControl>("pgcPIMPage").SetActivePageIndex(4);
    EXPECT_EQ(CEList().Selected(), 0);
    EXPECT_EQ(Fields()[0], "tea");
}

TEST_F(UserDictEditorTest, TheExplanationSortsDescendingThenAscendingAndHiddenColumnsNever) {
    Start();
    AddLoaded(Lists().CEUserList, "b", "Banana");
    AddLoaded(Lists().CEUserList, "c", "cherry");
    AddLoaded(Lists().CEUserList, "a", "apple");
    ShowPage();
    Get<SpeedButton>("sbUserCEDict").UserClick();
    CEList().UserSelectRow(2);
    ASSERT_EQ(Fields()[0], "a");

    CEList().UserClickColumn(3);
    EXPECT_EQ(Exps(Lists().CEUserList),
              (std::vector<std::string>{"cherry", "Banana", "apple"})); // case does not count
    EXPECT_EQ(CEList().Selected(), 2);
    EXPECT_EQ(Fields()[0], "a");
    CEList().UserClickColumn(3);
    EXPECT_EQ(Exps(Lists().CEUserList), (std::vector<std::string>{"apple", "Banana", "cherry"}));
    EXPECT_EQ(CEList().Selected(), 0);

    const auto flags = Lists().ceUserSortFlags;
    for (int hidden : {0, 4, 5, 6})
        CEList().UserClickColumn(hidden);
    EXPECT_EQ(Exps(Lists().CEUserList), (std::vector<std::string>{"apple", "Banana", "cherry"}));
    EXPECT_EQ(Lists().ceUserSortFlags, flags);
    EXPECT_EQ(Lists().ecUserSortFlags, (std::array<bool, 3>{}));

    CEList().UserClickColumn(1);
    EXPECT_EQ(Exps(Lists().CEUserList), (std::vector<std::string>{"cherry", "Banana", "apple"}));
}

TEST_F(UserDictEditorTest, AHeadwordWithAQuoteAndAPercentSignReachesTheDeviceAsTyped) {
    const std::string internal =
        drives_.AddInternalMemory("internal", test::DeviceHeader("A1", DriveKind::InternalMemory));
    Start();
    ShowPage();
    Type("don't 100%", "v.", "it's 5% off");
    Page().tbUserNewClick();
    ASSERT_EQ(Lists().ECUserList.at(0)->hw_match, "don't100%");

    Get<SpeedButton>("sbSync").Click();

    EXPECT_EQ(ShownTexts().back(), LangText("SM_SyncOK"));
    const auto rows = test::ReadHeadwords(DeviceDatabasePath(internal, 2));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].hw_name, "don't 100%");
    EXPECT_EQ(rows[0].hw_match, "don't100%");
    EXPECT_EQ(rows[0].exp, "it's 5% off");
    EXPECT_TRUE(test::ReadHeadwords(DeviceDatabasePath(internal, 3)).empty());
    // The lists come back from the device with the same texts.
    ASSERT_EQ(Lists().ECUserList.size(), 1u);
    EXPECT_EQ(Lists().ECUserList[0]->hw_name, "don't 100%");
    EXPECT_EQ(ECList().RowCount(), 1);
}

} // namespace
} // namespace zyntra
