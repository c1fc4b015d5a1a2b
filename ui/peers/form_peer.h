#pragma once

#include "kit/form.h"
#include "ui/peers/widget_peer.h"

#include <functional>

class QMainWindow;

namespace zyntra {

// The main window. The form's bounds are the outer frame; the window's client area is that
// less the frame the window system draws, and the user cannot change its size (only code can,
// through the form). Closing asks canClose first.
class FormPeer : public WidgetPeer {
public:
    FormPeer(Form& form, QMainWindow& widget, const PeerContext& context);

protected:
    void Mirror(const ControlChange& change) override;
    bool PlacedByControl() const override { return true; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MirrorBounds();
    void MirrorBorder();
    void MirrorState();
    void ReportPlacement();
    QSize FrameExtra() const;

    Form& form_;
    QMainWindow& window_;
};

} // namespace zyntra
