#pragma once

#include "kit/static_controls.h"
#include "ui/peers/widget_peer.h"

class QGroupBox;
class QLabel;

namespace zyntra {

class LabelPeer : public WidgetPeer {
public:
    LabelPeer(Label& label, QLabel& widget, const PeerContext& context);

protected:
    void Mirror(const ControlChange& change) override;
    int FittingWidth() const override;

private:
    Label& label_;
    QLabel& widget_;
};

// A panel only holds other controls; its caption is not drawn.
class PanelPeer : public WidgetPeer {
public:
    PanelPeer(Panel& panel, QWidget& widget, const PeerContext& context);

protected:
    void Mirror(const ControlChange&) override {}
};

class GroupBoxPeer : public WidgetPeer {
public:
    GroupBoxPeer(GroupBox& box, QGroupBox& widget, const PeerContext& context);

protected:
    void Mirror(const ControlChange& change) override;

private:
    GroupBox& box_;
    QGroupBox& widget_;
};

} // namespace zyntra
