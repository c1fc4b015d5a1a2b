#include "kit/control_set.h"

#include "kit/page_control.h"

namespace zyntra {

namespace {
// Show handlers that keep switching pages would otherwise never let a refresh end.
constexpr int MaxShowingPasses = 32;
} // namespace

ControlSet::~ControlSet() {
    destroying_ = true;
    focused_ = nullptr;
    while (!controls_.empty()) {
        controls_.pop_back();
    }
}

Control* ControlSet::FindControl(std::string_view name) const {
    const auto found = byName_.find(std::string(name));
    return found == byName_.end() ? nullptr : found->second;
}

void ControlSet::Adopt(std::unique_ptr<Control> control) {
    const std::string& name = control->Name();
    if (!name.empty() && !byName_.emplace(name, control.get()).second) {
        throw std::invalid_argument("a control named " + name + " exists already");
    }
    control->owner_ = this;
    order_.push_back(control.get());
    if (auto* page = dynamic_cast<TabSheet*>(control.get())) {
        pages_.push_back(page);
    }
    controls_.push_back(std::move(control));
}

void ControlSet::MoveFocus(Control* control) {
    if (focused_ == control) {
        return;
    }
    Control* previous = focused_;
    focused_ = control;
    if (previous != nullptr) {
        previous->SetFocusedState(false);
    }
    if (control != nullptr) {
        control->SetFocusedState(true);
    }
    OnFocusChanged.Fire(control);
}

void ControlSet::DropFocusIfUnreachable() {
    if (focused_ != nullptr && !focused_->CanFocus()) {
        MoveFocus(nullptr);
    }
}

void ControlSet::RefreshShowing() {
    if (destroying_) {
        return;
    }
    if (refreshing_) {
        refreshAgain_ = true; // a show or hide handler changed something: one more pass
        return;
    }
    refreshing_ = true;
    struct Leave {
        bool& flag;
        ~Leave() { flag = false; }
    } leave{refreshing_};
    int pass = 0;
    do {
        refreshAgain_ = false;
        FireShowingChanges(pages_);
    } while (refreshAgain_ && ++pass < MaxShowingPasses);
}

} // namespace zyntra
