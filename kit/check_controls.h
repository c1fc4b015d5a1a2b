#pragma once

#include "kit/event.h"
#include "kit/static_controls.h"

namespace zyntra {

// A check box. Changing its state, from code or by the user, fires OnClick once; setting the
// state it already has fires nothing.
class CheckBox : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

    // The user clicked: the state flips.
    void UserClick();

    Event<> OnClick;

private:
    bool checked_ = false;
};

// A radio button. Buttons with the same parent and the same group index in one set are a
// group: checking one clears the others (their OnClick does not fire). Becoming checked, from
// code or by the user, fires OnClick; clearing fires nothing.
class RadioButton : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int group);

    // The user clicked: the button becomes the checked one of its group.
    void UserClick();

    Event<> OnClick;

private:
    void ClearOthers();

    bool checked_ = false;
    int groupIndex_ = 0;
};

// A group box whose radio buttons are its children.
class RadioGroup : public GroupBox {
public:
    using GroupBox::GroupBox;

    // Position of the checked one among the child radio buttons, -1 when none is checked.
    int CheckedIndex() const;
};

} // namespace zyntra
