#include "kit/control.h"

#include "kit/control_set.h"

#include <algorithm>
#include <stdexcept>

namespace zyntra {

Control::Control(std::string name) : name_(std::move(name)) {}

Control::~Control() {
    if (parent_ != nullptr) {
        auto& siblings = parent_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
        parent_->ChildRemoved(*this);
    }
    for (Control* child : children_) {
        child->parent_ = nullptr;
    }
    if (owner_ != nullptr && owner_->focused_ == this) {
        owner_->focused_ = nullptr;
    }
}

void Control::SetEnabled(bool enabled) {
    if (enabled_ == enabled) {
        return;
    }
    enabled_ = enabled;
    Notify(ControlProperty::Enabled);
    ShowingMayHaveChanged();
}

void Control::SetVisible(bool visible) {
    if (visible_ == visible) {
        return;
    }
    visible_ = visible;
    Notify(ControlProperty::Visible);
    ShowingMayHaveChanged();
}

bool Control::IsShowing() const {
    if (!visible_) {
        return false;
    }
    return parent_ == nullptr || (parent_->ShowsChild(*this) && parent_->IsShowing());
}

bool Control::IsEnabledInTree() const {
    return enabled_ && (parent_ == nullptr || parent_->IsEnabledInTree());
}

bool Control::AcceptsUserInput() const {
    return IsShowing() && IsEnabledInTree();
}

void Control::SetHint(std::string key) {
    if (hint_ == key) {
        return;
    }
    hint_ = std::move(key);
    Notify(ControlProperty::Hint);
}

void Control::SetBounds(const Bounds& bounds) {
    if (bounds_ == bounds) {
        return;
    }
    const Bounds previous = bounds_;
    bounds_ = bounds;
    Notify(ControlProperty::Bounds);
    if (previous.width != bounds.width || previous.height != bounds.height) {
        OnResize.Fire();
    }
}

void Control::SetLeft(int left) {
    SetBounds({left, bounds_.top, bounds_.width, bounds_.height});
}
void Control::SetTop(int top) {
    SetBounds({bounds_.left, top, bounds_.width, bounds_.height});
}
void Control::SetWidth(int width) {
    SetBounds({bounds_.left, bounds_.top, width, bounds_.height});
}
void Control::SetHeight(int height) {
    SetBounds({bounds_.left, bounds_.top, bounds_.width, height});
}

void Control::UserSetBounds(const Bounds& bounds) {
    if (!PeerNotificationRunning()) {
        SetBounds(bounds);
    }
}

bool Control::SetFocus() {
    if (!CanFocus()) {
        return false;
    }
    if (owner_ != nullptr) {
        owner_->MoveFocus(this);
    } else {
        SetFocusedState(true);
    }
    return true;
}

void Control::UserFocusChanged(bool focused) {
    if (PeerNotificationRunning()) {
        return;
    }
    if (focused) {
        SetFocus();
    } else if (focused_) {
        if (owner_ != nullptr) {
            owner_->MoveFocus(nullptr);
        } else {
            SetFocusedState(false);
        }
    }
}

void Control::SetFocusedState(bool focused) {
    if (focused_ == focused) {
        return;
    }
    focused_ = focused;
    Notify(ControlProperty::Focus);
}

void Control::Repaint() {
    Notify(ControlProperty::Repaint);
}

void Control::SetParent(Control* parent) {
    if (parent == parent_) {
        return;
    }
    for (const Control* above = parent; above != nullptr; above = above->parent_) {
        if (above == this) {
            throw std::invalid_argument("control " + name_ + " cannot be its own ancestor");
        }
    }
    if (parent_ != nullptr) {
        auto& siblings = parent_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
        parent_->ChildRemoved(*this);
    }
    parent_ = parent;
    if (parent_ != nullptr) {
        parent_->children_.push_back(this);
        parent_->ChildAdded(*this);
    }
    Notify(ControlProperty::Parent);
    ShowingMayHaveChanged();
}

bool Control::ShowsChild(const Control&) const {
    return true;
}

void Control::AttachPeer(ControlPeer* peer) {
    peer_ = peer;
    Notify(ControlProperty::All);
}

void Control::Notify(ControlProperty property, int index, int subIndex) {
    // While its set is destroyed, the window's peers may be gone already.
    if (peer_ == nullptr || (owner_ != nullptr && owner_->destroying_)) {
        return;
    }
    int& depth = owner_ != nullptr ? owner_->peerNotifyDepth_ : notifyDepth_;
    ++depth;
    struct Leave {
        int& depth;
        ~Leave() { --depth; }
    } leave{depth};
    peer_->ControlChanged(*this, {property, index, subIndex});
}

bool Control::PeerNotificationRunning() const {
    return (owner_ != nullptr ? owner_->peerNotifyDepth_ : notifyDepth_) > 0;
}

bool Control::AcceptsUserAction() const {
    return !PeerNotificationRunning() && AcceptsUserInput();
}

void Control::ShowingMayHaveChanged() {
    if (owner_ != nullptr) {
        owner_->RefreshShowing();
        owner_->DropFocusIfUnreachable();
    } else if (focused_ && !CanFocus()) {
        SetFocusedState(false);
    }
}

void Control::ChildAdded(Control&) {}
void Control::ChildRemoved(Control&) {}

void CaptionedControl::SetCaption(std::string caption) {
    if (caption_ == caption) {
        return;
    }
    caption_ = std::move(caption);
    Notify(ControlProperty::Caption);
}

} // namespace zyntra
