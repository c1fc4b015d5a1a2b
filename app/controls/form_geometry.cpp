#include "app/controls/form_geometry.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace zyntra::layout {

const FormWidget* FindFormWidget(std::string_view name) {
    const std::span<const FormWidget> widgets = FormWidgets();
    const auto found = std::lower_bound(
        widgets.begin(), widgets.end(), name,
        [](const FormWidget& widget, std::string_view wanted) { return widget.name < wanted; });
    return found != widgets.end() && found->name == name ? &*found : nullptr;
}

Bounds FormBounds(std::string_view name) {
    const FormWidget* widget = FindFormWidget(name);
    if (widget == nullptr) {
        throw std::out_of_range("the window's forms place no widget " + std::string(name));
    }
    return widget->bounds;
}

} // namespace zyntra::layout
