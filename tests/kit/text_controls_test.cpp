#include "kit/controls.h"
#include "tests/kit/recording_peer.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zyntra {
namespace {

TEST(EditFieldTest, MaxLengthCutsUserEditsOnlyAndNeverSplitsACharacter) {
    ControlSet set;
    set.SetEncoding(TextEncoding::DoubleByte);
    auto& field = set.Add<EditField>("edtClassAbbreviation");
    field.SetMaxLength(3);
    int changes = 0;
    field.OnChange = [&] { ++changes; };

    field.SetText("abcdefgh"); // code is not limited
    EXPECT_EQ(field.Text(), "abcdefgh");

    // "a", a two-byte character, "b", another two-byte character: the limit falls after "b".
    field.UserEditText("a\xA4\xA4"
                       "b\xA4\xE5");
    EXPECT_EQ(field.Text(), "a\xA4\xA4"
                            "b");
    EXPECT_EQ(changes, 2);

    field.SetReadOnly(true);
    field.UserEditText("x");
    EXPECT_EQ(field.Text(), "a\xA4\xA4"
                            "b");
    EXPECT_EQ(changes, 2);
}

TEST(EditFieldTest, UserEditCutToTheSameTextPutsTheWidgetBack) {
    ControlSet set;
    auto& field = set.Add<EditField>("edtMobile1");
    field.SetMaxLength(4);
    field.SetText("1234");
    test::RecordingPeer peer;
    field.AttachPeer(&peer);
    int changes = 0;
    field.OnChange = [&] { ++changes; };

    field.UserEditText("12345"); // the widget holds five characters, the field keeps four

    EXPECT_EQ(field.Text(), "1234");
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(peer.Count(ControlProperty::Text), 1);
}

TEST(TextUnitsTest, CharactersOfEachEncoding) {
    const std::string utf8 = "a\xE4\xB8\xAD\xC3\xA9z"; // a, a three-byte, a two-byte, z
    EXPECT_EQ(CountCharacters(utf8, TextEncoding::Utf8), 4u);
    EXPECT_EQ(FirstCharacters(utf8, 2, TextEncoding::Utf8), "a\xE4\xB8\xAD");
    EXPECT_EQ(CountCharacters(utf8, TextEncoding::SingleByte), utf8.size());
    // A lead byte at the very end counts as one character and is never read past.
    EXPECT_EQ(CountCharacters("ab\xA4", TextEncoding::DoubleByte), 3u);
    EXPECT_EQ(FirstCharacters("\xB1\xA4\xA4", 1, TextEncoding::DoubleByte), "\xB1\xA4");
    // A broken UTF-8 sequence ends where its continuation bytes end.
    EXPECT_EQ(CountCharacters("\xE4\xB8"
                              "a",
                              TextEncoding::Utf8),
              2u);
}

TEST(ComboBoxTest, OnlyTheUsersChoiceFiresAndNewItemsKeepAValidIndex) {
    ControlSet set;
    auto& alarm = set.Add<ComboBox>("cbScheAlarm");
    alarm.SetItems({"none", "0 min", "30 min", "60 min"});
    int changes = 0;
    alarm.OnChange = [&] { ++changes; };

    alarm.SetItemIndex(3);
    alarm.UserSelectItem(3); // no change
    alarm.UserSelectItem(1);
    alarm.UserSelectItem(9); // no such item
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(alarm.ItemText(), "0 min");

    alarm.SetItems({"a", "b", "c"});
    EXPECT_EQ(alarm.ItemIndex(), 1);
    alarm.SetItems({"a"});
    EXPECT_EQ(alarm.ItemIndex(), -1);
    EXPECT_EQ(alarm.ItemText(), "");
}

TEST(CheckListTest, UserTogglesFireWithTheirItemAndCodeDoesNot) {
    ControlSet set;
    auto& selection = set.Add<CheckList>("clbDataSelect");
    for (const char* caption : {"address", "schedule", "to-do", "class", "dictionary"}) {
        selection.AddItem(caption);
    }
    std::vector<int> clicked;
    selection.OnClickCheck = [&](int item) { clicked.push_back(item); };

    selection.SetChecked(0, true);
    selection.UserToggle(2);
    selection.UserToggle(0);
    selection.UserToggle(7);

    EXPECT_EQ(clicked, (std::vector<int>{2, 0}));
    EXPECT_FALSE(selection.Checked(0));
    EXPECT_TRUE(selection.Checked(2));
    EXPECT_FALSE(selection.Checked(7));
}

TEST(StringGridTest, SelectionSkipsFixedCellsAndHonoursTheHandler) {
    ControlSet set;
    auto& grid = set.Add<StringGrid>("sgClassTable");
    grid.SetSize(8, 13);
    grid.SetCell(3, 4, "Ma");
    grid.SetCellColour(3, 4, 0xFFFFFF);
    std::vector<std::pair<int, int>> asked;
    grid.OnSelectCell = [&](int col, int row, bool& allow) {
        asked.push_back({col, row});
        allow = col != 7;
    };

    EXPECT_FALSE(grid.SelectCell(0, 3)); // a header cell: not even asked
    EXPECT_TRUE(grid.SelectCell(3, 4));
    EXPECT_FALSE(grid.SelectCell(7, 1));
    grid.UserSelectCell(2, 2);
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{3, 4}, {7, 1}, {2, 2}}));
    EXPECT_EQ(grid.SelectedCol(), 2);
    EXPECT_EQ(grid.SelectedRow(), 2);

    grid.SetSize(5, 5); // the cell survives, the selection stays inside
    EXPECT_EQ(grid.Cell(3, 4), "Ma");
    EXPECT_EQ(grid.CellColour(3, 4), 0xFFFFFFu);
    EXPECT_EQ(grid.Cell(7, 12), "");
    grid.SetFixed(3, 3);
    EXPECT_EQ(grid.SelectedCol(), 3);
    EXPECT_EQ(grid.SelectedRow(), 3);
}

TEST(PickerTest, ImpossibleValuesAreRefusedAndOnlyTheUserFiresChange) {
    ControlSet set;
    auto& date = set.Add<DatePicker>("dtpScheDate");
    auto& time = set.Add<TimePicker>("dtpScheSTime");
    int changes = 0;
    date.OnChange = [&] { ++changes; };
    time.OnChange = [&] { ++changes; };

    EXPECT_TRUE(date.SetDate({2012, 2, 29}));
    EXPECT_FALSE(date.SetDate({2011, 2, 29}));
    EXPECT_EQ(date.Date(), (PlainDate{2012, 2, 29}));
    EXPECT_FALSE(time.SetTime({24, 0, 0}));
    EXPECT_TRUE(time.SetTime({14, 35, 0}));
    EXPECT_EQ(changes, 0);

    date.UserSetDate({2012, 3, 1});
    time.UserSetTime({14, 35, 0}); // unchanged
    time.UserSetTime({9, 60, 0});  // impossible
    EXPECT_EQ(changes, 1);
}

} // namespace
} // namespace zyntra
