#include "ui/peers/list_view_peer.h"

#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QListView>
#include <QScrollBar>
#include <QTreeView>

namespace zyntra {
namespace {

constexpr int kIconStyleImage = 32;
constexpr int kSmallImage = 24;

QItemSelection RowsSelection(const QAbstractItemModel& model, const std::vector<int>& rows) {
    QItemSelection selection;
    const int lastColumn = std::max(model.columnCount() - 1, 0);
    std::size_t i = 0;
    while (i < rows.size()) {
        std::size_t j = i;
        while (j + 1 < rows.size() && rows[j + 1] == rows[j] + 1) {
            ++j;
        }
        selection.select(model.index(rows[i], 0), model.index(rows[j], lastColumn));
        i = j + 1;
    }
    return selection;
}

int KitKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyCode::Enter;
    case Qt::Key_Delete:
        return KeyCode::Delete;
    default:
        return 0;
    }
}

} // namespace

ListViewPeer::ListViewPeer(ListView& list, QTreeView& widget, const PeerContext& context)
    : WidgetPeer(list, widget, context), list_(list), tree_(widget),
      model_(list, context.codec, context.icons) {
    SetUpTree();
    SetUpItems();
    const int textHeight = tree_.fontMetrics().height() + 6;
    const int rowHeight = std::max(textHeight, kSmallImage + 2);
    model_.SetRowHeight(rowHeight);
    list_.SetRowHeight(rowHeight);
    model_.onDrop = [this](const Control* source) { User([&] { list_.UserDrop(source); }); };
}

ListViewPeer::~ListViewPeer() {
    delete items_;
}

void ListViewPeer::SetUpTree() {
    tree_.setModel(&model_);
    tree_.setRootIsDecorated(false);
    tree_.setItemsExpandable(false);
    tree_.setUniformRowHeights(true);
    tree_.setAllColumnsShowFocus(true);
    tree_.setSortingEnabled(false);
    tree_.setSelectionBehavior(QAbstractItemView::SelectRows);
    tree_.setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_.setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    tree_.setIconSize(QSize(kSmallImage, kSmallImage));
    tree_.setMouseTracking(true);
    tree_.setDragEnabled(true);
    tree_.setAcceptDrops(true);
    tree_.setDragDropMode(QAbstractItemView::DragDrop);
    tree_.setDefaultDropAction(Qt::CopyAction);
    tree_.setDropIndicatorShown(false);
    tree_.header()->setStretchLastSection(false);
    tree_.header()->setSectionsClickable(true);
    tree_.header()->setSectionsMovable(false);
    tree_.viewport()->installEventFilter(this);
    QObject::connect(tree_.header(), &QHeaderView::sectionClicked, this, [this](int column) {
        if (!tree_.header()->isSectionHidden(column)) {
            User([&] { list_.UserClickColumn(column); });
        }
    });
    QObject::connect(tree_.selectionModel(), &QItemSelectionModel::selectionChanged, this,
                     [this] { SelectionChangedByUser(); });
    QObject::connect(tree_.verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int top) {
        if (IsReport()) {
            User([&] { list_.UserScrolled(top); });
        }
    });
}

// Shares the tree's model and selection, so switching styles keeps both.
void ListViewPeer::SetUpItems() {
    items_ = new QListView(tree_.parentWidget());
    items_->setObjectName(tree_.objectName() + QStringLiteral("Items"));
    items_->setModel(&model_);
    QItemSelectionModel* own = items_->selectionModel();
    items_->setSelectionModel(tree_.selectionModel());
    delete own;
    items_->setMovement(QListView::Static);
    items_->setResizeMode(QListView::Adjust);
    items_->setUniformItemSizes(true);
    items_->setWrapping(true);
    items_->setWordWrap(true);
    items_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    items_->setSelectionBehavior(QAbstractItemView::SelectRows);
    items_->setMouseTracking(true);
    items_->setDragEnabled(true);
    items_->setAcceptDrops(true);
    items_->setDragDropMode(QAbstractItemView::DragDrop);
    items_->setDefaultDropAction(Qt::CopyAction);
    items_->setDropIndicatorShown(false);
    items_->setFrameShape(tree_.frameShape());
    items_->viewport()->installEventFilter(this);
    items_->hide();
    AddCompanion(*items_);
}

void ListViewPeer::SetContextMenu(std::function<void(const QPoint&)> popup) {
    for (QAbstractItemView* view :
         {static_cast<QAbstractItemView*>(&tree_), static_cast<QAbstractItemView*>(items_)}) {
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(
            view, &QWidget::customContextMenuRequested, this,
            [view, popup](const QPoint& pos) { popup(view->viewport()->mapToGlobal(pos)); });
    }
}

void ListViewPeer::AddShortcutActions(const QList<QAction*>& actions) {
    tree_.addActions(actions);
    items_->addActions(actions);
}

QWidget* ListViewPeer::FocusWidget() const {
    return IsReport() ? static_cast<QWidget*>(&tree_) : static_cast<QWidget*>(items_);
}

void ListViewPeer::Mirror(const ControlChange& change) {
    const ControlProperty property = change.property;
    const bool all = property == ControlProperty::All;
    if (all || property == ControlProperty::Style) {
        MirrorStyle();
    }
    if (all || property == ControlProperty::Visible || property == ControlProperty::Style) {
        MirrorShowing();
    }
    if (all || property == ControlProperty::Bounds || property == ControlProperty::Enabled) {
        items_->setGeometry(tree_.geometry());
        items_->setEnabled(tree_.isEnabled());
    }
    if (all || property == ControlProperty::Columns) {
        model_.SyncColumns(all ? -1 : change.index);
        MirrorColumns(all ? -1 : change.index);
    }
    if (all || property == ControlProperty::RowCount) {
        model_.SyncRowCount();
        MirrorSelection();
        MirrorFocusedRow();
    }
    if (property == ControlProperty::Repaint || property == ControlProperty::RowStates) {
        model_.InvalidateRow(change.index);
    }
    if (all || property == ControlProperty::Selection) {
        MirrorSelection();
    }
    if (all || property == ControlProperty::FocusedRow) {
        MirrorFocusedRow();
    }
    if (all || property == ControlProperty::Scroll) {
        MirrorScroll();
    }
}

void ListViewPeer::MirrorStyle() {
    const QAbstractItemView::SelectionMode mode = list_.MultiSelect()
                                                      ? QAbstractItemView::ExtendedSelection
                                                      : QAbstractItemView::SingleSelection;
    tree_.setSelectionMode(mode);
    items_->setSelectionMode(mode);
    switch (list_.Style()) {
    case ViewStyle::Icon:
        items_->setViewMode(QListView::IconMode);
        items_->setFlow(QListView::LeftToRight);
        items_->setIconSize(QSize(kIconStyleImage, kIconStyleImage));
        items_->setGridSize(QSize(104, 72));
        model_.SetImageSize(kIconStyleImage);
        break;
    case ViewStyle::SmallIcon:
        items_->setViewMode(QListView::ListMode);
        items_->setFlow(QListView::LeftToRight);
        items_->setIconSize(QSize(kSmallImage, kSmallImage));
        items_->setGridSize(QSize(200, kSmallImage + 4));
        model_.SetImageSize(kSmallImage);
        break;
    case ViewStyle::List:
        items_->setViewMode(QListView::ListMode);
        items_->setFlow(QListView::TopToBottom);
        items_->setIconSize(QSize(kSmallImage, kSmallImage));
        items_->setGridSize(QSize(200, kSmallImage + 4));
        model_.SetImageSize(kSmallImage);
        break;
    case ViewStyle::Report:
        model_.SetImageSize(kSmallImage);
        break;
    }
    items_->setWrapping(true);
}

void ListViewPeer::MirrorShowing() {
    const bool showing = list_.Visible();
    const bool hadFocus = tree_.hasFocus() || items_->hasFocus();
    tree_.setHidden(!(showing && IsReport()));
    items_->setHidden(!(showing && !IsReport()));
    if (hadFocus && showing) {
        FocusWidget()->setFocus(Qt::OtherFocusReason);
    }
}

void ListViewPeer::MirrorColumns(int column) {
    QHeaderView* header = tree_.header();
    for (int i = 0; i < list_.ColumnCount(); ++i) {
        if (column >= 0 && i != column) {
            continue;
        }
        // A column of no width holds what the handlers read and the user never sees: it can
        // neither be widened into view nor clicked.
        const int width = list_.Column(i).width;
        const bool hidden = width <= 0;
        header->setSectionHidden(i, hidden);
        header->setSectionResizeMode(i, hidden ? QHeaderView::Fixed : QHeaderView::Interactive);
        if (!hidden) {
            header->resizeSection(i, width);
        }
    }
}

void ListViewPeer::MirrorSelection() {
    QItemSelectionModel* selection = tree_.selectionModel();
    const QItemSelection wanted = RowsSelection(model_, list_.SelectedRows());
    if (selection->selection() == wanted) {
        return;
    }
    selection->select(wanted, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ListViewPeer::MirrorFocusedRow() {
    const int row = list_.FocusedRow();
    const QModelIndex current = row >= 0 ? model_.index(row, 0) : QModelIndex();
    if (tree_.selectionModel()->currentIndex() != current) {
        tree_.selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    }
}

void ListViewPeer::MirrorScroll() {
    if (IsReport() && tree_.verticalScrollBar()->value() != list_.TopRow()) {
        tree_.verticalScrollBar()->setValue(list_.TopRow());
    }
}

void ListViewPeer::SelectionChangedByUser() {
    if (Mirroring()) {
        return;
    }
    std::vector<int> rows;
    for (const QModelIndex& index : tree_.selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    const QModelIndex current = tree_.selectionModel()->currentIndex();
    User([&] { list_.UserSetSelection(rows, current.isValid() ? current.row() : -1); });
    // A refused or trimmed choice puts the kit's own selection back.
    MirrorSelection();
}

bool ListViewPeer::ViewEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = KitKey(static_cast<QKeyEvent*>(event)->key());
        if (key != 0) {
            User([&] { list_.UserKeyDown(key); });
        }
        return false;
    }
    case QEvent::MouseButtonDblClick:
        User([&] { list_.UserDoubleClick(); });
        return false;
    case QEvent::MouseMove:
        User([&] { list_.UserMouseMove(); });
        return false;
    default:
        return false;
    }
}

bool ListViewPeer::eventFilter(QObject* watched, QEvent* event) {
    if (items_ == nullptr) {
        return WidgetPeer::eventFilter(watched, event); // still being set up
    }
    const bool view = watched == &tree_ || watched == items_;
    const bool viewport = watched == tree_.viewport() || watched == items_->viewport();
    if ((view && event->type() == QEvent::KeyPress) ||
        (viewport && event->type() != QEvent::KeyPress)) {
        ViewEvent(event);
    }
    if (viewport) {
        return false;
    }
    return WidgetPeer::eventFilter(watched, event);
}

} // namespace zyntra
