#include "app/controls/layout_helpers.h"
#include "app/controls/main_window_areas.h"

namespace zyntra::layout {
namespace {

constexpr int kListHeight = 370;
constexpr int kRowHeight = 22;
constexpr int kLabelWidth = 80;
constexpr int kAlarmChoices = 4;
// The content column takes what the fixed columns and the scroll bar leave of the list.
constexpr int kFixedColumnsWidth = 80 + 100 + 121 + 121;
constexpr int kScrollBarAllowance = 24;

void CreateTimeRow(ControlSet& controls, TabSheet& page, int top) {
    RowPlacer row(8, top, kRowHeight);
    AddLabel(controls, "lblScheDate", page, row.Next(kLabelWidth));
    auto& date = controls.Add<DatePicker>("dtpScheDate", &page);
    date.SetBounds(row.Next(120));
    date.SetHint("RC_DTP_DATE_HINT");
    row.Skip(8);

    AddLabel(controls, "lblScheSTime", page, row.Next(60));
    auto& start = controls.Add<TimePicker>("dtpScheSTime", &page);
    start.SetBounds(row.Next(90));
    start.SetHint("RC_DTP_STIME_HINT");
    row.Skip(8);

    AddLabel(controls, "lblScheETime", page, row.Next(60));
    auto& end = controls.Add<TimePicker>("dtpScheETime", &page);
    end.SetBounds(row.Next(90));
    end.SetHint("RC_DTP_ETIME_HINT");
    row.Skip(8);

    auto& setTime = controls.Add<SpeedButton>("sbScheSetTime", &page);
    setTime.SetBounds(row.Next(80));
    setTime.SetHint("RC_SB_SETTIME_HINT");
    row.Skip(8);
    AddCheckBox(controls, "cbScheNoTime", page, row.Next(120), "RC_CB_NOTIME_HINT");
}

void CreateAlarmRow(ControlSet& controls, TabSheet& page, int top) {
    RowPlacer row(8, top, kRowHeight);
    AddLabel(controls, "lblScheAlarm", page, row.Next(kLabelWidth));
    AddSelector(controls, "cbScheAlarm", page, row.Next(200), kAlarmChoices, "RC_CB_ALARM_HINT");
    row.Skip(12);
    // Never shown: it only carries the lock flag of the selected appointment.
    AddCheckBox(controls, "cbScheLock", page, row.Next(100), "RC_CB_LOCK_HINT").SetVisible(false);
}

} // namespace

void CreateScheduleControls(ControlSet& controls, TabSheet& page) {
    AddEditorBar(controls, "clbScheBar", page,
                 {{"tbScheNew", "RC_TB_NEW_HINT", 0},
                  {"tbScheSave", "RC_TB_SAVE_HINT", 1},
                  {"tbScheDelete", "RC_TB_DELETE_HINT", 2},
                  {"tbScheSync", "RC_TB_SYNC_HINT", 3},
                  {"tbScheSeparator", "", -1, true},
                  {"tbScheAuthority", "RC_TB_AUTHORITY_HINT", 4}});
    const int width = page.Width();
    AddEditorList(controls, "lvScheList", page, {0, kBarHeight, width, kListHeight},
                  "RC_LV_SCHE_HINT",
                  {0, 80, 100, 121, 121, width - kFixedColumnsWidth - kScrollBarAllowance});

    const int top = kBarHeight + kListHeight + 12;
    CreateTimeRow(controls, page, top);
    CreateAlarmRow(controls, page, top + 32);
    const int contentTop = top + 64;
    AddLabel(controls, "lblScheContent", page, {8, contentTop, kLabelWidth, kRowHeight});
    AddMemo(controls, "reScheContent", page, {8 + kLabelWidth, contentTop, 700, 140}, 100,
            "RC_RE_SCHE_CONTENT_HINT");
}

} // namespace zyntra::layout
