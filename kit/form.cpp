#include "kit/form.h"

#include <algorithm>

namespace zyntra {

void Form::SetState(WindowState state) {
    if (state_ != state) {
        state_ = state;
        Notify(ControlProperty::WindowState);
    }
}

void Form::SetBorder(BorderStyle border) {
    if (border_ != border) {
        border_ = border;
        Notify(ControlProperty::Border);
    }
}

void Form::SetIcons(const BorderIcons& icons) {
    if (!(icons_ == icons)) {
        icons_ = icons;
        Notify(ControlProperty::Border);
    }
}

int Form::ClientWidth() const {
    return std::max(0, Width() - frameWidth_);
}
int Form::ClientHeight() const {
    return std::max(0, Height() - frameHeight_);
}

void Form::SetFrameSize(int extraWidth, int extraHeight) {
    frameWidth_ = std::max(0, extraWidth);
    frameHeight_ = std::max(0, extraHeight);
}

void Form::UserSetState(WindowState state) {
    if (AcceptsUserAction()) {
        SetState(state);
    }
}

} // namespace zyntra
