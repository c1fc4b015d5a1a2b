#pragma once

#include "kit/bars.h"
#include "ui/peers/widget_peer.h"

#include <QList>

class QLabel;
class QStatusBar;

namespace zyntra {

// A cool bar: each band's text stands at the band's left end; the band's tool buttons are the
// bar's own child widgets, placed after it by the layout.
class CoolBarPeer : public WidgetPeer {
public:
    CoolBarPeer(CoolBar& bar, QWidget& widget, const PeerContext& context);

protected:
    void Mirror(const ControlChange& change) override;

private:
    void MirrorBands();

    CoolBar& bar_;
    QList<QLabel*> labels_;
};

// The window's status line: one sunken text panel per kit panel, each of the kit's width, or
// the simple text across the whole bar.
class StatusBarPeer : public WidgetPeer {
public:
    StatusBarPeer(StatusBar& bar, QStatusBar& widget, const PeerContext& context);

protected:
    void Mirror(const ControlChange& change) override;

private:
    void MirrorPanels();

    StatusBar& bar_;
    QStatusBar& widget_;
    QList<QLabel*> panels_;
};

} // namespace zyntra
