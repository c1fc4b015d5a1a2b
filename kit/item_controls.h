#pragma once

#include "kit/control.h"
#include "kit/event.h"

#include <string>
#include <vector>

namespace zyntra {

// A list of item texts with one chosen index (-1: none), shared by the combo box and the list
// box. SetItemIndex fires nothing; only the user's choice fires the control's event. Replacing
// the items keeps the index when it still names an item, else it becomes -1.
class ItemListControl : public Control {
public:
    using Control::Control;

    const std::vector<std::string>& Items() const { return items_; }
    int ItemCount() const { return static_cast<int>(items_.size()); }
    void SetItems(std::vector<std::string> items);
    void SetItem(int index, std::string text); // ignored outside the items
    void AddItem(std::string text);
    void ClearItems();

    int ItemIndex() const { return itemIndex_; }
    // An index outside the items chooses none.
    void SetItemIndex(int index);
    // The chosen item's text, empty when none is chosen.
    std::string ItemText() const;

protected:
    // The user's choice; true when it changed the index.
    bool ChooseByUser(int index);

private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
};

enum class ComboStyle {
    DropDown,     // the user may also type a text
    DropDownList, // the user can only choose an item
};

class ComboBox : public ItemListControl {
public:
    using ItemListControl::ItemListControl;

    ComboStyle Style() const { return style_; }
    void SetStyle(ComboStyle style);

    // The user chose an item: OnChange when the index changed.
    void UserSelectItem(int index);

    Event<> OnChange;

private:
    ComboStyle style_ = ComboStyle::DropDownList;
};

class ListBox : public ItemListControl {
public:
    using ItemListControl::ItemListControl;

    // The user clicked an item: OnClick, also when it was chosen already.
    void UserSelectItem(int index);

    Event<> OnClick;
};

struct CheckListItem {
    std::string caption;
    bool checked = false;
};

// Items with check marks. SetChecked fires nothing; the user's toggle fires OnClickCheck with
// the item's index.
class CheckList : public Control {
public:
    using Control::Control;

    int ItemCount() const { return static_cast<int>(items_.size()); }
    const CheckListItem& Item(int index) const {
        return items_.at(static_cast<std::size_t>(index));
    }
    void AddItem(std::string caption, bool checked = false);
    void ClearItems();
    void SetItemCaption(int index, std::string caption); // ignored outside the items

    bool Checked(int index) const; // false outside the items
    void SetChecked(int index, bool checked);

    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);

    void UserToggle(int index);

    Event<int> OnClickCheck;

private:
    bool Valid(int index) const { return index >= 0 && index < ItemCount(); }

    std::vector<CheckListItem> items_;
    int itemIndex_ = -1;
};

} // namespace zyntra
