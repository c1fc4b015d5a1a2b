#include "app/controls/layout_helpers.h"
#include "app/controls/main_window_areas.h"

namespace zyntra::layout {
namespace {

// Seven weekdays after the period column, twelve periods below the weekday row.
constexpr int kGridColumns = 8;
constexpr int kGridRows = 13;
constexpr int kCellWidth = 64;
constexpr int kCellHeight = 24;
constexpr int kGridBorder = 4;

constexpr int kLabelLeft = 560;
constexpr int kLabelWidth = 100;
constexpr int kFieldLeft = kLabelLeft + kLabelWidth;
constexpr int kRowHeight = 22;
constexpr int kRowPitch = 32;

void CreateGrid(ControlSet& controls, TabSheet& page) {
    auto& grid = controls.Add<StringGrid>("sgClassTable", &page);
    grid.SetSize(kGridColumns, kGridRows);
    grid.SetFixed(1, 1);
    grid.SetDefaultColWidth(kCellWidth);
    grid.SetDefaultRowHeight(kCellHeight);
    grid.SetBounds({8, kBarHeight + 8, kGridColumns * kCellWidth + kGridBorder,
                    kGridRows * kCellHeight + kGridBorder});
    grid.SetHint("RC_SG_CLASS_HINT");
}

// A labelled one-line field in the column of fields beside the grid; the label shares the
// field's hint, so pointing at either explains the field.
EditField& AddClassField(ControlSet& controls, TabSheet& page, int row, const char* label,
                         const char* field, int width, int maxLength, const char* hint = "") {
    const int top = kBarHeight + 10 + row * kRowPitch;
    AddLabel(controls, label, page, {kLabelLeft, top, kLabelWidth, kRowHeight}).SetHint(hint);
    return AddEdit(controls, field, page, {kFieldLeft, top, width, kRowHeight}, maxLength, hint);
}

void CreatePeriodTimes(ControlSet& controls, TabSheet& page, int row) {
    const int top = kBarHeight + 10 + row * kRowPitch;
    auto& start = controls.Add<TimePicker>("dtpClassSTime", &page);
    start.SetBounds({kFieldLeft, top, 120, kRowHeight});
    start.SetHint("RC_DTP_STIME_HINT");
    auto& end = controls.Add<TimePicker>("dtpClassETime", &page);
    end.SetBounds({kFieldLeft, top + kRowPitch, 120, kRowHeight});
    end.SetHint("RC_DTP_ETIME_HINT");
    auto& setTime = controls.Add<SpeedButton>("sbClassSetTime", &page);
    setTime.SetBounds({kFieldLeft + 130, top, 80, kRowHeight});
    setTime.SetHint("RC_SB_SETTIME_HINT");
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

    AddClassField(controls, page, 0, "lblClassWeekday", "edtClassWeekDay", 120, 6)
        .SetReadOnly(true);
    AddClassField(controls, page, 1, "lblClassNo", "edtClassNo", 120, 8).SetReadOnly(true);
    CreatePeriodTimes(controls, page, 2);
    AddClassField(controls, page, 4, "lblClassAbbreviation", "edtClassAbbreviation", 120, 6,
                  "RC_LBL_CLASS_ABBREVIATION_HINT");
    AddClassField(controls, page, 5, "lblClassName", "edtClassName", 300, 20,
                  "RC_LBL_CLASS_NAME_HINT");
    AddClassField(controls, page, 6, "lblClassTeacher", "edtClassTeacher", 300, 20,
                  "RC_LBL_CLASS_TEACHER_HINT");

    const int noteTop = kBarHeight + 10 + 7 * kRowPitch;
    AddLabel(controls, "lblClassNote", page, {kLabelLeft, noteTop, kLabelWidth, kRowHeight})
        .SetHint("RC_LBL_CLASS_NOTE_HINT");
    AddMemo(controls, "reClassNote", page, {kFieldLeft, noteTop, 300, 80}, 20,
            "RC_LBL_CLASS_NOTE_HINT");
}

} // namespace zyntra::layout
