#include "kit/check_controls.h"

#include "kit/control_set.h"

namespace zyntra {

void CheckBox::SetChecked(bool checked) {
    if (checked_ == checked) {
        return;
    }
    checked_ = checked;
    Notify(ControlProperty::Checked);
    OnClick.Fire();
}

void CheckBox::UserClick() {
    if (AcceptsUserAction()) {
        SetChecked(!checked_);
    }
}

void RadioButton::SetChecked(bool checked) {
    if (checked_ == checked) {
        return;
    }
    if (checked) {
        ClearOthers();
    }
    checked_ = checked;
    Notify(ControlProperty::Checked);
    if (checked) {
        OnClick.Fire();
    }
}

void RadioButton::SetGroupIndex(int group) {
    if (groupIndex_ == group) {
        return;
    }
    groupIndex_ = group;
    Notify(ControlProperty::Group);
    if (checked_) {
        ClearOthers();
    }
}

void RadioButton::UserClick() {
    if (AcceptsUserAction()) {
        SetChecked(true);
    }
}

void RadioButton::ClearOthers() {
    if (Owner() == nullptr) {
        return;
    }
    for (RadioButton* other : Owner()->AllOf<RadioButton>()) {
        if (other != this && other->checked_ && other->groupIndex_ == groupIndex_ &&
            other->Parent() == Parent()) {
            other->checked_ = false;
            other->Notify(ControlProperty::Checked);
        }
    }
}

int RadioGroup::CheckedIndex() const {
    int index = 0;
    for (const Control* child : Children()) {
        if (const auto* radio = dynamic_cast<const RadioButton*>(child)) {
            if (radio->Checked()) {
                return index;
            }
            ++index;
        }
    }
    return -1;
}

} // namespace zyntra
