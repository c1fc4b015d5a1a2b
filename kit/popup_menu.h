#pragma once

#include "kit/control.h"
#include "kit/event.h"

#include <string>
#include <vector>

namespace zyntra {

// One entry of a pop-up menu; it becomes an entry by taking the menu as its parent. Its hint
// reaches only the status line. Click() and the user's click fire OnClick; a separator, a
// disabled or an invisible entry cannot be clicked by the user.
class MenuItem : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;

    bool IsSeparator() const { return separator_; }
    void SetSeparator(bool separator);

    // The shortcut as shown beside the caption ("F5", "Ctrl+X").
    const std::string& ShortcutText() const { return shortcut_; }
    void SetShortcutText(std::string text);

    void Click();
    void UserClick();

    Event<> OnClick;

private:
    bool separator_ = false;
    std::string shortcut_;
};

// A context menu. With AutoPopup off it does not open on the user's right click.
class PopupMenu : public Control {
public:
    using Control::Control;

    int ItemCount() const { return static_cast<int>(items_.size()); }
    // Entries count separators too.
    MenuItem& Item(int index) const { return *items_.at(static_cast<std::size_t>(index)); }

    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool autoPopup);

    // The user asked for the menu: true (after OnPopup) when it opens.
    bool UserPopup();

    Event<> OnPopup;

protected:
    void ChildAdded(Control& child) override;
    void ChildRemoved(Control& child) override;

private:
    std::vector<MenuItem*> items_;
    bool autoPopup_ = true;
};

} // namespace zyntra
