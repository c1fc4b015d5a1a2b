#include "ui/peers/list_view_model.h"

#include "kit/control_set.h"
#include "ui/icons/icon_library.h"
#include "ui/text_codec.h"

#include <QApplication>
#include <QMimeData>
#include <QPalette>
#include <algorithm>

namespace zyntra {

ListViewModel::ListViewModel(ListView& list, const TextCodec& codec, const IconLibrary& icons)
    : list_(list), codec_(codec), icons_(icons), rows_(list.RowCount()),
      columns_(list.ColumnCount()) {
    forgetTimer_.setSingleShot(true);
    forgetTimer_.setInterval(0);
    QObject::connect(&forgetTimer_, &QTimer::timeout, this, [this] { cachedRow_ = -1; });
    repaintTimer_.setSingleShot(true);
    repaintTimer_.setInterval(0);
    QObject::connect(&repaintTimer_, &QTimer::timeout, this, [this] { FlushRepaints(); });
}

int ListViewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int ListViewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(columns_, 1);
}

void ListViewModel::NoteDrawn(int row) const {
    if (row == lastDrawn_ || drawnOverflow_) {
        return;
    }
    lastDrawn_ = row;
    drawn_.insert(row);
    if (drawn_.size() > kDrawnCap) {
        drawn_.clear();
        drawnOverflow_ = true;
    }
}

const ListRow& ListViewModel::Row(int row) const {
    NoteDrawn(row);
    if (row != cachedRow_) {
        cached_ = list_.RowData(row);
        cachedRow_ = row;
        // The row is kept only while a view draws: the next turn of the event loop asks anew.
        forgetTimer_.start();
    }
    return cached_;
}

QIcon ListViewModel::Image(int index) const {
    const quint64 key = (static_cast<quint64>(static_cast<quint32>(index)) << 32) |
                        static_cast<quint32>(imageSize_);
    auto found = images_.find(key);
    if (found == images_.end()) {
        found = images_.insert(key, icons_.CategoryIcon(index, imageSize_));
    }
    return *found;
}

QVariant ListViewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole: {
        const ListRow& row = Row(index.row());
        const auto column = static_cast<std::size_t>(index.column());
        return column < row.texts.size() ? codec_.ToQString(row.texts[column]) : QString();
    }
    case Qt::DecorationRole: {
        if (index.column() != 0) {
            return {};
        }
        const int image = Row(index.row()).imageIndex;
        return image >= 0 ? QVariant(Image(image)) : QVariant();
    }
    case Qt::ForegroundRole:
        NoteDrawn(index.row());
        if (list_.IsRowCut(index.row())) {
            return QApplication::palette().brush(QPalette::Disabled, QPalette::Text);
        }
        return {};
    case Qt::SizeHintRole:
        return list_.Style() == ViewStyle::Report ? QVariant(QSize(-1, rowHeight_)) : QVariant();
    default:
        return {};
    }
}

QVariant ListViewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section >= columns_) {
        return {};
    }
    return codec_.ToQString(list_.Column(section).caption);
}

Qt::ItemFlags ListViewModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::ItemIsDropEnabled;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

QStringList ListViewModel::mimeTypes() const {
    return {QString::fromLatin1(kRowsMimeType), QStringLiteral("text/uri-list")};
}

QMimeData* ListViewModel::mimeData(const QModelIndexList&) const {
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kRowsMimeType), QByteArray::fromStdString(list_.Name()));
    return data;
}

Qt::DropActions ListViewModel::supportedDropActions() const {
    return Qt::CopyAction | Qt::MoveAction;
}

Qt::DropActions ListViewModel::supportedDragActions() const {
    return Qt::CopyAction;
}

bool ListViewModel::canDropMimeData(const QMimeData*, Qt::DropAction, int, int,
                                    const QModelIndex&) const {
    return true;
}

bool ListViewModel::dropMimeData(const QMimeData* data, Qt::DropAction, int, int,
                                 const QModelIndex&) {
    const Control* source = nullptr;
    if (data != nullptr && data->hasFormat(QString::fromLatin1(kRowsMimeType)) &&
        list_.Owner() != nullptr) {
        source = list_.Owner()->FindControl(
            data->data(QString::fromLatin1(kRowsMimeType)).toStdString());
    }
    // The drop handler may open dialogs: let the drag finish first.
    QTimer::singleShot(0, this, [this, source] {
        if (onDrop) {
            onDrop(source);
        }
    });
    return false; // nothing moves inside the model
}

void ListViewModel::SyncRowCount() {
    const int wanted = list_.RowCount();
    cachedRow_ = -1;
    if (wanted > rows_) {
        beginInsertRows({}, rows_, wanted - 1);
        rows_ = wanted;
        endInsertRows();
    } else if (wanted < rows_) {
        beginRemoveRows({}, wanted, rows_ - 1);
        rows_ = wanted;
        endRemoveRows();
    }
    InvalidateRow(-1);
}

void ListViewModel::SyncColumns(int column) {
    const int wanted = list_.ColumnCount();
    if (wanted > columns_) {
        beginInsertColumns({}, columns_, wanted - 1);
        columns_ = wanted;
        endInsertColumns();
    } else if (wanted < columns_) {
        beginRemoveColumns({}, wanted, columns_ - 1);
        columns_ = wanted;
        endRemoveColumns();
    }
    if (columns_ > 0) {
        const int first = column >= 0 && column < columns_ ? column : 0;
        const int last = column >= 0 && column < columns_ ? column : columns_ - 1;
        emit headerDataChanged(Qt::Horizontal, first, last);
    }
    InvalidateRow(-1);
}

void ListViewModel::InvalidateRow(int row) {
    if (row < 0 || row == cachedRow_) {
        cachedRow_ = -1;
    }
    if (rows_ == 0) {
        return;
    }
    const int first = row < 0 ? 0 : row;
    const int last = row < 0 ? rows_ - 1 : row;
    dirtyFirst_ = dirtyFirst_ < 0 ? first : std::min(dirtyFirst_, first);
    dirtyLast_ = std::max(dirtyLast_, last);
    repaintTimer_.start();
}

void ListViewModel::FlushRepaints() {
    const int first = dirtyFirst_;
    const int last = std::min(dirtyLast_, rows_ - 1);
    dirtyFirst_ = dirtyLast_ = -1;
    cachedRow_ = -1;
    lastDrawn_ = -1;
    drawn_.erase(drawn_.lower_bound(rows_), drawn_.end());
    if (first < 0 || first > last) {
        return;
    }
    if (drawnOverflow_) {
        EmitChanged(first, last);
        // Every row a view shows is drawn anew after this, so the noting starts over.
        if (first == 0 && last == rows_ - 1) {
            drawnOverflow_ = false;
            drawn_.clear();
        }
        return;
    }
    // One change per run of neighbouring drawn rows inside the dirty range; those rows count as
    // drawn again once a view has drawn them anew. Drawn rows outside the range stay noted.
    const auto begin = drawn_.lower_bound(first);
    const auto end = drawn_.upper_bound(last);
    int runFirst = -1;
    int runLast = -1;
    for (auto row = begin; row != end; ++row) {
        if (runFirst >= 0 && *row == runLast + 1) {
            runLast = *row;
            continue;
        }
        EmitChanged(runFirst, runLast);
        runFirst = runLast = *row;
    }
    EmitChanged(runFirst, runLast);
    drawn_.erase(begin, end);
}

void ListViewModel::EmitChanged(int first, int last) {
    if (first >= 0 && first <= last) {
        emit dataChanged(index(first, 0), index(last, std::max(columns_, 1) - 1));
    }
}

void ListViewModel::SetImageSize(int pixels) {
    if (imageSize_ != pixels) {
        imageSize_ = pixels;
        InvalidateRow(-1);
    }
}

} // namespace zyntra
