#include "kit/list_view.h"

#include <algorithm>

namespace zyntra {

void ListView::SetRowCount(int count) {
    count = std::max(count, 0);
    if (rowCount_ == count) {
        return;
    }
    rowCount_ = count;
    const std::size_t selectedBefore = selected_.size();
    selected_.erase(selected_.lower_bound(count), selected_.end());
    cutRows_.erase(cutRows_.lower_bound(count), cutRows_.end());
    if (focusedRow_ >= count) {
        focusedRow_ = -1;
    }
    topRow_ = std::clamp(topRow_, 0, std::max(0, count - VisibleRowCount()));
    Notify(ControlProperty::RowCount);
    if (selected_.size() != selectedBefore) {
        Notify(ControlProperty::Selection);
    }
}

void ListView::SetColumnCount(int count) {
    count = std::max(count, 0);
    if (ColumnCount() == count) {
        return;
    }
    columns_.resize(static_cast<std::size_t>(count));
    Notify(ControlProperty::Columns);
}

void ListView::SetColumn(int index, std::string caption, int width) {
    if (index < 0) {
        return;
    }
    if (index >= ColumnCount()) {
        SetColumnCount(index + 1);
    }
    auto& column = columns_[static_cast<std::size_t>(index)];
    if (column.caption == caption && column.width == width) {
        return;
    }
    column = {std::move(caption), width};
    Notify(ControlProperty::Columns, index);
}

void ListView::SetColumnCaption(int index, std::string caption) {
    if (index >= 0) {
        const int width = index < ColumnCount() ? Column(index).width : ListColumn{}.width;
        SetColumn(index, std::move(caption), width);
    }
}

void ListView::SetColumnWidth(int index, int width) {
    if (index >= 0) {
        std::string caption = index < ColumnCount() ? Column(index).caption : std::string();
        SetColumn(index, std::move(caption), width);
    }
}

void ListView::SetMultiSelect(bool multiSelect) {
    if (multiSelect_ == multiSelect) {
        return;
    }
    multiSelect_ = multiSelect;
    Notify(ControlProperty::Style);
    if (!multiSelect_ && selected_.size() > 1) {
        SetSelected(*selected_.begin());
    }
}

int ListView::Selected() const {
    return selected_.empty() ? -1 : *selected_.begin();
}

std::vector<int> ListView::SelectedRows() const {
    return {selected_.begin(), selected_.end()};
}

void ListView::SetSelected(int row) {
    std::set<int> wanted;
    if (Valid(row)) {
        wanted.insert(row);
    }
    ApplySelection(wanted);
}

void ListView::SetRowSelected(int row, bool selected) {
    if (!Valid(row) || IsRowSelected(row) == selected) {
        return;
    }
    std::set<int> wanted = multiSelect_ ? selected_ : std::set<int>{};
    if (selected) {
        wanted.insert(row);
    } else {
        wanted.erase(row);
    }
    ApplySelection(wanted);
}

// Losses first, then gains, each fired as it happens, so that a handler sees the state as it
// stands at that row. A handler may change the selection itself; what it leaves is respected,
// except that a single-select list never ends with two rows.
void ListView::ApplySelection(const std::set<int>& wanted) {
    bool changed = false;
    std::vector<int> losing;
    std::set_difference(selected_.begin(), selected_.end(), wanted.begin(), wanted.end(),
                        std::back_inserter(losing));
    for (int row : losing) {
        changed = Deselect(row) || changed;
    }
    for (int row : wanted) {
        if (!multiSelect_) {
            const std::vector<int> others(selected_.begin(), selected_.end());
            for (int other : others) {
                if (other != row) {
                    changed = Deselect(other) || changed;
                }
            }
        }
        changed = Select(row) || changed;
        if (!multiSelect_) {
            break;
        }
    }
    if (!multiSelect_ && selected_.size() > 1) {
        // A handler kept re-selecting rows: the row this change asked for wins.
        const int keep = !wanted.empty() && IsRowSelected(*wanted.begin()) ? *wanted.begin()
                                                                           : *selected_.begin();
        selected_ = {keep};
        changed = true;
    }
    if (changed) {
        Notify(ControlProperty::Selection);
    }
}

bool ListView::Deselect(int row) {
    if (selected_.erase(row) == 0) {
        return false;
    }
    OnSelectItem.Fire(row, false);
    return true;
}

bool ListView::Select(int row) {
    if (!Valid(row) || !selected_.insert(row).second) {
        return false;
    }
    OnSelectItem.Fire(row, true);
    return true;
}

void ListView::SetFocusedRow(int row) {
    row = Valid(row) ? row : -1;
    if (focusedRow_ == row) {
        return;
    }
    focusedRow_ = row;
    Notify(ControlProperty::FocusedRow);
}

void ListView::SetStyle(ViewStyle style) {
    if (style_ == style) {
        return;
    }
    style_ = style;
    Notify(ControlProperty::Style);
}

void ListView::SetRowCut(int row, bool cut) {
    if (!Valid(row) || IsRowCut(row) == cut) {
        return;
    }
    if (cut) {
        cutRows_.insert(row);
    } else {
        cutRows_.erase(row);
    }
    Notify(ControlProperty::RowStates, row);
}

void ListView::ClearRowStates() {
    if (cutRows_.empty()) {
        return;
    }
    cutRows_.clear();
    Notify(ControlProperty::RowStates);
}

void ListView::SetRowHeight(int pixels) {
    if (pixels > 0 && pixels != rowHeight_) {
        rowHeight_ = pixels;
        Notify(ControlProperty::Style);
    }
}

int ListView::VisibleRowCount() const {
    return std::max(1, Height() / rowHeight_);
}

void ListView::MakeVisible(int row) {
    if (!Valid(row)) {
        return;
    }
    if (row < topRow_) {
        SetTopRow(row);
    } else if (row >= topRow_ + VisibleRowCount()) {
        SetTopRow(row - VisibleRowCount() + 1);
    }
}

void ListView::ScrollBy(int pixels) {
    SetTopRow(topRow_ + pixels / rowHeight_);
}

void ListView::SetTopRow(int row) {
    row = std::clamp(row, 0, std::max(0, rowCount_ - VisibleRowCount()));
    if (topRow_ == row) {
        return;
    }
    topRow_ = row;
    Notify(ControlProperty::Scroll, row);
}

void ListView::RepaintRow(int row) {
    if (Valid(row)) {
        Notify(ControlProperty::Repaint, row);
    }
}

ListRow ListView::RowData(int row) const {
    if (!Valid(row) || !OnData) {
        return {};
    }
    return OnData(row);
}

void ListView::UserSelectRow(int row) {
    if (!AcceptsUserAction()) {
        return;
    }
    if (Valid(row)) {
        SetFocusedRow(row);
    }
    SetSelected(row);
}

void ListView::UserSetSelection(const std::vector<int>& rows, int focusedRow) {
    if (!AcceptsUserAction()) {
        return;
    }
    std::set<int> wanted;
    for (int row : rows) {
        if (Valid(row)) {
            wanted.insert(row);
        }
    }
    if (!multiSelect_ && wanted.size() > 1) {
        const int keep = wanted.count(focusedRow) != 0 ? focusedRow : *wanted.begin();
        wanted = {keep};
    }
    SetFocusedRow(focusedRow);
    ApplySelection(wanted);
}

void ListView::UserClickColumn(int column) {
    if (AcceptsUserAction() && column >= 0 && column < ColumnCount()) {
        OnColumnClick.Fire(column);
    }
}

void ListView::UserDoubleClick() {
    if (AcceptsUserAction()) {
        OnDblClick.Fire();
    }
}

void ListView::UserKeyDown(int key) {
    if (AcceptsUserAction()) {
        OnKeyDown.Fire(key);
    }
}

void ListView::UserMouseMove() {
    if (AcceptsUserAction()) {
        OnMouseMove.Fire();
    }
}

void ListView::UserDrop(const Control* source) {
    if (AcceptsUserAction()) {
        OnDragDrop.Fire(source);
    }
}

void ListView::UserScrolled(int topRow) {
    if (AcceptsUserAction()) {
        SetTopRow(topRow);
    }
}

} // namespace zyntra
