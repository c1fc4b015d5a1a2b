#include "ui/peers/tree_view_peer.h"

#include "ui/icons/icon_library.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace zyntra {

TreeViewPeer::TreeViewPeer(TreeView& tree, QTreeWidget& widget, const PeerContext& context)
    : WidgetPeer(tree, widget, context), tree_(tree), widget_(widget) {
    widget.setColumnCount(1);
    widget.setHeaderHidden(true);
    widget.setSelectionMode(QAbstractItemView::SingleSelection);
    widget.setExpandsOnDoubleClick(true);
    rebuildTimer_.setSingleShot(true);
    rebuildTimer_.setInterval(0);
    QObject::connect(&rebuildTimer_, &QTimer::timeout, this, [this] { Flush(); });

    QObject::connect(&widget, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        if (Current()) {
            const int index = IndexOf(item);
            User([&] { tree_.UserClickNode(index); });
            MirrorSelection();
        }
    });
    QObject::connect(&widget, &QTreeWidget::currentItemChanged, this,
                     [this](QTreeWidgetItem* item) {
                         if (!Mirroring() && item != nullptr && Current()) {
                             const int index = IndexOf(item);
                             User([&] { tree_.UserSelectNode(index); });
                             MirrorSelection();
                         }
                     });
    QObject::connect(&widget, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        if (!Mirroring() && Current()) {
            const int index = IndexOf(item);
            User([&] { tree_.UserExpand(index); });
        }
    });
    QObject::connect(&widget, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
        if (!Mirroring() && Current()) {
            const int index = IndexOf(item);
            User([&] { tree_.UserCollapse(index); });
        }
    });
}

void TreeViewPeer::Mirror(const ControlChange& change) {
    switch (change.property) {
    case ControlProperty::All:
    case ControlProperty::Nodes:
        stale_ = true;
        rebuildTimer_.start();
        break;
    case ControlProperty::NodeCaption:
    case ControlProperty::NodeImages:
        MirrorNode(change.index);
        break;
    case ControlProperty::NodeExpanded:
        MirrorExpanded(change.index);
        break;
    case ControlProperty::Selection:
        MirrorSelection();
        break;
    default:
        break;
    }
}

void TreeViewPeer::Flush() {
    if (stale_ && Widget() != nullptr) {
        rebuildTimer_.stop();
        Rebuild();
    }
}

bool TreeViewPeer::Current() {
    if (!stale_) {
        return true;
    }
    Flush();
    return false;
}

void TreeViewPeer::Rebuild() {
    const bool blocked = widget_.blockSignals(true);
    widget_.clear();
    items_.assign(static_cast<std::size_t>(tree_.NodeCount()), nullptr);
    std::vector<QTreeWidgetItem*> parents; // the last item seen at each depth
    for (int i = 0; i < tree_.NodeCount(); ++i) {
        const TreeNode& node = tree_.Node(i);
        const auto depth = static_cast<std::size_t>(node.depth < 0 ? 0 : node.depth);
        parents.resize(std::min(depth, parents.size()));
        QTreeWidgetItem* item =
            parents.empty() ? new QTreeWidgetItem(&widget_) : new QTreeWidgetItem(parents.back());
        items_[static_cast<std::size_t>(i)] = item;
        parents.push_back(item);
    }
    stale_ = false;
    for (int i = 0; i < tree_.NodeCount(); ++i) {
        MirrorNode(i);
    }
    // Parents before children: Qt shows a child's expansion only under an expanded parent.
    for (int i = 0; i < tree_.NodeCount(); ++i) {
        MirrorExpanded(i);
    }
    MirrorSelection();
    widget_.blockSignals(blocked);
}

void TreeViewPeer::MirrorNode(int index) {
    if (stale_ || !tree_.Valid(index) || index >= static_cast<int>(items_.size())) {
        return;
    }
    const TreeNode& node = tree_.Node(index);
    QTreeWidgetItem* item = items_[static_cast<std::size_t>(index)];
    item->setText(0, ToQt(node.caption));
    const bool selected = tree_.Selected() == index;
    const int image = selected && node.selectedIndex >= 0 ? node.selectedIndex : node.imageIndex;
    item->setIcon(0, Context().icons.Icon(ImageList::TreeNodes, image));
}

void TreeViewPeer::MirrorExpanded(int index) {
    if (stale_ || !tree_.Valid(index) || index >= static_cast<int>(items_.size())) {
        return;
    }
    QTreeWidgetItem* item = items_[static_cast<std::size_t>(index)];
    const bool expanded = tree_.IsExpanded(index);
    if (item->isExpanded() != expanded) {
        const bool blocked = widget_.blockSignals(true);
        item->setExpanded(expanded);
        widget_.blockSignals(blocked);
    }
}

void TreeViewPeer::MirrorSelection() {
    if (stale_) {
        return;
    }
    const int selected = tree_.Selected();
    QTreeWidgetItem* item = selected >= 0 && selected < static_cast<int>(items_.size())
                                ? items_[static_cast<std::size_t>(selected)]
                                : nullptr;
    const bool blocked = widget_.blockSignals(true);
    if (widget_.currentItem() != item) {
        widget_.setCurrentItem(item);
    }
    if (item == nullptr) {
        widget_.clearSelection();
    }
    widget_.blockSignals(blocked);
    // The picture of a node depends on whether it is the selected one.
    const int previous = shownSelection_;
    shownSelection_ = selected;
    MirrorNode(previous);
    MirrorNode(selected);
}

int TreeViewPeer::IndexOf(QTreeWidgetItem* item) const {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (items_[i] == item) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace zyntra
