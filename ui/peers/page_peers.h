#pragma once

#include "kit/page_control.h"
#include "ui/peers/widget_peer.h"

class QTabWidget;

namespace zyntra {

// Pages with tabs. The tabs are the layout's pages, found by their names; the kit's order of
// pages is the order of the tabs.
class PageControlPeer : public WidgetPeer {
public:
    PageControlPeer(PageControl& pages, QTabWidget& widget, const PeerContext& context);

protected:
    void Mirror(const ControlChange& change) override;

private:
    void MirrorPages();
    void MirrorActivePage();
    void MirrorTabWidth();

    PageControl& pages_;
    QTabWidget& widget_;
};

// A page: its tab shows the caption; the page control places it.
class TabSheetPeer : public WidgetPeer {
public:
    TabSheetPeer(TabSheet& page, QWidget& widget, const PeerContext& context);

protected:
    void Mirror(const ControlChange& change) override;
    bool MirrorsVisibility() const override { return false; }
    bool PlacedByControl() const override { return false; }

private:
    QTabWidget* Tabs() const;

    TabSheet& page_;
};

} // namespace zyntra
