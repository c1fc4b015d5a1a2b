#include "kit/buttons.h"

#include "kit/control_set.h"

namespace zyntra {

void ButtonControl::SetImageIndex(int index) {
    if (imageIndex_ == index) {
        return;
    }
    imageIndex_ = index;
    Notify(ControlProperty::ImageIndex);
}

void ButtonControl::SetDown(bool down) {
    if (down_ == down) {
        return;
    }
    if (!down && groupIndex_ != 0 && !allowAllUp_) {
        return; // a group without all-up keeps one button down
    }
    down_ = down;
    if (down_) {
        PutOthersUp();
    }
    Notify(ControlProperty::Down);
}

void ButtonControl::SetGroupIndex(int group) {
    if (groupIndex_ == group) {
        return;
    }
    groupIndex_ = group;
    Notify(ControlProperty::Group);
    if (down_) {
        PutOthersUp();
    }
}

void ButtonControl::SetAllowAllUp(bool allow) {
    if (allowAllUp_ == allow) {
        return;
    }
    allowAllUp_ = allow;
    Notify(ControlProperty::Group);
}

void ButtonControl::Click() {
    OnClick.Fire();
}

void ButtonControl::UserClick() {
    if (!AcceptsUserAction()) {
        return;
    }
    if (groupIndex_ != 0) {
        SetDown(down_ ? !allowAllUp_ : true);
    }
    Click();
}

void ButtonControl::PutOthersUp() {
    if (groupIndex_ == 0 || Owner() == nullptr) {
        return;
    }
    for (ButtonControl* other : Owner()->AllOf<ButtonControl>()) {
        if (other != this && other->down_ && other->groupIndex_ == groupIndex_ &&
            other->Parent() == Parent()) {
            other->down_ = false;
            other->Notify(ControlProperty::Down);
        }
    }
}

void ToolButton::SetSeparator(bool separator) {
    if (separator_ == separator) {
        return;
    }
    separator_ = separator;
    Notify(ControlProperty::Style);
}

} // namespace zyntra
