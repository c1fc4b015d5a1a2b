#include "app/controls/layout_helpers.h"
#include "app/controls/main_window_areas.h"
#include "personal/record_limits.h"

namespace zyntra::layout {
namespace {

// Seven weekdays after the period column, twelve periods below the weekday row.
constexpr int kGridColumns = 8;
constexpr int kGridRows = 13;
constexpr int kCellWidth = 64;
constexpr int kCellHeight = 24;

void CreateGrid(ControlSet& controls, TabSheet& page) {
    auto& grid = AddPlaced<StringGrid>(controls, "sgClassTable", page);
    grid.SetSize(kGridColumns, kGridRows);
    grid.SetFixed(1, 1);
    grid.SetDefaultColWidth(kCellWidth);
    grid.SetDefaultRowHeight(kCellHeight);
    grid.SetHint("RC_SG_CLASS_HINT");
}

// A labelled one-line field in the column of fields beside the grid; the label shares the
// field's hint, so pointing at either explains the field.
EditField& AddClassField(ControlSet& controls, TabSheet& page, const char* label, const char* field,
                         int maxLength, const char* hint = "") {
    AddLabel(controls, label, page).SetHint(hint);
    return AddEdit(controls, field, page, maxLength, hint);
}

void CreatePeriodTimes(ControlSet& controls, TabSheet& page) {
    AddPlaced<TimePicker>(controls, "dtpClassSTime", page).SetHint("RC_DTP_STIME_HINT");
    AddPlaced<TimePicker>(controls, "dtpClassETime", page).SetHint("RC_DTP_ETIME_HINT");
    AddPlaced<SpeedButton>(controls, "sbClassSetTime", page).SetHint("RC_SB_SETTIME_HINT");
}

} // namespace

void CreateClassTableControls(ControlSet& controls, TabSheet& page) {
    AddEditorBar(controls, "clbClassBar", page,
                 {{"tbClassSave", "RC_TB_SAVE_HINT", 1},
                  {"tbClassClear", "RC_TB_CLEAR_HINT", 5},
                  {"tbClassCopy", "RC_TB_COPY_HINT", 6},
                  {"tbClassPaste", "RC_TB_PASTE_HINT", 7},
                  {"tbClassSync", "RC_TB_SYNC_HINT", 3}});
    // Paste has nothing to paste until a cell is copied.
    controls.Get<ToolButton>("tbClassPaste").SetEnabled(false);
    CreateGrid(controls, page);

    AddClassField(controls, page, "lblClassWeekday", "edtClassWeekDay", 6).SetReadOnly(true);
    AddClassField(controls, page, "lblClassNo", "edtClassNo", 8).SetReadOnly(true);
    CreatePeriodTimes(controls, page);
    AddClassField(controls, page, "lblClassAbbreviation", "edtClassAbbreviation",
                  kClassAbbreviationLength, "RC_LBL_CLASS_ABBREVIATION_HINT");
    AddClassField(controls, page, "lblClassName", "edtClassName", kClassTextLength,
                  "RC_LBL_CLASS_NAME_HINT");
    AddClassField(controls, page, "lblClassTeacher", "edtClassTeacher", kClassTextLength,
                  "RC_LBL_CLASS_TEACHER_HINT");

    AddLabel(controls, "lblClassNote", page).SetHint("RC_LBL_CLASS_NOTE_HINT");
    AddMemo(controls, "reClassNote", page, kClassTextLength, "RC_LBL_CLASS_NOTE_HINT");
}

} // namespace zyntra::layout
