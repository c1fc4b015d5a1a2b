#include "ui/peers/string_grid_peer.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace zyntra {
namespace {

constexpr int kTextInset = 2;

// Every cell on the background the grid chooses for it: selected, fixed (the header cells, which
// cannot be selected) or normal; the text at the cell's top left, inset by two pixels. A
// colour kept with a cell does not show.
class GridCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QPalette& palette = option.palette;
        const bool selected = (option.state & QStyle::State_Selected) != 0;
        const bool fixed = !(index.flags() & Qt::ItemIsSelectable);
        const QPalette::ColorRole background = selected ? QPalette::Highlight
                                               : fixed  ? QPalette::Button
                                                        : QPalette::Base;
        const QPalette::ColorRole text = selected ? QPalette::HighlightedText
                                         : fixed  ? QPalette::ButtonText
                                                  : QPalette::Text;
        painter->save();
        painter->fillRect(option.rect, palette.brush(background));
        painter->setPen(palette.color(text));
        painter->setFont(option.font);
        painter->drawText(option.rect.adjusted(kTextInset, kTextInset, 0, 0),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }
};

} // namespace

StringGridPeer::StringGridPeer(StringGrid& grid, QTableWidget& widget, const PeerContext& context)
    : WidgetPeer(grid, widget, context), grid_(grid), widget_(widget) {
    widget.horizontalHeader()->hide();
    widget.verticalHeader()->hide();
    widget.horizontalHeader()->setMinimumSectionSize(4);
    widget.verticalHeader()->setMinimumSectionSize(4);
    widget.setEditTriggers(QAbstractItemView::NoEditTriggers);
    widget.setSelectionMode(QAbstractItemView::SingleSelection);
    widget.setSelectionBehavior(QAbstractItemView::SelectItems);
    widget.setWordWrap(false);
    widget.setItemDelegate(new GridCellDelegate(&widget));
    QObject::connect(&widget, &QTableWidget::currentCellChanged, this, [this](int row, int col) {
        if (!Mirroring() && row >= 0 && col >= 0) {
            changedThisClick_ = true;
            UserChoseCell(row, col);
        }
    });
    // A click on the cell that is already chosen asks the handler again, as a change does.
    QObject::connect(&widget, &QTableWidget::cellClicked, this, [this](int row, int col) {
        if (!changedThisClick_) {
            UserChoseCell(row, col);
        }
        changedThisClick_ = false;
    });
}

void StringGridPeer::UserChoseCell(int row, int col) {
    User([&] { grid_.UserSelectCell(col, row); });
    MirrorSelectedCell();
}

void StringGridPeer::Mirror(const ControlChange& change) {
    switch (change.property) {
    case ControlProperty::All:
    case ControlProperty::GridSize:
        MirrorSize();
        MirrorAllCells();
        MirrorSelectedCell();
        break;
    case ControlProperty::Cells:
        if (change.index < 0 || change.subIndex < 0) {
            MirrorAllCells();
        } else {
            MirrorCell(change.index, change.subIndex);
        }
        break;
    case ControlProperty::SelectedCell:
        MirrorSelectedCell();
        break;
    default:
        break;
    }
}

void StringGridPeer::MirrorSize() {
    widget_.setColumnCount(grid_.ColCount());
    widget_.setRowCount(grid_.RowCount());
    widget_.horizontalHeader()->setDefaultSectionSize(grid_.DefaultColWidth());
    widget_.verticalHeader()->setDefaultSectionSize(grid_.DefaultRowHeight());
    for (int col = 0; col < grid_.ColCount(); ++col) {
        widget_.setColumnWidth(col, grid_.DefaultColWidth());
    }
    for (int row = 0; row < grid_.RowCount(); ++row) {
        widget_.setRowHeight(row, grid_.DefaultRowHeight());
    }
}

void StringGridPeer::MirrorAllCells() {
    for (int row = 0; row < grid_.RowCount(); ++row) {
        for (int col = 0; col < grid_.ColCount(); ++col) {
            MirrorCell(col, row);
        }
    }
}

void StringGridPeer::MirrorCell(int col, int row) {
    if (col >= widget_.columnCount() || row >= widget_.rowCount()) {
        return;
    }
    QTableWidgetItem* item = widget_.item(row, col);
    if (item == nullptr) {
        item = new QTableWidgetItem;
        widget_.setItem(row, col, item);
    }
    const bool fixed = col < grid_.FixedCols() || row < grid_.FixedRows();
    item->setText(ToQt(grid_.Cell(col, row)));
    item->setFlags(fixed ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
}

void StringGridPeer::MirrorSelectedCell() {
    const int row = grid_.SelectedRow();
    const int col = grid_.SelectedCol();
    if (widget_.currentRow() != row || widget_.currentColumn() != col) {
        const bool blocked = widget_.blockSignals(true);
        widget_.setCurrentCell(row, col);
        widget_.blockSignals(blocked);
    }
}

} // namespace zyntra
