#include "ui/peers/page_peers.h"

#include <QTabBar>
#include <QTabWidget>

namespace zyntra {
namespace {

QWidget* PageWidget(const TabSheet& page) {
    const auto* peer = dynamic_cast<const WidgetPeer*>(page.Peer());
    return peer != nullptr ? peer->Widget() : nullptr;
}

} // namespace

PageControlPeer::PageControlPeer(PageControl& pages, QTabWidget& widget, const PeerContext& context)
    : WidgetPeer(pages, widget, context), pages_(pages), widget_(widget) {
    QObject::connect(&widget, &QTabWidget::currentChanged, this, [this](int index) {
        if (index >= 0) {
            User([&] { pages_.UserSelectPage(index); });
            MirrorActivePage(); // a refused change shows the page that stays
        }
    });
}

void PageControlPeer::Mirror(const ControlChange& change) {
    if (Affects(change, ControlProperty::Pages)) {
        MirrorPages();
    }
    if (Affects(change, ControlProperty::ActivePage) || Affects(change, ControlProperty::Pages)) {
        MirrorActivePage();
    }
    if (Affects(change, ControlProperty::TabWidth)) {
        MirrorTabWidth();
    }
}

// Pages whose peer is attached already are put in the kit's order; the others keep their tabs
// until their own peer arrives.
void PageControlPeer::MirrorPages() {
    for (int i = 0; i < pages_.PageCount(); ++i) {
        QWidget* page = PageWidget(pages_.Page(i));
        if (page == nullptr) {
            continue;
        }
        const int at = widget_.indexOf(page);
        if (at >= 0 && at != i && i < widget_.count()) {
            widget_.tabBar()->moveTab(at, i);
        }
    }
}

void PageControlPeer::MirrorActivePage() {
    const int active = pages_.ActivePageIndex();
    if (active >= 0 && active < widget_.count() && widget_.currentIndex() != active) {
        widget_.setCurrentIndex(active);
    }
}

void PageControlPeer::MirrorTabWidth() {
    const int width = pages_.TabWidth();
    // The tabs are at least that wide; a longer caption widens its tab rather than being cut.
    QTabBar* tabs = widget_.tabBar();
    tabs->setStyleSheet(width > 0 ? QStringLiteral("QTabBar::tab { min-width: %1px; }").arg(width)
                                  : QString());
    // A hidden tab bar that is not asked for its size now keeps the tab sizes it had.
    tabs->adjustSize();
}

TabSheetPeer::TabSheetPeer(TabSheet& page, QWidget& widget, const PeerContext& context)
    : WidgetPeer(page, widget, context), page_(page) {}

QTabWidget* TabSheetPeer::Tabs() const {
    for (QWidget* up = Widget() != nullptr ? Widget()->parentWidget() : nullptr; up != nullptr;
         up = up->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(up)) {
            return tabs;
        }
    }
    return nullptr;
}

void TabSheetPeer::Mirror(const ControlChange& change) {
    QTabWidget* tabs = Tabs();
    const int index = tabs != nullptr ? tabs->indexOf(Widget()) : -1;
    if (index < 0) {
        return;
    }
    if (Affects(change, ControlProperty::Caption)) {
        tabs->setTabText(index, ToQt(page_.Caption()));
    }
    if (Affects(change, ControlProperty::TabVisible)) {
        tabs->setTabVisible(index, page_.TabVisible());
    }
}

} // namespace zyntra
