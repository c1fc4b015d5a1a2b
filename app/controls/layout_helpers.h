#pragma once

#include "app/controls/form_geometry.h"
#include "kit/controls.h"

#include <initializer_list>
#include <string>

namespace zyntra::layout {

// A control where the window's forms place the widget of the same name.
template <class T> T& AddPlaced(ControlSet& controls, const std::string& name, Control& parent) {
    T& control = controls.Add<T>(name, &parent);
    control.SetBounds(FormBounds(name));
    return control;
}

Label& AddLabel(ControlSet& controls, const std::string& name, Control& parent);

EditField& AddEdit(ControlSet& controls, const std::string& name, Control& parent, int maxLength,
                   const std::string& hint = {});

MultiLineEdit& AddMemo(ControlSet& controls, const std::string& name, Control& parent,
                       int maxLength, const std::string& hint);

CheckBox& AddCheckBox(ControlSet& controls, const std::string& name, Control& parent,
                      const std::string& hint);

// A drop-down list with that many (still empty) items and the first one chosen.
ComboBox& AddSelector(ControlSet& controls, const std::string& name, Control& parent, int itemCount,
                      const std::string& hint);

// A page control; its pages fill it below the tabs.
PageControl& AddPageControl(ControlSet& controls, const std::string& name, Control& parent,
                            const Bounds& bounds, int tabWidth = 0);
// The bounds that fill the parent's whole area.
Bounds Filling(const Control& parent);
TabSheet& AddPage(ControlSet& controls, const std::string& name, PageControl& pages);

// One button of a tool bar, from the left; a separator is a narrow gap.
struct BarButton {
    const char* name;
    const char* hint;
    int imageIndex = -1;
    bool separator = false;
};

// An editor's tool bar: a cool bar across the top of the page whose band 0 spans it.
CoolBar& AddEditorBar(ControlSet& controls, const std::string& name, Control& page,
                      std::initializer_list<BarButton> buttons);

// A virtual report list of an editor: single selection, the given column widths (column 0 is
// the hidden one of width 0), captions left to the language step.
ListView& AddEditorList(ControlSet& controls, const std::string& name, Control& parent,
                        const std::string& hint, std::initializer_list<int> columnWidths);

} // namespace zyntra::layout
