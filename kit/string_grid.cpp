#include "kit/string_grid.h"

#include <algorithm>

namespace zyntra {

void StringGrid::SetSize(int colCount, int rowCount) {
    colCount = std::max(colCount, 1);
    rowCount = std::max(rowCount, 1);
    if (colCount == colCount_ && rowCount == rowCount_) {
        return;
    }
    std::vector<GridCell> cells(static_cast<std::size_t>(colCount) *
                                static_cast<std::size_t>(rowCount));
    for (int row = 0; row < std::min(rowCount, rowCount_); ++row) {
        for (int col = 0; col < std::min(colCount, colCount_); ++col) {
            cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(colCount) +
                  static_cast<std::size_t>(col)] = std::move(cells_[At(col, row)]);
        }
    }
    cells_ = std::move(cells);
    colCount_ = colCount;
    rowCount_ = rowCount;
    fixedCols_ = std::min(fixedCols_, colCount_ - 1);
    fixedRows_ = std::min(fixedRows_, rowCount_ - 1);
    Notify(ControlProperty::GridSize);
    KeepSelectionSelectable();
}

void StringGrid::SetFixed(int fixedCols, int fixedRows) {
    fixedCols = std::clamp(fixedCols, 0, colCount_ - 1);
    fixedRows = std::clamp(fixedRows, 0, rowCount_ - 1);
    if (fixedCols == fixedCols_ && fixedRows == fixedRows_) {
        return;
    }
    fixedCols_ = fixedCols;
    fixedRows_ = fixedRows;
    Notify(ControlProperty::GridSize);
    KeepSelectionSelectable();
}

// Without events: the grid itself moved the selection because its shape changed.
void StringGrid::KeepSelectionSelectable() {
    const int col = std::clamp(selectedCol_, fixedCols_, colCount_ - 1);
    const int row = std::clamp(selectedRow_, fixedRows_, rowCount_ - 1);
    if (col != selectedCol_ || row != selectedRow_) {
        selectedCol_ = col;
        selectedRow_ = row;
        Notify(ControlProperty::SelectedCell);
    }
}

void StringGrid::SetDefaultColWidth(int pixels) {
    if (pixels > 0 && pixels != defaultColWidth_) {
        defaultColWidth_ = pixels;
        Notify(ControlProperty::GridSize);
    }
}

void StringGrid::SetDefaultRowHeight(int pixels) {
    if (pixels > 0 && pixels != defaultRowHeight_) {
        defaultRowHeight_ = pixels;
        Notify(ControlProperty::GridSize);
    }
}

bool StringGrid::Valid(int col, int row) const {
    return col >= 0 && col < colCount_ && row >= 0 && row < rowCount_;
}

std::size_t StringGrid::At(int col, int row) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(colCount_) +
           static_cast<std::size_t>(col);
}

std::string StringGrid::Cell(int col, int row) const {
    return Valid(col, row) ? cells_[At(col, row)].text : std::string();
}

void StringGrid::SetCell(int col, int row, std::string text) {
    if (!Valid(col, row) || cells_[At(col, row)].text == text) {
        return;
    }
    cells_[At(col, row)].text = std::move(text);
    Notify(ControlProperty::Cells, col, row);
}

std::optional<RgbColour> StringGrid::CellColour(int col, int row) const {
    return Valid(col, row) ? cells_[At(col, row)].colour : std::nullopt;
}

void StringGrid::SetCellColour(int col, int row, std::optional<RgbColour> colour) {
    if (!Valid(col, row) || cells_[At(col, row)].colour == colour) {
        return;
    }
    cells_[At(col, row)].colour = colour;
    Notify(ControlProperty::Cells, col, row);
}

bool StringGrid::SelectCell(int col, int row) {
    if (!Valid(col, row) || col < fixedCols_ || row < fixedRows_) {
        return false;
    }
    bool allow = true;
    OnSelectCell.Fire(col, row, allow);
    if (!allow) {
        return false;
    }
    if (col != selectedCol_ || row != selectedRow_) {
        selectedCol_ = col;
        selectedRow_ = row;
        Notify(ControlProperty::SelectedCell);
    }
    return true;
}

void StringGrid::UserSelectCell(int col, int row) {
    if (AcceptsUserAction() && !SelectCell(col, row)) {
        Notify(ControlProperty::SelectedCell); // refused: the widget must show the old cell
    }
}

} // namespace zyntra
