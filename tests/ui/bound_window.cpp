#include "tests/ui/bound_window.h"

#include "app/controls/main_window_controls.h"

namespace zyntra::test {
namespace {

ControlSet& Filled(ControlSet& controls) {
    CreateMainWindowControls(controls);
    return controls;
}

} // namespace

BoundWindow::BoundWindow()
    : binder(Filled(controls), widget, codec,
             {[this](const std::string& key) { hints.push_back(key); }, [this] { return tip; },
              [this](const std::string& name) { activatedInputMethods.push_back(name); },
              [](const std::string& key) { return key.empty() ? key : "w:" + key; },
              [](const std::string& key) { return key.empty() ? key : "l:" + key; }}) {
    problems = binder.Bind();
}

void BoundWindow::ShowPage(const std::string& page) {
    controls.Get<Form>("dfmMain").SetVisible(true);
    for (Control* at = controls.FindControl(page); at != nullptr; at = at->Parent()) {
        if (auto* sheet = dynamic_cast<TabSheet*>(at)) {
            if (PageControl* pages = sheet->PageControlOf()) {
                pages->SetActivePage(*sheet);
            }
        }
    }
}

} // namespace zyntra::test
