#pragma once

#include "kit/list_view.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>
#include <QTimer>
#include <functional>
#include <set>

namespace zyntra {

class IconLibrary;
class TextCodec;

// The rows of a kit list view as a Qt model, fetched only when a view draws them: the model
// keeps the row count it last told its views and one row of texts, never the rows themselves.
// Repaints asked for one row at a time are gathered into one change per turn of the event loop.
// A change is told only for rows a view drew since the last change: Qt's views walk every row
// of a changed range, which for a long list costs more than the drawing, while a row no view
// drew is asked for anew whenever it comes into view.
class ListViewModel : public QAbstractTableModel {
public:
    static constexpr const char* kRowsMimeType = "application/x-zyntra-list-rows";

    ListViewModel(ListView& list, const TextCodec& codec, const IconLibrary& icons);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDropActions() const override;
    Qt::DropActions supportedDragActions() const override;
    bool canDropMimeData(const QMimeData*, Qt::DropAction, int, int,
                         const QModelIndex&) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

    // The kit changed: bring the structure in line at once, the texts at the next repaint.
    void SyncRowCount();
    void SyncColumns(int column);
    void InvalidateRow(int row); // -1: every row
    // Pixel size of row pictures: 32 in the icon style, 24 in the others.
    void SetImageSize(int pixels);
    void SetRowHeight(int pixels) { rowHeight_ = pixels; }

    // Something was dropped on a view of this model; source is the list it came from, if any.
    std::function<void(const Control* source)> onDrop;

private:
    const ListRow& Row(int row) const;
    QIcon Image(int index) const;
    void NoteDrawn(int row) const;
    void FlushRepaints();
    void EmitChanged(int first, int last);

    ListView& list_;
    const TextCodec& codec_;
    const IconLibrary& icons_;
    int rows_ = 0;
    int columns_ = 0;
    int imageSize_ = 32;
    int rowHeight_ = 26;

    mutable int cachedRow_ = -1;
    mutable ListRow cached_;
    mutable QHash<quint64, QIcon> images_;
    mutable QTimer forgetTimer_;

    // Rows asked for since the last change was told; past the cap, every row counts as drawn.
    static constexpr std::size_t kDrawnCap = 4096;
    mutable std::set<int> drawn_;
    mutable bool drawnOverflow_ = false;
    mutable int lastDrawn_ = -1;

    int dirtyFirst_ = -1;
    int dirtyLast_ = -1;
    QTimer repaintTimer_;
};

} // namespace zyntra
