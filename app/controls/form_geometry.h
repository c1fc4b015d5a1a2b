#pragma once

#include "kit/control.h"

#include <span>
#include <string_view>

namespace zyntra::layout {

// A widget that the window's forms place by hand, under the name of its control, with its
// bounds relative to the widget that holds it (its holder is empty for a form's root).
struct FormWidget {
    std::string_view name;
    std::string_view holder;
    Bounds bounds;
};

// Every placed widget of the main window's forms, sorted by name. The build reads it from the
// .ui files, so a layout is edited once, in the forms.
std::span<const FormWidget> FormWidgets();

// The placed widget of that name, or nullptr.
const FormWidget* FindFormWidget(std::string_view name);

// The bounds the forms give the named control; std::out_of_range when they place none of that
// name.
Bounds FormBounds(std::string_view name);

} // namespace zyntra::layout
