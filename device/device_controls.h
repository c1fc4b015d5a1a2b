#pragma once

#include <functional>
#include <string>
#include <vector>

namespace zyntra {

class Control;
class PopupMenu;
class TreeView;

// The window's controls that follow the device, handed to the device link by
// whoever owns them. Everything may be left empty: a front end without a
// window gets a tree of the link's own and no controls to switch.
struct DeviceControls {
    // The device tree; its node positions are the records' node fields.
    TreeView* tree = nullptr;
    // Enabled with a usable device, disabled without one.
    std::vector<Control*> switched;
    // Like the switched controls, and enabled only when their condition also holds for the
    // current device (given its ident): a button with nothing to do for this device stays off.
    struct Conditional {
        Control* control = nullptr;
        std::function<bool(const std::string& ident)> holds;
    };
    std::vector<Conditional> switchedWhen;
    // Their automatic pop-up follows the device like the switched controls.
    std::vector<PopupMenu*> switchedMenus;
    // Enabled with a usable device and never disabled: what they do needs no
    // device, but a device scan is when they come on.
    std::vector<Control*> enabledOnly;
};

} // namespace zyntra
