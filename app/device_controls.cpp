#include "app/device_controls.h"

#include "kit/controls.h"
#include "personal/device_snapshots.h"

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

DeviceControls DeviceControlsOf(const ControlSet& controls) {
    DeviceControls device;
    device.tree = &controls.Get<TreeView>("tvDictTreeView");
    for (const char* name : kSwitchedControls)
        device.switched.push_back(&controls.Get<Control>(name));
    for (const char* name : kSwitchedMenus)
        device.switchedMenus.push_back(&controls.Get<PopupMenu>(name));
    // A snapshot is written back only to the device it was taken of.
    device.switchedWhen.push_back(
        {&controls.Get<Control>("sbUndoSync"),
         [](const std::string& ident) { return NewestSnapshotOf(ident).has_value(); }});
    for (const char* name : kEnabledOnlyControls)
        device.enabledOnly.push_back(&controls.Get<Control>(name));
    return device;
}

} // namespace zyntra
