#pragma once

#include "kit/control.h"
#include "kit/event.h"

namespace zyntra {

// Controls that show a caption or hold other controls.

class Label : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
};

class Panel : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
};

class GroupBox : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
};

// A bar the user drags to share space between two neighbours. The peer reports the drag as the
// neighbours' new bounds and then calls UserMoved.
class Splitter : public Control {
public:
    using Control::Control;

    void UserMoved();

    Event<> OnMoved;
};

} // namespace zyntra
