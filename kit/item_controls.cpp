#include "kit/item_controls.h"

namespace zyntra {

void ItemListControl::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    Notify(ControlProperty::Items);
    if (itemIndex_ >= ItemCount()) {
        itemIndex_ = -1;
    }
    Notify(ControlProperty::ItemIndex);
}

void ItemListControl::SetItem(int index, std::string text) {
    if (index < 0 || index >= ItemCount() || items_[static_cast<std::size_t>(index)] == text) {
        return;
    }
    items_[static_cast<std::size_t>(index)] = std::move(text);
    Notify(ControlProperty::Items, index);
}

void ItemListControl::AddItem(std::string text) {
    items_.push_back(std::move(text));
    Notify(ControlProperty::Items);
}

void ItemListControl::ClearItems() {
    SetItems({});
}

void ItemListControl::SetItemIndex(int index) {
    if (index < -1 || index >= ItemCount()) {
        index = -1;
    }
    if (itemIndex_ == index) {
        return;
    }
    itemIndex_ = index;
    Notify(ControlProperty::ItemIndex);
}

std::string ItemListControl::ItemText() const {
    return itemIndex_ < 0 ? std::string() : items_[static_cast<std::size_t>(itemIndex_)];
}

bool ItemListControl::ChooseByUser(int index) {
    if (index < 0 || index >= ItemCount() || index == itemIndex_) {
        return false;
    }
    itemIndex_ = index;
    Notify(ControlProperty::ItemIndex);
    return true;
}

void ComboBox::SetStyle(ComboStyle style) {
    if (style_ == style) {
        return;
    }
    style_ = style;
    Notify(ControlProperty::Style);
}

void ComboBox::UserSelectItem(int index) {
    if (AcceptsUserAction() && ChooseByUser(index)) {
        OnChange.Fire();
    }
}

void ListBox::UserSelectItem(int index) {
    if (!AcceptsUserAction() || index < 0 || index >= ItemCount()) {
        return;
    }
    ChooseByUser(index);
    OnClick.Fire();
}

void CheckList::AddItem(std::string caption, bool checked) {
    items_.push_back({std::move(caption), checked});
    Notify(ControlProperty::Items);
}

void CheckList::ClearItems() {
    items_.clear();
    itemIndex_ = -1;
    Notify(ControlProperty::Items);
}

void CheckList::SetItemCaption(int index, std::string caption) {
    if (!Valid(index) || items_[static_cast<std::size_t>(index)].caption == caption) {
        return;
    }
    items_[static_cast<std::size_t>(index)].caption = std::move(caption);
    Notify(ControlProperty::Items, index);
}

bool CheckList::Checked(int index) const {
    return Valid(index) && items_[static_cast<std::size_t>(index)].checked;
}

void CheckList::SetChecked(int index, bool checked) {
    if (!Valid(index) || items_[static_cast<std::size_t>(index)].checked == checked) {
        return;
    }
    items_[static_cast<std::size_t>(index)].checked = checked;
    Notify(ControlProperty::Checked, index);
}

void CheckList::SetItemIndex(int index) {
    index = Valid(index) ? index : -1;
    if (itemIndex_ == index) {
        return;
    }
    itemIndex_ = index;
    Notify(ControlProperty::ItemIndex);
}

void CheckList::UserToggle(int index) {
    if (!AcceptsUserAction() || !Valid(index)) {
        return;
    }
    SetChecked(index, !Checked(index));
    OnClickCheck.Fire(index);
}

} // namespace zyntra
