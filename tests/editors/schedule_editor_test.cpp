#include "personal/editors/schedule_page.h"
#include "tests/editors/dated_page_fixture.h"
#include "texts/lang_text.h"

namespace zyntra {
namespace {

constexpr int kSchedulePage = 1;
constexpr const char* kList = "lvScheList";

using Texts = std::vector<std::string>;

class ScheduleEditorTest : public test::DatedPageTest {
protected:
    SCHEDULE& Add(std::string date, std::string start, std::string end, std::string content,
                  int alarm = 0, int minutes = -1) {
        auto record = std::make_unique<SCHEDULE>();
        record->id = static_cast<int>(Lists().ScheList.size()) + 1;
        record->date = std::move(date);
        record->start_time = std::move(start);
        record->end_time = std::move(end);
        record->content = std::move(content);
        record->alarm = alarm;
        record->alarm_BStime = minutes;
        record->stamp_time = "2024/01/01 08:00:00";
        Lists().ScheList.push_back(std::move(record));
        return *Lists().ScheList.back();
    }

    SchedulePage& Page() { return Editors().Schedule(); }
    ListView& List() { return Get<ListView>(kList); }
    void Select(int row) { List().UserSelectRow(row); }
    PlainTime StartField() { return Get<TimePicker>("dtpScheSTime").Time(); }
    PlainTime EndField() { return Get<TimePicker>("dtpScheETime").Time(); }
    PlainDate Date() { return Get<DatePicker>("dtpScheDate").Date(); }
    EditField& Content() { return Get<EditField>("reScheContent"); }
    CheckBox& NoTime() { return Get<CheckBox>("cbScheNoTime"); }
    ComboBox& Alarm() { return Get<ComboBox>("cbScheAlarm"); }
    std::vector<std::string> Dates() {
        std::vector<std::string> dates;
        for (const auto& record : Lists().ScheList)
            dates.push_back(record->date);
        return dates;
    }
};

TEST_F(ScheduleEditorTest, ALockedDeviceMasksEveryAppointmentUntilTheRightPassword) {
    Start(/*locked=*/true);
    Add("2024/05/01", "08:00", "09:00", "Dentist", 1, 0);
    Add("2024/05/02", "", "", "Secret", 0, -1).locked = 1;
    ShowEditorPage(kSchedulePage);

    const Texts masked{"", " * ", " * ", " * ", " * ", " * "};
    EXPECT_EQ(Row(kList, 0), masked); // not locked itself, masked all the same
    EXPECT_EQ(Row(kList, 1), masked);
    Select(0);
    EXPECT_EQ(Content().Text(), "*");
    EXPECT_EQ(Date(), kNow.date);
    EXPECT_EQ(StartField(), kNow.time);
    EXPECT_EQ(EndField(), kNow.time);

    // The placeholders never reach the record.
    Page().tbScheSaveClick();
    EXPECT_EQ(TakeShown(), Texts{LangText("SM_NoSelectItem")});
    EXPECT_EQ(Lists().ScheList[0]->content, "Dentist");
    EXPECT_EQ(Lists().ScheList[0]->date, "2024/05/01");

    harness_.ui.passwordDialog.QueuePassword("9999");
    Get<ToolButton>("tbScheAuthority").Click();
    EXPECT_EQ(TakeShown(), Texts{LangText("SM_PasswordIncorrectShow")});
    EXPECT_EQ(Row(kList, 0), masked);

    harness_.ui.passwordDialog.QueuePassword(kPassword);
    Get<ToolButton>("tbScheAuthority").Click();
    EXPECT_EQ(Row(kList, 0), (Texts{"", " !", "2024/05/01", "08:00", "09:00", "Dentist"}));
    EXPECT_EQ(Row(kList, 1), (Texts{"", "", "2024/05/02", "", "", "Secret"}));
    EXPECT_EQ(Content().Text(), "Dentist"); // the selected row shows its own fields now
    EXPECT_FALSE(Get<CheckBox>("cbScheLock").Checked());

    // Locking again asks for the password too.
    harness_.ui.passwordDialog.QueuePassword(kPassword);
    Page().tbScheAuthorityClick();
    EXPECT_EQ(Row(kList, 1), masked);
    EXPECT_EQ(harness_.ui.passwordDialog.Shown().size(), 3u);
}

TEST_F(ScheduleEditorTest, TheNoTimeBoxAndTheAlarmChoices) {
    Start();
    Add("2024/05/01", "10:00", "11:00", "Device alarm", 1, 15).locked = 1;
    Add("2024/05/02", "", "", "All day", 0, -1);
    Add("2024/05/03", "12:00", "12:30", "Half hour", 2, 30);
    ShowEditorPage(kSchedulePage);
    EXPECT_EQ(Row(kList, 0)[1], " !");
    EXPECT_EQ(Row(kList, 1)[1], "");
    EXPECT_EQ(Row(kList, 2)[1], " !");
    EXPECT_EQ(Row(kList, 0)[2], "2024/05/01"); // a locked record of an unlocked device

    // Minutes the choices never write show as the hour's alarm and are saved as it.
    Select(0);
    EXPECT_EQ(Alarm().ItemIndex(), 3);
    EXPECT_FALSE(NoTime().Checked());
    EXPECT_TRUE(Get<CheckBox>("cbScheLock").Checked());
    Page().tbScheSaveClick();
    EXPECT_EQ(TakeShown(), Texts{});
    const SCHEDULE& saved = *Lists().ScheList[0];
    EXPECT_EQ(saved.alarm, 3);
    EXPECT_EQ(saved.alarm_BStime, 60);
    EXPECT_EQ(saved.locked, 1);
    EXPECT_EQ(saved.stamp_time, "2024/01/01 08:00:00");
    EXPECT_EQ(saved.id, 1);

    Select(1);
    EXPECT_TRUE(NoTime().Checked());
    EXPECT_EQ(Alarm().ItemIndex(), 0);
    EXPECT_FALSE(Alarm().Enabled());
    EXPECT_FALSE(Get<SpeedButton>("sbScheSetTime").Enabled());
    EXPECT_EQ(StartField(), kNow.time);

    Select(2);
    EXPECT_FALSE(NoTime().Checked());
    EXPECT_TRUE(Alarm().Enabled());
    EXPECT_TRUE(Get<SpeedButton>("sbScheSetTime").Enabled());
    EXPECT_EQ(Alarm().ItemIndex(), 2);

    // The box forces "no alarm"; a new appointment without a time stores neither time.
    NoTime().UserClick();
    EXPECT_EQ(Alarm().ItemIndex(), 0);
    Content().UserEditText("Untimed");
    Page().tbScheNewClick();
    const SCHEDULE& added = *Lists().ScheList.back();
    EXPECT_EQ(added.start_time, "");
    EXPECT_EQ(added.end_time, "");
    EXPECT_EQ(added.alarm, 0);
    EXPECT_EQ(added.alarm_BStime, -1);
    EXPECT_EQ(added.id, 0);
}

TEST_F(ScheduleEditorTest, NewTakesTheShownTimesRoundedDownToFiveMinutes) {
    Start();
    ShowEditorPage(kSchedulePage);
    EXPECT_FALSE(Get<ToolButton>("tbScheSave").Enabled());
    EXPECT_EQ(Date(), kNow.date);
    EXPECT_EQ(StartField(), (PlainTime{14, 35, 0}));
    EXPECT_EQ(EndField(), (PlainTime{14, 35, 0}));

    Page().tbScheNewClick();
    EXPECT_EQ(TakeShown(), Texts{LangText("SM_ContentIsEmpty")});
    Page().tbScheSaveClick();
    EXPECT_EQ(TakeShown(), Texts{LangText("SM_NoSelectItem")});
    EXPECT_TRUE(Lists().ScheList.empty());

    Alarm().UserSelectItem(1);
    Content().UserEditText("Call home");
    Page().tbScheNewClick();
    ASSERT_EQ(Lists().ScheList.size(), 1u);
    const SCHEDULE& added = *Lists().ScheList[0];
    EXPECT_EQ(added.date, "2024/05/10");
    EXPECT_EQ(added.start_time, "14:35");
    EXPECT_EQ(added.end_time, "14:35");
    EXPECT_EQ(added.content, "Call home");
    EXPECT_EQ(added.alarm, 1);
    EXPECT_EQ(added.alarm_BStime, 0);
    EXPECT_EQ(added.stamp_time, "2024/05/10 14:37:20");
    EXPECT_EQ(List().Selected(), 0);
    EXPECT_TRUE(Get<ToolButton>("tbScheSave").Enabled());
    EXPECT_TRUE(Get<ToolButton>("tbScheDelete").Enabled());
}

TEST_F(ScheduleEditorTest, TheTimeDialogRefusesAnEndBeforeTheStart) {
    Start();
    ShowEditorPage(kSchedulePage);
    auto& dialog = harness_.ui.timeRangeDialog;

    dialog.QueueOk({{10, 0}, {9, 55}});
    Page().sbScheSetTimeClick();
    EXPECT_EQ(TakeShown(), Texts{LangText("SM_StartTimeIsOverThanEndTime")});
    EXPECT_EQ(StartField(), (PlainTime{14, 35, 0}));
    EXPECT_EQ(EndField(), (PlainTime{14, 35, 0}));
    ASSERT_EQ(dialog.Requests().size(), 1u);
    EXPECT_EQ(dialog.Requests()[0].working, (TimeRange{{14, 35}, {14, 35}}));
    EXPECT_EQ(dialog.Requests()[0].texts,
              (TimeDialogTexts{"Zyntra", LangText("SM_SET_STIME"), LangText("SM_SET_ETIME"),
                               LangText("SM_OK"), LangText("SM_CANCEL")}));

    dialog.QueueOk({{10, 0}, {10, 0}});
    Get<SpeedButton>("sbScheSetTime").Click();
    EXPECT_EQ(TakeShown(), Texts{});
    EXPECT_EQ(StartField(), (PlainTime{10, 0, 0}));
    EXPECT_EQ(EndField(), (PlainTime{10, 0, 0}));

    dialog.QueueCancel();
    Page().sbScheSetTimeClick();
    EXPECT_EQ(EndField(), (PlainTime{10, 0, 0}));
}

TEST_F(ScheduleEditorTest, AStoredEndBeforeTheStartIsRefusedUntilTheTimesAreSetAgain) {
    Start();
    Add("2024/05/01", "09:00", "08:00", "Backwards", 0, -1);
    ShowEditorPage(kSchedulePage); // selects the last row
    ASSERT_EQ(List().Selected(), 0);
    EXPECT_EQ(StartField(), (PlainTime{9, 0, 0}));

    Page().tbScheSaveClick();
    NoTime().UserClick();
    Page().tbScheSaveClick();
    EXPECT_EQ(TakeShown(), Texts(2, LangText("SM_StartTimeIsOverThanEndTime")));
    EXPECT_EQ(Lists().ScheList[0]->start_time, "09:00");

    NoTime().UserClick();
    harness_.ui.timeRangeDialog.QueueOk({{8, 0}, {9, 30}});
    Page().sbScheSetTimeClick();
    Page().tbScheSaveClick();
    EXPECT_EQ(TakeShown(), Texts{});
    EXPECT_EQ(Lists().ScheList[0]->start_time, "08:00");
    EXPECT_EQ(Lists().ScheList[0]->end_time, "09:30");
}

TEST_F(ScheduleEditorTest, TheDateColumnSortsByTimeAndSaveKeepsToTheSameRecord) {
    Start();
    Add("2024/03/01", "", "", "March");
    Add("2023/12/31", "", "", "New Year's Eve");
    Add("2024-2-1", "", "", "February, as the device wrote it");
    Add("2024/01/15", "", "", "January");
    ShowEditorPage(kSchedulePage);
    Select(3);

    List().UserClickColumn(2);
    EXPECT_EQ(Dates(), (Texts{"2024/03/01", "2024-2-1", "2024/01/15", "2023/12/31"}));
    List().UserClickColumn(2);
    EXPECT_EQ(Dates(), (Texts{"2023/12/31", "2024/01/15", "2024-2-1", "2024/03/01"}));
    List().UserClickColumn(5); // the content column does not sort
    EXPECT_EQ(Dates(), (Texts{"2023/12/31", "2024/01/15", "2024-2-1", "2024/03/01"}));

    EXPECT_EQ(List().Selected(), 1);
    EXPECT_EQ(Content().Text(), "January");
    Content().UserEditText("January, moved");
    Page().tbScheSaveClick();
    EXPECT_EQ(Lists().ScheList[1]->content, "January, moved");
    EXPECT_EQ(Lists().ScheList[1]->date, "2024/01/15");
    EXPECT_EQ(Lists().ScheList[0]->content, "New Year's Eve");
}

TEST_F(ScheduleEditorTest, DatesAndTimesTheDeviceWroteShowAsReadAndStayUntilSaved) {
    Start();
    Add("20240305", "0930", "1000", "Compact");
    Add("2024-3-5", "9:5", "later", "Dashed");
    Add("someday", "", "", "Unreadable");
    ShowEditorPage(kSchedulePage);

    Select(0);
    EXPECT_EQ(Date(), (PlainDate{2024, 3, 5}));
    EXPECT_EQ(StartField(), (PlainTime{9, 30, 0}));
    EXPECT_EQ(EndField(), (PlainTime{10, 0, 0}));
    Select(1);
    EXPECT_EQ(Date(), (PlainDate{2024, 3, 5}));
    EXPECT_EQ(StartField(), (PlainTime{9, 5, 0}));
    EXPECT_EQ(EndField(), kNow.time);
    Select(2);
    EXPECT_EQ(Date(), kNow.date);
    EXPECT_EQ(Row(kList, 0)[2], "20240305");
    EXPECT_EQ(Lists().ScheList[0]->start_time, "0930");
    EXPECT_EQ(Lists().ScheList[1]->date, "2024-3-5");

    Select(0);
    Page().tbScheSaveClick();
    EXPECT_EQ(Lists().ScheList[0]->date, "2024/03/05");
    EXPECT_EQ(Lists().ScheList[0]->start_time, "09:30");
    EXPECT_EQ(Lists().ScheList[0]->end_time, "10:00");
    EXPECT_EQ(Lists().ScheList[1]->date, "2024-3-5");
}

TEST_F(ScheduleEditorTest, ARecordLoadedReadOnlyIsShownButNeitherSavedNorDeleted) {
    Start();
    Add("2024/05/01", "08:00", "09:00", "Kept").stored.readOnly = true;
    ShowEditorPage(kSchedulePage);
    EXPECT_EQ(Content().Text(), "Kept");

    Content().UserEditText("Changed");
    Page().tbScheSaveClick();
    ASSERT_TRUE(List().SetFocus());
    Get<ToolButton>("tbScheDelete").Click();
    EXPECT_EQ(TakeShown(), Texts(2, LangText("SM_RecordReadOnly")));
    ASSERT_EQ(Lists().ScheList.size(), 1u);
    EXPECT_EQ(Lists().ScheList[0]->content, "Kept");
}

} // namespace
} // namespace zyntra
