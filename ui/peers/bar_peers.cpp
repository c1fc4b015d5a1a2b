#include "ui/peers/bar_peers.h"

#include <QLabel>
#include <QStatusBar>

namespace zyntra {

CoolBarPeer::CoolBarPeer(CoolBar& bar, QWidget& widget, const PeerContext& context)
    : WidgetPeer(bar, widget, context), bar_(bar) {}

void CoolBarPeer::Mirror(const ControlChange& change) {
    if (Affects(change, ControlProperty::Bands) || Affects(change, ControlProperty::Bounds)) {
        MirrorBands();
    }
}

void CoolBarPeer::MirrorBands() {
    QWidget* bar = Widget();
    while (labels_.size() < bar_.BandCount()) {
        auto* label = new QLabel(bar);
        label->setObjectName(bar->objectName() + QStringLiteral("Band%1").arg(labels_.size()));
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        labels_.append(label);
    }
    int left = 0;
    for (int i = 0; i < static_cast<int>(labels_.size()); ++i) {
        QLabel* label = labels_[i];
        if (i >= bar_.BandCount()) {
            label->hide();
            continue;
        }
        const BarPart& band = bar_.Band(i);
        label->setText(ToQt(band.text));
        const int textWidth = label->sizeHint().width();
        label->setGeometry(left + 6, 0, textWidth, bar->height());
        label->setVisible(!band.text.empty());
        label->lower();
        left += band.width;
    }
}

StatusBarPeer::StatusBarPeer(StatusBar& bar, QStatusBar& widget, const PeerContext& context)
    : WidgetPeer(bar, widget, context), bar_(bar), widget_(widget) {
    widget.setSizeGripEnabled(false);
}

void StatusBarPeer::Mirror(const ControlChange& change) {
    if (Affects(change, ControlProperty::Panels) || Affects(change, ControlProperty::Text)) {
        MirrorPanels();
    }
}

void StatusBarPeer::MirrorPanels() {
    while (panels_.size() < bar_.PanelCount()) {
        auto* panel = new QLabel(&widget_);
        panel->setObjectName(widget_.objectName() + QStringLiteral("Panel%1").arg(panels_.size()));
        panel->setTextFormat(Qt::PlainText);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setIndent(2);
        widget_.addWidget(panel);
        panels_.append(panel);
    }
    for (int i = 0; i < static_cast<int>(panels_.size()); ++i) {
        QLabel* panel = panels_[i];
        const bool used = i < bar_.PanelCount();
        panel->setVisible(used);
        if (used) {
            panel->setFixedWidth(bar_.Panel(i).width);
            panel->setText(ToQt(bar_.Panel(i).text));
        }
    }
    if (bar_.SimplePanel()) {
        widget_.showMessage(ToQt(bar_.SimpleText()));
    } else {
        widget_.clearMessage();
    }
}

} // namespace zyntra
