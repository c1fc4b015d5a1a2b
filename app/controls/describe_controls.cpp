#include "app/controls/main_window_controls.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

namespace zyntra {
namespace {

// The kit class of the control, without its namespace: "ListView", "TabSheet".
std::string KitClassName(const Control& control) {
    const char* mangled = typeid(control).name();
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), &std::free);
    std::string name = status == 0 && demangled ? demangled.get() : mangled;
    const std::size_t scope = name.rfind("::");
    return scope == std::string::npos ? name : name.substr(scope + 2);
}

} // namespace

std::string DescribeControls(const ControlSet& controls) {
    std::string text;
    for (const Control* control : controls.All()) {
        const Control* parent = control->Parent();
        text += control->Name() + ' ' + KitClassName(*control) + ' ' +
                (parent == nullptr ? std::string("-") : parent->Name()) + '\n';
    }
    return text;
}

} // namespace zyntra
