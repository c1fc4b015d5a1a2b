#pragma once

#include "kit/controls.h"
#include "tests/ui/qt_test_app.h"
#include "ui/binder/window_binder.h"
#include "ui/forms/main_window_widget.h"
#include "ui/text_codec.h"

#include <string>
#include <vector>

namespace zyntra::test {

// The window's controls bound to the window's layout, without the window model: the controls
// as the inventory makes them, and hooks that record what the binder reports.
class BoundWindow {
public:
    BoundWindow();

    ControlSet controls;
    TextCodec codec{"BIG5"};
    MainWindowWidget widget;
    std::vector<std::string> hints; // every current hint reported, in order
    std::string tip = "tip";
    std::vector<std::string> activatedInputMethods;
    WindowBinder binder;
    std::vector<std::string> problems;

    template <class C> C& Get(const std::string& name) { return controls.Get<C>(name); }
    template <class W> W& Widget(const std::string& name) {
        auto* widget = qobject_cast<W*>(binder.WidgetOf(name));
        if (widget == nullptr) {
            throw std::runtime_error("no widget " + name);
        }
        return *widget;
    }

    // Makes the form visible and the pages active down to the given page, so that its controls
    // accept the user's actions.
    void ShowPage(const std::string& page);
};

} // namespace zyntra::test
