#pragma once

#include "kit/item_controls.h"
#include "ui/peers/widget_peer.h"

class QComboBox;
class QListWidget;
class QListWidgetItem;

namespace zyntra {

class ComboBoxPeer : public WidgetPeer {
public:
    ComboBoxPeer(ComboBox& combo, QComboBox& widget, const PeerContext& context);

protected:
    void Mirror(const ControlChange& change) override;

private:
    void MirrorItems(int index);

    ComboBox& combo_;
    QComboBox& widget_;
};

class ListBoxPeer : public WidgetPeer {
public:
    ListBoxPeer(ListBox& list, QListWidget& widget, const PeerContext& context);

protected:
    void Mirror(const ControlChange& change) override;

private:
    void MirrorItems(int index);
    void MirrorIndex();

    ListBox& list_;
    QListWidget& widget_;
};

class CheckListPeer : public WidgetPeer {
public:
    CheckListPeer(CheckList& list, QListWidget& widget, const PeerContext& context);

protected:
    void Mirror(const ControlChange& change) override;

private:
    void MirrorItems(int index);
    void MirrorChecks(int index);
    void ItemChanged(QListWidgetItem* item);

    CheckList& list_;
    QListWidget& widget_;
};

} // namespace zyntra
