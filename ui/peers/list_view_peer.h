#pragma once

#include "kit/list_view.h"
#include "ui/peers/list_view_model.h"
#include "ui/peers/widget_peer.h"

#include <QListView>

class QMenu;
class QTreeView;

namespace zyntra {

// A virtual list view. The report style is the layout's QTreeView; the icon, small-icon and
// list styles are a QListView the peer lays over it, sharing its model and selection.
class ListViewPeer : public WidgetPeer {
public:
    ListViewPeer(ListView& list, QTreeView& widget, const PeerContext& context);
    ~ListViewPeer() override;

    ListViewModel& Model() { return model_; }
    QListView& ItemsView() { return *items_; }
    // Opens on a right click when the menu's control lets it.
    void SetContextMenu(std::function<void(const QPoint& globalPos)> popup);
    void AddShortcutActions(const QList<QAction*>& actions);

protected:
    void Mirror(const ControlChange& change) override;
    bool MirrorsVisibility() const override { return false; }
    QWidget* FocusWidget() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetUpTree();
    void SetUpItems();
    void MirrorStyle();
    void MirrorShowing();
    void MirrorColumns(int column);
    void MirrorSelection();
    void MirrorFocusedRow();
    void MirrorScroll();
    void SelectionChangedByUser();
    bool ViewEvent(QEvent* event);
    bool IsReport() const { return list_.Style() == ViewStyle::Report; }

    ListView& list_;
    QTreeView& tree_;
    ListViewModel model_;
    QPointer<QListView> items_;
};

} // namespace zyntra
