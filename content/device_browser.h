#pragma once

#include "content/content_category.h"
#include "content/device_folders.h"
#include "kit/ui_services.h"

#include <string>

namespace zyntra {

class ButtonControl;
class ContentPage;
class ControlSet;
class DeviceLink;
class FileLists;
class ListView;
class MenuItem;
class TreeView;
class Volumes;

// The text the device path holds while no storage has been chosen; no drive root matches it.
inline constexpr const char kNoDevicePath[] = "0";

struct DeviceBrowserControls {
    TreeView& tree;         // tvDictTreeView, built by the device discovery
    ListView& list;         // lvDictListView
    ButtonControl& up;      // btnDictUp: stays disabled, with no action
    ButtonControl& refresh; // btnDictRefresh
    MenuItem& menuRefresh;  // DictRefresh

    static DeviceBrowserControls From(const ControlSet& controls);
};

// The lower half of the content page: the device's storages in the device tree and the
// device-side lists of the chosen one. A storage lists the files below its category folders,
// subfolders included; the files beside them at the storage's root (the device's own records
// and databases) never show.
//
// It owns the device path, the root of the storage the device-side lists show, and keeps the
// file lists' scan context on the current device record whenever a discovery or a click may
// have changed which record that is.
class DeviceBrowser {
public:
    DeviceBrowser(DeviceBrowserControls controls, UiServices ui, FileLists& lists,
                  DeviceLink& devices, Volumes& volumes, ContentPage& page);
    DeviceBrowser(const ControlSet& controls, UiServices ui, FileLists& lists, DeviceLink& devices,
                  Volumes& volumes, ContentPage& page);

    // The tree click, Refresh (button and menu entry).
    void AttachHandlers();

    const std::string& DevicePath() const { return devicePath_; }
    // Start-up: no storage chosen yet.
    void ForgetDevicePath() { devicePath_ = kNoDevicePath; }
    // The current device's internal memory becomes the storage shown (start-up, a drive change).
    void UseInternalMemory();
    // The storage shown, for the category folders and the transfers onto the device. Without a
    // chosen storage its root is empty, which names no folder.
    DeviceStorageView CurrentStorage() const;

    // The device discovery with the scan context renewed: the record the scans compare e-books
    // with is the current one of the new table.
    void DiscoverDevices(bool showMessages);

    // Fills the device-side lists of the scope from the category folders of the current
    // storage, then shows the current category's count.
    void ListDeviceFiles(ListScope scope);
    // Without a device: the device-side lists and the list view empty.
    void ClearDeviceFiles();

    void TreeClick();
    void Refresh();

private:
    // Makes the storage of the clicked node current; false when the click chooses none.
    bool ChooseStorageOfNode(int node);
    bool ChooseStorage(int dev, int part);
    bool DriveReady(const std::string& root) const;
    int LastStorageNode() const;
    void ShowDeviceListCount();

    DeviceBrowserControls controls_;
    UiServices ui_;
    FileLists& lists_;
    DeviceLink& devices_;
    Volumes& volumes_;
    ContentPage& page_;
    std::string devicePath_ = kNoDevicePath;
};

} // namespace zyntra
