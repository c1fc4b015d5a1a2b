#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zyntra::forms {

// A widget that a form places by hand: its "geometry" rectangle, relative to the widget that
// holds it. The root widget of a form has no holder.
struct PlacedWidget {
    std::string name;
    std::string holder;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const PlacedWidget&, const PlacedWidget&) = default;
};

// The placed widgets of one Designer form, in document order. A widget that a layout manages
// is left out: the layout, not its rectangle, decides where it goes. Throws
// std::runtime_error, naming the line, for text that is no well-formed form.
std::vector<PlacedWidget> ReadPlacedWidgets(std::string_view xml);

// The widgets of all forms of one window. A name placed twice throws std::runtime_error: the
// window finds its widgets by name, so one of the two would never be found.
std::vector<PlacedWidget> MergeForms(const std::vector<std::vector<PlacedWidget>>& forms);

// C++ source that defines layout::FormWidgets() over the widgets, sorted by name.
std::string GeometrySource(std::vector<PlacedWidget> widgets);

} // namespace zyntra::forms
