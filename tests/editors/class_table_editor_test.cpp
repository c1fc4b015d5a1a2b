#include "app/main_window_state.h"
#include "kit/controls.h"
#include "personal/editors/class_table_page.h"
#include "personal/editors/user_data_page.h"
#include "personal/personal_engine.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/ui_doubles.h"
#include "texts/lang_text.h"

#include <gtest/gtest.h>

namespace zyntra {
namespace {

constexpr ClockTime Am(int hour, int minute) {
    return {hour, minute, false};
}
constexpr ClockTime Pm(int hour, int minute) {
    return {hour, minute, true};
}

// The class timetable page in the window model, reached as the user reaches it: the data page,
// then the timetable's tab.
class ClassTableEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(harness_.Create());
        harness_.ui.clock.Set({{2024, 3, 1}, {10, 20, 30}});
    }

    template <class T> T& Get(const char* name) {
        return harness_.Window().Controls().Get<T>(name);
    }
    ClassTablePage& Page() { return harness_.Window().Editors().ClassTable(); }
    RecordLists& Lists() { return harness_.Window().Personal().Lists(); }
    CLASSTABLE& Cell(int weekday, int period) { return Lists().classGrid[weekday][period]; }
    StringGrid& Grid() { return Get<StringGrid>("sgClassTable"); }
    std::string Field(const char* name) { return Get<EditField>(name).Text(); }
    PlainTime Shown(const char* picker) { return Get<TimePicker>(picker).Time(); }

    void OpenPage() {
        Get<PageControl>("pgcMain").SetActivePageIndex(1);
        Get<PageControl>("pgcPIMPage").SetActivePageIndex(3);
        harness_.ui.messages.Clear();
    }
    // The user-data page stops showing and shows again, with the timetable still its page.
    void ShowDataPageAgain() {
        Get<PageControl>("pgcMain").SetActivePageIndex(0);
        Get<PageControl>("pgcMain").SetActivePageIndex(1);
    }

    void TypeTexts(const std::string& abbreviation, const std::string& course,
                   const std::string& teacher, const std::string& note) {
        Get<EditField>("edtClassAbbreviation").UserEditText(abbreviation);
        Get<EditField>("edtClassName").UserEditText(course);
        Get<EditField>("edtClassTeacher").UserEditText(teacher);
        Get<EditField>("reClassNote").UserEditText(note);
    }

    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const ShownMessage& shown : harness_.ui.messages.Shown())
            texts.push_back(shown.text);
        return texts;
    }

    // Period `period` gets the range the user chooses in the dialog.
    void SetTimes(int period, const ClockTimeRange& chosen) {
        ASSERT_TRUE(Grid().SelectCell(1, period + 1));
        harness_.ui.classTimeDialog.QueueOk(chosen);
        Get<SpeedButton>("sbClassSetTime").UserClick();
    }
    ClassTime Times(int period) { return Lists().classTimes[period]; }

    test::MainWindowHarness harness_;
};

TEST_F(ClassTableEditorTest, OpeningThePageWritesTheHeadersOnceAndShowsTheCurrentCell) {
    Cell(2, 4).abbreviation = "Ma";
    OpenPage();
    EXPECT_EQ(Grid().Cell(0, 0), LangText("SM_Class_No"));
    EXPECT_EQ(Grid().Cell(1, 0), "Mon");
    EXPECT_EQ(Grid().Cell(7, 0), LangText("SM_Sun"));
    EXPECT_EQ(Grid().Cell(0, 1), "1");
    EXPECT_EQ(Grid().Cell(0, 12), "12");
    EXPECT_EQ(Grid().Cell(3, 5), "Ma");
    EXPECT_EQ(Field("edtClassWeekDay"), Cell(0, 0).weekdayLabel);
    EXPECT_EQ(Field("edtClassNo"), "Class 1");
    EXPECT_EQ(Shown("dtpClassSTime"), (PlainTime{8, 0, 0}));
    EXPECT_EQ(Shown("dtpClassETime"), (PlainTime{8, 50, 0}));
    EXPECT_EQ(harness_.Window().Shell().statusRecordCount, 84);

    // Headers the grid already holds are never written again.
    Grid().SetCell(0, 0, "kept");
    Get<PageControl>("pgcPIMPage").SetActivePageIndex(0);
    Get<PageControl>("pgcPIMPage").SetActivePageIndex(3);
    EXPECT_EQ(Grid().Cell(0, 0), "kept");
}

TEST_F(ClassTableEditorTest, ShowingTheDataPageFillsTheGridBeforeThePageReadsIt) {
    OpenPage();
    Cell(6, 11).abbreviation = "Art";
    // The current cell gets a text while its grid cell is still empty; the page's showing must
    // already see it filled and so leave the labels as they are.
    Cell(0, 0).abbreviation = "Bio";
    Get<EditField>("edtClassWeekDay").SetText("");
    ShowDataPageAgain();
    EXPECT_EQ(Grid().Cell(7, 12), "Art");
    EXPECT_EQ(Grid().Cell(1, 1), "Bio");
    EXPECT_EQ(Field("edtClassWeekDay"), "");

    // With an empty current cell the showing puts its labels back.
    Cell(0, 0).abbreviation.clear();
    ShowDataPageAgain();
    EXPECT_EQ(Field("edtClassWeekDay"), Cell(0, 0).weekdayLabel);
}

TEST_F(ClassTableEditorTest, SelectingACellShowsItsFieldsAndHeaderCellsAreIgnored) {
    CLASSTABLE& cell = Cell(2, 1);
    cell.abbreviation = "Ph";
    cell.course_name = "Physics";
    cell.teacher = "Mr Lee";
    cell.note = "Lab 3";
    OpenPage();
    Grid().UserSelectCell(3, 2);
    EXPECT_EQ(Field("edtClassWeekDay"), cell.weekdayLabel);
    EXPECT_EQ(Field("edtClassNo"), cell.classLabel);
    EXPECT_EQ(Shown("dtpClassSTime"), (PlainTime{9, 0, 0}));
    EXPECT_EQ(Field("edtClassAbbreviation"), "Ph");
    EXPECT_EQ(Field("edtClassName"), "Physics");
    EXPECT_EQ(Field("edtClassTeacher"), "Mr Lee");
    EXPECT_EQ(Field("reClassNote"), "Lab 3");

    Page().sgClassTableSelectCell(0, 5);
    Page().sgClassTableSelectCell(4, 0);
    Grid().UserSelectCell(0, 7);
    EXPECT_EQ(Field("edtClassWeekDay"), cell.weekdayLabel);
    EXPECT_EQ(Field("edtClassAbbreviation"), "Ph");
    EXPECT_EQ(Shown("dtpClassSTime"), (PlainTime{9, 0, 0}));
    // The current cell stayed: Save still writes Wednesday's second period.
    Get<EditField>("edtClassAbbreviation").UserEditText("Ch");
    Page().tbClassSaveClick();
    EXPECT_EQ(cell.abbreviation, "Ch");
}

TEST_F(ClassTableEditorTest, SaveWritesTheFieldsAndClearEmptiesTheCell) {
    CLASSTABLE& cell = Cell(1, 3);
    cell.place = "Room 5";
    cell.color = 3;
    cell.locked = 1;
    cell.stamp_time = "2020/01/01 00:00:00";
    OpenPage();
    Grid().UserSelectCell(2, 4);
    TypeTexts("Geo", "Geography", "Ms Wu", "Atlas");
    Get<ToolButton>("tbClassSave").UserClick();
    EXPECT_EQ(cell.abbreviation, "Geo");
    EXPECT_EQ(cell.course_name, "Geography");
    EXPECT_EQ(cell.teacher, "Ms Wu");
    EXPECT_EQ(cell.note, "Atlas");
    EXPECT_EQ(cell.place, "Room 5");
    EXPECT_EQ(cell.stamp_time, "2020/01/01 00:00:00");
    EXPECT_EQ((std::array{cell.locked, cell.setting, cell.color}), (std::array{0, 1, 0}));
    EXPECT_EQ(cell.displayColour, 0u);
    EXPECT_EQ(Grid().Cell(2, 4), "Geo");
    EXPECT_TRUE(Grid().Focused());
    EXPECT_TRUE(Messages().empty());

    Get<ToolButton>("tbClassClear").UserClick();
    EXPECT_EQ(Grid().Cell(2, 4), "");
    EXPECT_EQ(cell.abbreviation + cell.course_name + cell.teacher + cell.note + cell.place, "");
    EXPECT_EQ(cell.setting, 0);
    EXPECT_EQ(cell.displayColour, 0xFFFFFFu);
    for (const char* field :
         {"edtClassAbbreviation", "edtClassName", "edtClassTeacher", "reClassNote"})
        EXPECT_EQ(Field(field), "") << field;

    Get<ToolButton>("tbClassSave").UserClick();
    EXPECT_EQ(Messages(), (std::vector{LangText("SM_AbbreviationIsEmpty")}));
    EXPECT_EQ(cell.setting, 0);
}

TEST_F(ClassTableEditorTest, PasteTakesTheCopiedCellAsItIsThenAndOnlyOnce) {
    OpenPage();
    ToolButton& paste = Get<ToolButton>("tbClassPaste");
    EXPECT_FALSE(paste.Enabled());
    Grid().UserSelectCell(1, 1);
    TypeTexts("En", "English", "Mr Ng", "");
    Get<ToolButton>("tbClassSave").UserClick();
    Get<ToolButton>("tbClassCopy").UserClick();
    EXPECT_TRUE(paste.Enabled());
    TypeTexts("Lit", "Literature", "Mr Ng", "Poems");
    Get<ToolButton>("tbClassSave").UserClick();
    Cell(0, 0).place = "Hall";
    Cell(0, 0).color = 4;
    Cell(0, 0).displayColour = DisplayColour(4);

    CLASSTABLE& target = Cell(1, 2);
    target.stamp_time = "2021/05/05 08:00:00";
    const std::string label = target.weekdayLabel;
    Grid().UserSelectCell(2, 3);
    paste.UserClick();
    EXPECT_EQ(target.abbreviation, "Lit");
    EXPECT_EQ(target.course_name, "Literature");
    EXPECT_EQ(target.note, "Poems");
    EXPECT_EQ(target.place, "Hall");
    EXPECT_EQ(target.color, 4);
    EXPECT_EQ(target.displayColour, DisplayColour(4));
    EXPECT_EQ(target.setting, 1);
    EXPECT_EQ(target.stamp_time, "2021/05/05 08:00:00");
    EXPECT_EQ(target.weekdayLabel, label);
    EXPECT_EQ(Grid().Cell(2, 3), "Lit");
    EXPECT_EQ(Field("reClassNote"), "Poems");
    EXPECT_FALSE(paste.Enabled());

    // A second Paste has nothing to paste until the next Copy.
    Grid().UserSelectCell(4, 4);
    Page().tbClassPasteClick();
    EXPECT_EQ(Cell(3, 3).abbreviation, "");
    EXPECT_EQ(Cell(3, 3).setting, 0);
    EXPECT_EQ(Grid().Cell(4, 4), "");
}

TEST_F(ClassTableEditorTest, PasteOntoTheCopiedCellKeepsItsTextsAndMarksItSet) {
    CLASSTABLE& cell = Cell(4, 6);
    cell.abbreviation = "Mu";
    cell.teacher = "Ms Ho";
    cell.locked = 1;
    cell.setting = 0;
    OpenPage();
    Grid().UserSelectCell(5, 7);
    Get<ToolButton>("tbClassCopy").UserClick();
    Get<ToolButton>("tbClassPaste").UserClick();
    EXPECT_EQ(cell.abbreviation, "Mu");
    EXPECT_EQ(cell.teacher, "Ms Ho");
    EXPECT_EQ(cell.locked, 1);
    EXPECT_EQ(cell.setting, 1);
    EXPECT_EQ(Grid().Cell(5, 7), "Mu");
}

TEST_F(ClassTableEditorTest, AReadOnlyCellIsShownButNeverChanged) {
    CLASSTABLE& cell = Cell(0, 2);
    cell.abbreviation = "Hi";
    cell.stored.readOnly = true;
    Cell(1, 1).abbreviation = "Fr";
    OpenPage();
    Grid().UserSelectCell(1, 3);
    EXPECT_EQ(Field("edtClassAbbreviation"), "Hi");
    Get<EditField>("edtClassAbbreviation").UserEditText("Xx");
    Get<ToolButton>("tbClassSave").UserClick();
    Get<ToolButton>("tbClassClear").UserClick();
    Grid().UserSelectCell(2, 2);
    Get<ToolButton>("tbClassCopy").UserClick();
    Grid().UserSelectCell(1, 3);
    Get<ToolButton>("tbClassPaste").UserClick();
    const std::string refused = LangText("SM_RecordReadOnly");
    EXPECT_EQ(Messages(), (std::vector{refused, refused, refused}));
    EXPECT_EQ(cell.abbreviation, "Hi");
    EXPECT_EQ(cell.setting, 0);
    EXPECT_EQ(Grid().Cell(1, 3), "Hi");
    // The copied cell can still go to a cell that takes it.
    EXPECT_TRUE(Get<ToolButton>("tbClassPaste").Enabled());
}

TEST_F(ClassTableEditorTest, APeriodMayNotStartBeforeThePreviousOneEnds) {
    OpenPage();
    Lists().classTimes[0] = {10, 0, 10, 50};
    const ClassTime before = Times(1);
    SetTimes(1, {Am(9, 55), Am(11, 40)});
    EXPECT_EQ(Messages(), (std::vector{LangText("SM_ClassTimeError")}));
    EXPECT_EQ(Times(1), before);
    EXPECT_EQ(Shown("dtpClassSTime"), (PlainTime{before.startHour, before.startMinute, 0}));

    harness_.ui.messages.Clear();
    SetTimes(1, {Am(10, 50), Am(11, 40)});
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Times(1), (ClassTime{10, 50, 11, 40}));
    EXPECT_EQ(Shown("dtpClassSTime"), (PlainTime{10, 50, 0}));
    EXPECT_EQ(Shown("dtpClassETime"), (PlainTime{11, 40, 0}));
    // Later periods are not compared: period 2 still starts at 10:00.
    EXPECT_EQ(Times(2).startHour, 10);
}

TEST_F(ClassTableEditorTest, APeriodMayEndWhenItStartsButNotBefore) {
    OpenPage();
    SetTimes(0, {Am(8, 5), Am(8, 0)});
    EXPECT_EQ(Messages(), (std::vector{LangText("SM_StartTimeIsOverThanEndTime")}));
    EXPECT_EQ(Times(0), (ClassTime{8, 0, 8, 50}));

    harness_.ui.messages.Clear();
    SetTimes(0, {Am(8, 0), Am(8, 0)});
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Times(0), (ClassTime{8, 0, 8, 0}));

    // Cancel changes nothing.
    Get<SpeedButton>("sbClassSetTime").UserClick();
    EXPECT_EQ(Times(0), (ClassTime{8, 0, 8, 0}));
}

TEST_F(ClassTableEditorTest, TheDialogOpensOnTwelveHourTimesAndOkGivesThemBack) {
    OpenPage();
    Lists().classTimes[0] = {13, 30, 14, 15};
    ASSERT_TRUE(Grid().SelectCell(1, 1));
    harness_.ui.classTimeDialog.QueueOkAsOpened();
    Get<SpeedButton>("sbClassSetTime").UserClick();
    const auto& requests = harness_.ui.classTimeDialog.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(ItemsForClockTimes(requests[0].working), (ClockTimeItems{0, 6, 1, 1, 3, 1}));
    EXPECT_EQ(requests[0].texts,
              (TimeDialogTexts{"Zyntra", LangText("SM_SET_STIME"), LangText("SM_SET_ETIME"),
                               LangText("SM_OK"), LangText("SM_CANCEL")}));
    EXPECT_EQ(Times(0), (ClassTime{13, 30, 14, 15}));
    EXPECT_EQ(Shown("dtpClassSTime"), (PlainTime{13, 30, 0}));
    EXPECT_EQ(Shown("dtpClassETime"), (PlainTime{14, 15, 0}));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ClassTableEditorTest, TwelveIsNoonAndAnUnchosenHourFollowsTheHalfOfTheDay) {
    OpenPage();
    // 12 AM is noon, not midnight.
    SetTimes(4, {Am(12, 0), Am(12, 45)});
    EXPECT_EQ(Times(4), (ClassTime{12, 0, 12, 45}));

    // A stored hour 0 opens with no hour chosen; OK keeps it in the morning.
    Lists().classTimes[0] = {0, 30, 1, 0};
    ASSERT_TRUE(Grid().SelectCell(1, 1));
    harness_.ui.classTimeDialog.QueueOkAsOpened();
    Get<SpeedButton>("sbClassSetTime").UserClick();
    EXPECT_EQ(harness_.ui.classTimeDialog.Requests().back().working.start, Am(0, 30));
    EXPECT_EQ(ItemsForClockTimes(harness_.ui.classTimeDialog.Requests().back().working).startHour,
              -1);
    EXPECT_EQ(Times(0), (ClassTime{0, 30, 1, 0}));
    EXPECT_EQ(Shown("dtpClassSTime"), (PlainTime{0, 30, 0}));

    // The afternoon with no hour is 12.
    SetTimes(0, {Pm(0, 30), Pm(1, 0)});
    EXPECT_EQ(Times(0), (ClassTime{12, 30, 13, 0}));
}

TEST_F(ClassTableEditorTest, AStoredTimeOutsideTheDayShowsTheClockAndStaysStored) {
    Lists().classTimes[2] = {25, 70, 10, 50};
    OpenPage();
    Grid().UserSelectCell(1, 3);
    EXPECT_EQ(Shown("dtpClassSTime"), (PlainTime{10, 20, 30}));
    EXPECT_EQ(Shown("dtpClassETime"), (PlainTime{10, 50, 0}));
    EXPECT_EQ(Times(2), (ClassTime{25, 70, 10, 50}));
}

} // namespace
} // namespace zyntra
