#include "app/controls/layout_helpers.h"
#include "app/controls/main_window_areas.h"
#include "personal/record_limits.h"
#include "personal/schedule_alarm.h"

namespace zyntra::layout {
namespace {

// The content column takes what the fixed columns and the scroll bar leave of the list.
constexpr int kFixedColumnsWidth = 80 + 100 + 121 + 121;
constexpr int kScrollBarAllowance = 24;

void CreateTimeRow(ControlSet& controls, TabSheet& page) {
    AddLabel(controls, "lblScheDate", page);
    AddPlaced<DatePicker>(controls, "dtpScheDate", page).SetHint("RC_DTP_DATE_HINT");
    AddLabel(controls, "lblScheSTime", page);
    AddPlaced<TimePicker>(controls, "dtpScheSTime", page).SetHint("RC_DTP_STIME_HINT");
    AddLabel(controls, "lblScheETime", page);
    AddPlaced<TimePicker>(controls, "dtpScheETime", page).SetHint("RC_DTP_ETIME_HINT");
    AddPlaced<SpeedButton>(controls, "sbScheSetTime", page).SetHint("RC_SB_SETTIME_HINT");
    AddCheckBox(controls, "cbScheNoTime", page, "RC_CB_NOTIME_HINT");
}

void CreateAlarmRow(ControlSet& controls, TabSheet& page) {
    AddLabel(controls, "lblScheAlarm", page);
    AddSelector(controls, "cbScheAlarm", page, kAlarmChoiceCount, "RC_CB_ALARM_HINT");
    // Never shown: it only carries the lock flag of the selected appointment.
    AddCheckBox(controls, "cbScheLock", page, "RC_CB_LOCK_HINT").SetVisible(false);
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
    AddEditorList(controls, "lvScheList", page, "RC_LV_SCHE_HINT",
                  {0, 80, 100, 121, 121, page.Width() - kFixedColumnsWidth - kScrollBarAllowance});
    CreateTimeRow(controls, page);
    CreateAlarmRow(controls, page);
    AddLabel(controls, "lblScheContent", page);
    AddMemo(controls, "reScheContent", page, kContentLength, "RC_RE_SCHE_CONTENT_HINT");
}

} // namespace zyntra::layout
