#pragma once

#include "kit/tree_view.h"
#include "ui/peers/widget_peer.h"

#include <QTimer>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace zyntra {

// A tree whose items stand for the kit nodes by absolute index. The items are rebuilt from the
// nodes after a change of structure, once per turn of the event loop (a handler adding a
// hundred folders rebuilds once); a user's action on a stale tree rebuilds it first and is
// then dropped, since the item it named may be gone.
class TreeViewPeer : public WidgetPeer {
public:
    TreeViewPeer(TreeView& tree, QTreeWidget& widget, const PeerContext& context);

    // Brings the items up to date now (tests, and before the window is grabbed).
    void Flush();

protected:
    void Mirror(const ControlChange& change) override;

private:
    void Rebuild();
    void MirrorNode(int index);
    void MirrorExpanded(int index);
    void MirrorSelection();
    int IndexOf(QTreeWidgetItem* item) const;
    // True when the user's action may go ahead (the items match the nodes).
    bool Current();

    TreeView& tree_;
    QTreeWidget& widget_;
    std::vector<QTreeWidgetItem*> items_;
    bool stale_ = true;
    int shownSelection_ = -1;
    QTimer rebuildTimer_;
};

} // namespace zyntra
