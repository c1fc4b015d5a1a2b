#include "kit/popup_menu.h"

#include <algorithm>

namespace zyntra {

void MenuItem::SetSeparator(bool separator) {
    if (separator_ != separator) {
        separator_ = separator;
        Notify(ControlProperty::Style);
    }
}

void MenuItem::SetShortcutText(std::string text) {
    if (shortcut_ != text) {
        shortcut_ = std::move(text);
        Notify(ControlProperty::Text);
    }
}

void MenuItem::Click() {
    OnClick.Fire();
}

void MenuItem::UserClick() {
    if (!separator_ && AcceptsUserAction()) {
        Click();
    }
}

void PopupMenu::SetAutoPopup(bool autoPopup) {
    if (autoPopup_ != autoPopup) {
        autoPopup_ = autoPopup;
        Notify(ControlProperty::Style);
    }
}

bool PopupMenu::UserPopup() {
    if (!autoPopup_ || !AcceptsUserAction()) {
        return false;
    }
    OnPopup.Fire();
    return true;
}

void PopupMenu::ChildAdded(Control& child) {
    if (auto* item = dynamic_cast<MenuItem*>(&child)) {
        items_.push_back(item);
        Notify(ControlProperty::Items);
    }
}

void PopupMenu::ChildRemoved(Control& child) {
    const auto found = std::find(items_.begin(), items_.end(), &child);
    if (found != items_.end()) {
        items_.erase(found);
        Notify(ControlProperty::Items);
    }
}

} // namespace zyntra
