#pragma once

#include "kit/control.h"
#include "kit/event.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zyntra {

using RgbColour = std::uint32_t; // 0xRRGGBB

// A grid of text cells with fixed header rows and columns. Cells are addressed (column, row).
//
// Selecting a cell, from code or by the user, asks OnSelectCell(column, row, allow) first; the
// handler may refuse. Fixed cells can never be selected. How a cell is drawn is the window's
// business; the grid only carries an optional background colour per cell.
class StringGrid : public Control {
public:
    using Control::Control;

    int ColCount() const { return colCount_; }
    int RowCount() const { return rowCount_; }
    // Resizing keeps the cells that remain.
    void SetSize(int colCount, int rowCount);
    int FixedCols() const { return fixedCols_; }
    int FixedRows() const { return fixedRows_; }
    void SetFixed(int fixedCols, int fixedRows);

    int DefaultColWidth() const { return defaultColWidth_; }
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultColWidth(int pixels);
    void SetDefaultRowHeight(int pixels);

    // Empty outside the grid; writes outside it are ignored.
    std::string Cell(int col, int row) const;
    void SetCell(int col, int row, std::string text);
    std::optional<RgbColour> CellColour(int col, int row) const;
    void SetCellColour(int col, int row, std::optional<RgbColour> colour);

    int SelectedCol() const { return selectedCol_; }
    int SelectedRow() const { return selectedRow_; }
    // False when the cell is fixed, outside the grid or refused by OnSelectCell.
    bool SelectCell(int col, int row);
    void UserSelectCell(int col, int row);

    Event<int, int, bool&> OnSelectCell;

private:
    struct GridCell {
        std::string text;
        std::optional<RgbColour> colour;
    };
    bool Valid(int col, int row) const;
    std::size_t At(int col, int row) const;
    void KeepSelectionSelectable();

    int colCount_ = 5;
    int rowCount_ = 5;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    std::vector<GridCell> cells_ = std::vector<GridCell>(25);
    int selectedCol_ = 1;
    int selectedRow_ = 1;
};

} // namespace zyntra
