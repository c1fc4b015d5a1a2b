#pragma once

#include "kit/controls.h"

#include <initializer_list>
#include <string>

namespace zyntra::layout {

// Hands out the bounds of controls that stand in one row, each starting where the previous one
// ends: the compact layout keeps rows packed this way when it narrows them.
class RowPlacer {
public:
    RowPlacer(int left, int top, int height) : left_(left), top_(top), height_(height) {}

    Bounds Next(int width);
    void Skip(int width) { left_ += width; }
    int Left() const { return left_; }

private:
    int left_;
    int top_;
    int height_;
};

Label& AddLabel(ControlSet& controls, const std::string& name, Control& parent,
                const Bounds& bounds);

EditField& AddEdit(ControlSet& controls, const std::string& name, Control& parent,
                   const Bounds& bounds, int maxLength, const std::string& hint = {});

MultiLineEdit& AddMemo(ControlSet& controls, const std::string& name, Control& parent,
                       const Bounds& bounds, int maxLength, const std::string& hint);

CheckBox& AddCheckBox(ControlSet& controls, const std::string& name, Control& parent,
                      const Bounds& bounds, const std::string& hint);

// A drop-down list with that many (still empty) items and the first one chosen.
ComboBox& AddSelector(ControlSet& controls, const std::string& name, Control& parent,
                      const Bounds& bounds, int itemCount, const std::string& hint);

// A page control; its pages fill it below the tabs.
PageControl& AddPageControl(ControlSet& controls, const std::string& name, Control& parent,
                            const Bounds& bounds, int tabWidth = 0);
// The bounds that fill the parent's whole area.
Bounds Filling(const Control& parent);
TabSheet& AddPage(ControlSet& controls, const std::string& name, PageControl& pages);

// One entry of an editor's tool bar, from the left; a separator is a narrow gap.
struct BarButton {
    const char* name;
    const char* hint;
    int imageIndex = -1;
    bool separator = false;
};

constexpr int kBarHeight = 30;
constexpr int kBarButtonWidth = 64;
constexpr int kBarSeparatorWidth = 8;

// An editor's tool bar: a cool bar across the top of the page whose band 0 spans it.
CoolBar& AddEditorBar(ControlSet& controls, const std::string& name, Control& page,
                      std::initializer_list<BarButton> buttons);

// A virtual report list of an editor: single selection, the given column widths (column 0 is
// the hidden one of width 0), captions left to the language step.
ListView& AddEditorList(ControlSet& controls, const std::string& name, Control& parent,
                        const Bounds& bounds, const std::string& hint,
                        std::initializer_list<int> columnWidths);

} // namespace zyntra::layout
