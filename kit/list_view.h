#pragma once

#include "kit/control.h"
#include "kit/event.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace zyntra {

struct ListColumn {
    std::string caption;
    int width = 50;
};

// What the list shows in one row: the texts of its columns (the first is the row's caption)
// and its image, -1 for none.
struct ListRow {
    std::vector<std::string> texts;
    int imageIndex = -1;
};

enum class ViewStyle { Icon, SmallIcon, List, Report };

// Key codes of OnKeyDown that the window's handlers look at.
struct KeyCode {
    static constexpr int Enter = 13;
    static constexpr int Delete = 46;
};

// A virtual list view: it holds a row count, not rows. Whoever draws it asks RowData, which asks
// the OnData handler, for the rows it shows.
//
// Selection: every row that gains or loses the selection, from code or by the user, fires
// OnSelectItem(row, selected) once, losses first; a row that keeps its state fires nothing.
// Without multi-select at most one row is selected. Shrinking the row count drops the selection,
// cut look and focus of rows past the new end without events: those rows no longer exist.
// The focused row (the keyboard's current row) is separate from the selection; SetSelected
// leaves it alone, while a user's click moves both.
class ListView : public Control {
public:
    using Control::Control;

    int RowCount() const { return rowCount_; }
    void SetRowCount(int count);

    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    const ListColumn& Column(int index) const {
        return columns_.at(static_cast<std::size_t>(index));
    }
    void SetColumnCount(int count);
    // Setting a column past the last one adds columns up to it.
    void SetColumn(int index, std::string caption, int width);
    void SetColumnCaption(int index, std::string caption);
    void SetColumnWidth(int index, int width);

    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool multiSelect);

    int Selected() const; // the first selected row, -1 when none
    std::vector<int> SelectedRows() const;
    int SelectedCount() const { return static_cast<int>(selected_.size()); }
    bool IsRowSelected(int row) const { return selected_.count(row) != 0; }
    // Only this row selected afterwards; -1 or a row outside the list selects none.
    void SetSelected(int row);
    void SetRowSelected(int row, bool selected);
    void ClearSelection() { SetSelected(-1); }

    int FocusedRow() const { return focusedRow_; }
    void SetFocusedRow(int row); // outside the list: none

    ViewStyle Style() const { return style_; }
    void SetStyle(ViewStyle style);

    // The "cut" look of a row (drawn dimmed).
    bool IsRowCut(int row) const { return cutRows_.count(row) != 0; }
    void SetRowCut(int row, bool cut);
    void ClearRowStates();

    // Scrolling, in rows. Without a window the height of the control and the row height say
    // how many rows fit; at least one always does.
    int TopRow() const { return topRow_; }
    int RowHeight() const { return rowHeight_; }
    void SetRowHeight(int pixels);
    int VisibleRowCount() const;
    void MakeVisible(int row);
    void ScrollBy(int pixels);

    // Draw one row again.
    void RepaintRow(int row);

    std::function<ListRow(int row)> OnData;
    // The row's texts and image from OnData; an empty row outside the list or without handler.
    ListRow RowData(int row) const;

    // The user clicked a row (-1: empty space): only it is selected and it becomes the
    // focused row.
    void UserSelectRow(int row);
    // The user changed the selection to these rows (with Ctrl or Shift).
    void UserSetSelection(const std::vector<int>& rows, int focusedRow);
    void UserClickColumn(int column);
    void UserDoubleClick();
    void UserKeyDown(int key);
    void UserMouseMove();
    // Something was dropped on the list; source is the list it was dragged from, if any.
    void UserDrop(const Control* source);
    // The widget scrolled so that this row is at the top.
    void UserScrolled(int topRow);

    Event<int, bool> OnSelectItem;
    Event<int> OnColumnClick;
    Event<> OnDblClick;
    Event<int> OnKeyDown;
    Event<> OnMouseMove;
    Event<const Control*> OnDragDrop;

private:
    void ApplySelection(const std::set<int>& wanted);
    bool Deselect(int row);
    bool Select(int row);
    void SetTopRow(int row);
    bool Valid(int row) const { return row >= 0 && row < rowCount_; }

    int rowCount_ = 0;
    std::vector<ListColumn> columns_;
    bool multiSelect_ = false;
    std::set<int> selected_;
    int focusedRow_ = -1;
    ViewStyle style_ = ViewStyle::Icon;
    std::set<int> cutRows_;
    int topRow_ = 0;
    int rowHeight_ = 17;
};

} // namespace zyntra
