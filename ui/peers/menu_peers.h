#pragma once

#include "kit/popup_menu.h"
#include "ui/peers/peer_context.h"

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <map>

namespace zyntra {

// A context menu built in code: one action per entry, in the kit's order (separators too).
// Hovering an entry sets the application's hint, which reaches only the status line.
class PopupMenuPeer : public QObject, public ControlPeer {
public:
    PopupMenuPeer(PopupMenu& menu, QWidget* parent, const PeerContext& context);
    ~PopupMenuPeer() override;

    void ControlChanged(Control& control, const ControlChange& change) override;

    QMenu& Menu() { return *menu_; }
    QAction* ActionFor(const MenuItem& item);
    QList<QAction*> Actions() const { return menu_->actions(); }
    // The user asked for the menu at that point of the screen.
    void Popup(const QPoint& globalPos);

private:
    void MirrorItems();

    PopupMenu& control_;
    const PeerContext& context_;
    QPointer<QMenu> menu_; // owned, unless its parent window goes first
    std::map<const MenuItem*, QPointer<QAction>> actions_;
};

class MenuItemPeer : public QObject, public ControlPeer {
public:
    MenuItemPeer(MenuItem& item, QAction& action, const PeerContext& context);

    void ControlChanged(Control& control, const ControlChange& change) override;

private:
    MenuItem& item_;
    QPointer<QAction> action_;
    const PeerContext& context_;
    int mirroring_ = 0;
};

} // namespace zyntra
