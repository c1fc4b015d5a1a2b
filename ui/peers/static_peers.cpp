#include "ui/peers/static_peers.h"

#include <QGroupBox>
#include <QLabel>

namespace zyntra {

LabelPeer::LabelPeer(Label& label, QLabel& widget, const PeerContext& context)
    : WidgetPeer(label, widget, context), label_(label), widget_(widget) {
    widget.setTextFormat(Qt::PlainText);
}

void LabelPeer::Mirror(const ControlChange& change) {
    if (change.property == ControlProperty::All || change.property == ControlProperty::Caption) {
        widget_.setText(ToQt(label_.Caption()));
        Refit();
    }
}

int LabelPeer::FittingWidth() const {
    return widget_.text().isEmpty() || widget_.wordWrap() ? 0 : widget_.sizeHint().width();
}

PanelPeer::PanelPeer(Panel& panel, QWidget& widget, const PeerContext& context)
    : WidgetPeer(panel, widget, context) {}

GroupBoxPeer::GroupBoxPeer(GroupBox& box, QGroupBox& widget, const PeerContext& context)
    : WidgetPeer(box, widget, context), box_(box), widget_(widget) {}

void GroupBoxPeer::Mirror(const ControlChange& change) {
    if (change.property == ControlProperty::All || change.property == ControlProperty::Caption) {
        widget_.setTitle(ToQt(box_.Caption()));
    }
}

} // namespace zyntra
