#pragma once

#include "personal/editors/editor_services.h"

#include <array>
#include <optional>

namespace zyntra {

class ControlSet;
class EditField;
class SpeedButton;
class StringGrid;
class TabSheet;
class TimePicker;
class ToolButton;

// The class timetable editor: the week of ClassGrid in sgClassTable (weekdays across, periods
// down, one header row and column), the fields of the current cell, and the twelve period times
// shared by all weekdays. It fills, clears, copies and pastes cells in place; none is ever added
// or removed, and none is ever masked.
class ClassTablePage {
public:
    ClassTablePage(const ControlSet& controls, EditorServices& services);
    ClassTablePage(const ClassTablePage&) = delete;
    ClassTablePage& operator=(const ClassTablePage&) = delete;

    void AttachHandlers();

    void tabClassShow();
    void sgClassTableSelectCell(int column, int row);
    void tbClassSaveClick();
    void tbClassClearClick();
    void tbClassCopyClick();
    void tbClassPasteClick();
    void sbClassSetTimeClick();

    // The user switched to this page: the headers once, the current cell's labels and period
    // times, the grid's texts.
    void PageChanged();
    // Every grid cell shows the abbreviation its record holds now.
    void FillGrid();

    static constexpr int kCellCount = kWeekdayCount * kClassPeriodCount;
    static constexpr int kCellTextFieldCount = 4;

private:
    struct CellPosition {
        int weekday = 0;
        int period = 0;
    };

    CLASSTABLE& Cell(const CellPosition& position) const;
    CLASSTABLE& CurrentCell() const { return Cell(current_); }
    void SetCurrentGridText(const std::string& text);

    void WriteHeaders();
    void ShowLabels();
    void ShowPeriodTimes();
    void ShowCellTexts();
    bool RefusedAsReadOnly(const CLASSTABLE& cell) const;

    EditorServices& services_;
    StringGrid& grid_;
    EditField& weekday_;
    EditField& classNo_;
    TimePicker& startTime_;
    TimePicker& endTime_;
    std::array<EditField*, kCellTextFieldCount> textFields_{};
    ToolButton& saveButton_;
    ToolButton& clearButton_;
    ToolButton& copyButton_;
    ToolButton& pasteButton_;
    SpeedButton& setTimeButton_;
    TabSheet& page_;

    CellPosition current_;
    // The cell that Copy marked, until one Paste takes it. A position only: Paste takes the
    // cell's contents as they are when it runs.
    std::optional<CellPosition> clipboard_;
};

} // namespace zyntra
