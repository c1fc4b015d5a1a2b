#pragma once

#include "kit/control.h"
#include "kit/event.h"

namespace zyntra {

// The model shared by tool buttons and speed buttons: caption, image, the down state and
// grouping. Buttons with the same non-zero group index, the same parent and the same set form a
// group in which at most one is down; with AllowAllUp false a down button of a group stays down
// until another one goes down.
//
// SetDown fires nothing. Click() (code) and UserClick() (the user) fire OnClick; a user's click
// on a grouped button first puts it down (or, with AllowAllUp, toggles it).
class ButtonControl : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;

    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);

    bool Down() const { return down_; }
    void SetDown(bool down);

    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int group);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool allow);

    void Click();
    void UserClick();

    Event<> OnClick;

private:
    void PutOthersUp();

    int imageIndex_ = -1;
    bool down_ = false;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
};

class ToolButton : public ButtonControl {
public:
    using ButtonControl::ButtonControl;

    // A separator of a tool bar: a gap whose width the compact layout changes.
    bool IsSeparator() const { return separator_; }
    void SetSeparator(bool separator);

private:
    bool separator_ = false;
};

class SpeedButton : public ButtonControl {
public:
    using ButtonControl::ButtonControl;
};

} // namespace zyntra
