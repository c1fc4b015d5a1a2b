#include "app/controls/layout_helpers.h"

namespace zyntra::layout {
namespace {

// Space taken by the tabs above the pages of a page control, and its frame around them.
constexpr int kTabsHeight = 24;
constexpr int kPageFrame = 4;

} // namespace

Label& AddLabel(ControlSet& controls, const std::string& name, Control& parent) {
    return AddPlaced<Label>(controls, name, parent);
}

EditField& AddEdit(ControlSet& controls, const std::string& name, Control& parent, int maxLength,
                   const std::string& hint) {
    auto& field = AddPlaced<EditField>(controls, name, parent);
    field.SetMaxLength(maxLength);
    field.SetHint(hint);
    return field;
}

MultiLineEdit& AddMemo(ControlSet& controls, const std::string& name, Control& parent,
                       int maxLength, const std::string& hint) {
    auto& field = AddPlaced<MultiLineEdit>(controls, name, parent);
    field.SetMaxLength(maxLength);
    field.SetHint(hint);
    return field;
}

CheckBox& AddCheckBox(ControlSet& controls, const std::string& name, Control& parent,
                      const std::string& hint) {
    auto& box = AddPlaced<CheckBox>(controls, name, parent);
    box.SetHint(hint);
    return box;
}

ComboBox& AddSelector(ControlSet& controls, const std::string& name, Control& parent, int itemCount,
                      const std::string& hint) {
    auto& selector = AddPlaced<ComboBox>(controls, name, parent);
    selector.SetStyle(ComboStyle::DropDownList);
    selector.SetItems(std::vector<std::string>(static_cast<std::size_t>(itemCount)));
    selector.SetItemIndex(0);
    selector.SetHint(hint);
    return selector;
}

PageControl& AddPageControl(ControlSet& controls, const std::string& name, Control& parent,
                            const Bounds& bounds, int tabWidth) {
    auto& pages = controls.Add<PageControl>(name, &parent);
    pages.SetBounds(bounds);
    pages.SetTabWidth(tabWidth);
    return pages;
}

TabSheet& AddPage(ControlSet& controls, const std::string& name, PageControl& pages) {
    auto& page = controls.Add<TabSheet>(name, &pages);
    page.SetBounds({kPageFrame, kTabsHeight, pages.Width() - 2 * kPageFrame,
                    pages.Height() - kTabsHeight - kPageFrame});
    return page;
}

Bounds Filling(const Control& parent) {
    return {0, 0, parent.Width(), parent.Height()};
}

CoolBar& AddEditorBar(ControlSet& controls, const std::string& name, Control& page,
                      std::initializer_list<BarButton> buttons) {
    auto& bar = AddPlaced<CoolBar>(controls, name, page);
    bar.AddPart({}, bar.Width());
    for (const BarButton& entry : buttons) {
        auto& button = AddPlaced<ToolButton>(controls, entry.name, bar);
        button.SetSeparator(entry.separator);
        button.SetImageIndex(entry.imageIndex);
        button.SetHint(entry.hint);
    }
    return bar;
}

ListView& AddEditorList(ControlSet& controls, const std::string& name, Control& parent,
                        const std::string& hint, std::initializer_list<int> columnWidths) {
    auto& list = AddPlaced<ListView>(controls, name, parent);
    list.SetStyle(ViewStyle::Report);
    list.SetMultiSelect(false);
    list.SetHint(hint);
    int column = 0;
    for (int width : columnWidths) {
        list.SetColumn(column++, {}, width);
    }
    return list;
}

} // namespace zyntra::layout
