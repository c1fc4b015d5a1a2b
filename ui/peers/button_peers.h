#pragma once

#include "kit/buttons.h"
#include "kit/check_controls.h"
#include "ui/icons/icon_library.h"
#include "ui/peers/widget_peer.h"

class QCheckBox;
class QRadioButton;
class QToolButton;

namespace zyntra {

// Tool and speed buttons. A grouped button is checkable and shows its down state; a separator
// is an inert gap with a line. Without a caption the button shows the short part of its hint
// next to its picture. The buttons of a bar keep their order when a text widens one of them.
class ToolButtonPeer : public WidgetPeer {
public:
    ToolButtonPeer(ButtonControl& button, QToolButton& widget, const PeerContext& context,
                   ImageList images);

    // Language texts arrived: the hint's short part may have changed.
    void RefreshHintText();

protected:
    void Mirror(const ControlChange& change) override;
    int FittingWidth() const override;
    bool PushesRow() const override;

private:
    void MirrorLook();
    void MirrorDown();
    void Clicked();

    ButtonControl& button_;
    QToolButton& widget_;
    ImageList images_;
};

class CheckBoxPeer : public WidgetPeer {
public:
    CheckBoxPeer(CheckBox& box, QCheckBox& widget, const PeerContext& context);

protected:
    void Mirror(const ControlChange& change) override;
    int FittingWidth() const override;

private:
    CheckBox& box_;
    QCheckBox& widget_;
};

// Lets assistive tools know the radio buttons as radio buttons although Qt's own exclusivity is
// off. Runs once the application object exists (which installs Qt's own factories, asked after
// this one) and before any widget is made: Qt keeps the first interface it made for a widget.
void InstallRadioButtonAccessible();

// The kit decides which button of a group is checked; Qt's own exclusivity is off.
class RadioButtonPeer : public WidgetPeer {
public:
    RadioButtonPeer(RadioButton& radio, QRadioButton& widget, const PeerContext& context);

protected:
    void Mirror(const ControlChange& change) override;
    int FittingWidth() const override;

private:
    RadioButton& radio_;
    QRadioButton& widget_;
};

} // namespace zyntra
