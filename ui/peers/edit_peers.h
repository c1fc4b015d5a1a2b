#pragma once

#include "kit/edit_field.h"
#include "ui/peers/widget_peer.h"

class QLineEdit;
class QPlainTextEdit;

namespace zyntra {

// A one-line field. The kit cuts the user's text to the maximum length, so the widget has no
// limit of its own (code may set longer texts). Taking the focus switches the field's input
// method on.
class EditFieldPeer : public WidgetPeer {
public:
    EditFieldPeer(EditField& field, QLineEdit& widget, const PeerContext& context);

protected:
    void Mirror(const ControlChange& change) override;
    void FocusGained() override;

private:
    void MirrorText();

    EditField& field_;
    QLineEdit& widget_;
};

// A multi-line field. Lines are separated by CR LF in the control's text, as the device's
// texts have them, and by LF in the widget.
class MultiLineEditPeer : public WidgetPeer {
public:
    MultiLineEditPeer(MultiLineEdit& field, QPlainTextEdit& widget, const PeerContext& context);

protected:
    void Mirror(const ControlChange& change) override;
    void FocusGained() override;

private:
    void MirrorText();
    void Edited();

    MultiLineEdit& field_;
    QPlainTextEdit& widget_;
};

} // namespace zyntra
