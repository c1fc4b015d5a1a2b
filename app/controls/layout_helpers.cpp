#include "app/controls/layout_helpers.h"

namespace zyntra::layout {
namespace {

// Space taken by the tabs above the pages of a page control, and its frame around them.
constexpr int kTabsHeight = 24;
constexpr int kPageFrame = 4;

} // namespace

Bounds RowPlacer::Next(int width) {
    const Bounds bounds{left_, top_, width, height_};
    left_ += width;
    return bounds;
}

Label& AddLabel(ControlSet& controls, const std::string& name, Control& parent,
                const Bounds& bounds) {
    auto& label = controls.Add<Label>(name, &parent);
    label.SetBounds(bounds);
    return label;
}

EditField& AddEdit(ControlSet& controls, const std::string& name, Control& parent,
                   const Bounds& bounds, int maxLength, const std::string& hint) {
    auto& field = controls.Add<EditField>(name, &parent);
    field.SetBounds(bounds);
    field.SetMaxLength(maxLength);
    field.SetHint(hint);
    return field;
}

MultiLineEdit& AddMemo(ControlSet& controls, const std::string& name, Control& parent,
                       const Bounds& bounds, int maxLength, const std::string& hint) {
    auto& field = controls.Add<MultiLineEdit>(name, &parent);
    field.SetBounds(bounds);
    field.SetMaxLength(maxLength);
    field.SetHint(hint);
    return field;
}

CheckBox& AddCheckBox(ControlSet& controls, const std::string& name, Control& parent,
                      const Bounds& bounds, const std::string& hint) {
    auto& box = controls.Add<CheckBox>(name, &parent);
    box.SetBounds(bounds);
    box.SetHint(hint);
    return box;
}

ComboBox& AddSelector(ControlSet& controls, const std::string& name, Control& parent,
                      const Bounds& bounds, int itemCount, const std::string& hint) {
    auto& selector = controls.Add<ComboBox>(name, &parent);
    selector.SetBounds(bounds);
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
    auto& bar = controls.Add<CoolBar>(name, &page);
    bar.SetBounds({0, 0, page.Width(), kBarHeight});
    bar.AddPart({}, page.Width());
    RowPlacer row(0, 2, kBarHeight - 4);
    for (const BarButton& entry : buttons) {
        auto& button = controls.Add<ToolButton>(entry.name, &bar);
        button.SetBounds(row.Next(entry.separator ? kBarSeparatorWidth : kBarButtonWidth));
        button.SetSeparator(entry.separator);
        button.SetImageIndex(entry.imageIndex);
        button.SetHint(entry.hint);
    }
    return bar;
}

ListView& AddEditorList(ControlSet& controls, const std::string& name, Control& parent,
                        const Bounds& bounds, const std::string& hint,
                        std::initializer_list<int> columnWidths) {
    auto& list = controls.Add<ListView>(name, &parent);
    list.SetBounds(bounds);
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
