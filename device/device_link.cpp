#include "device/device_link.h"

#include "kit/controls.h"

namespace zyntra {
namespace {

constexpr const char* kSwitchedControls[] = {
    // device-side browser
    "btnDictRefresh", "btnDictView", "btnDictCut", "btnDictCopy", "btnDictPaste", "btnDictDelete",
    "btnDictUpload",
    // computer-side browser
    "btnCompCut", "btnCompCopy", "btnCompPaste", "btnCompDownload",
    // synchronisation
    "clbSyncData", "rgSync", "rbSync1", "rbSync2", "rbSync3", "sbSync"};

constexpr const char* kSwitchedMenus[] = {"pmDictMenu", "pmCompMenu"};

// Backup and restore work on the program folder, and deleting on the
// computer side needs no device: a missing device never disables them.
constexpr const char* kEnabledOnlyControls[] = {"btnCompDelete", "gbDataSync", "sbBackup",
                                                "sbRestore"};

} // namespace

DeviceLink::DeviceLink(ControlSet& controls, UiServices ui, Volumes& volumes)
    : ui_(ui), volumes_(volumes), tree_(controls.Get<TreeView>("tvDictTreeView")) {
    for (const char* name : kSwitchedControls)
        switchedControls_.push_back(&controls.Get<Control>(name));
    for (const char* name : kSwitchedMenus)
        switchedMenus_.push_back(&controls.Get<PopupMenu>(name));
    for (const char* name : kEnabledOnlyControls)
        enabledOnlyControls_.push_back(&controls.Get<Control>(name));
}

void DeviceLink::SetDeviceControlsEnabled(bool enabled) {
    for (Control* control : switchedControls_)
        control->SetEnabled(enabled);
    for (PopupMenu* menu : switchedMenus_)
        menu->SetAutoPopup(enabled);
    if (enabled)
        for (Control* control : enabledOnlyControls_)
            control->SetEnabled(true);
}

DiscoveryResult DeviceLink::Summary(bool usable) const {
    DiscoveryResult result;
    result.usable = usable;
    for (int i = 0; i < devCount; ++i) {
        const DEV_INFO& device = devInfo[static_cast<std::size_t>(i)];
        result.devices.push_back({device.model(), device.ident(), device.rootPath[0],
                                  device.rootPath[1], device.Locked(), device.mainClass,
                                  device.subClass});
    }
    return result;
}

} // namespace zyntra
