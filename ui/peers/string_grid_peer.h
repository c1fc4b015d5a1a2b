#pragma once

#include "kit/string_grid.h"
#include "ui/peers/widget_peer.h"

class QTableWidget;

namespace zyntra {

// A grid of text cells; the fixed rows and columns are drawn as header cells inside the table
// (Qt's own headers stay hidden), so every cell is addressed alike.
class StringGridPeer : public WidgetPeer {
public:
    StringGridPeer(StringGrid& grid, QTableWidget& widget, const PeerContext& context);

protected:
    void Mirror(const ControlChange& change) override;

private:
    void MirrorSize();
    void MirrorCell(int col, int row);
    void MirrorAllCells();
    void MirrorSelectedCell();
    void UserChoseCell(int row, int col);

    StringGrid& grid_;
    QTableWidget& widget_;
    bool changedThisClick_ = false;
};

} // namespace zyntra
