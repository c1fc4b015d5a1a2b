#include "content/device_browser.h"

#include "content/content_page.h"
#include "content/file_lists.h"
#include "device/device_link.h"
#include "kit/buttons.h"
#include "kit/control_set.h"
#include "kit/list_view.h"
#include "kit/popup_menu.h"
#include "kit/tree_view.h"
#include "kit/wait_cursor.h"
#include "platform/volumes.h"
#include "texts/lang_text.h"

#include <algorithm>

namespace zyntra {

DeviceBrowserControls DeviceBrowserControls::From(const ControlSet& controls) {
    return {controls.Get<TreeView>("tvDictTreeView"), controls.Get<ListView>("lvDictListView"),
            controls.Get<ButtonControl>("btnDictUp"), controls.Get<ButtonControl>("btnDictRefresh"),
            controls.Get<MenuItem>("DictRefresh")};
}

DeviceBrowser::DeviceBrowser(DeviceBrowserControls controls, UiServices ui, FileLists& lists,
                             DeviceLink& devices, Volumes& volumes, ContentPage& page)
    : controls_(controls), ui_(ui), lists_(lists), devices_(devices), volumes_(volumes),
      page_(page) {}

DeviceBrowser::DeviceBrowser(const ControlSet& controls, UiServices ui, FileLists& lists,
                             DeviceLink& devices, Volumes& volumes, ContentPage& page)
    : DeviceBrowser(DeviceBrowserControls::From(controls), ui, lists, devices, volumes, page) {}

void DeviceBrowser::AttachHandlers() {
    controls_.tree.OnClick = [this] { TreeClick(); };
    controls_.refresh.OnClick = [this] { Refresh(); };
    controls_.menuRefresh.OnClick = [this] { Refresh(); };
}

void DeviceBrowser::UseInternalMemory() {
    devices_.SelectCurrent(devices_.CurrentDeviceIndex(), kInternalMemoryPart);
    devicePath_ = devices_.CurrentDevice().rootPath[kInternalMemoryPart];
}

DeviceStorageView DeviceBrowser::CurrentStorage() const {
    DeviceStorageView storage;
    if (devicePath_ != kNoDevicePath)
        storage.devicePath = devicePath_;
    storage.card = devices_.CurrentPart() == kMemoryCardPart;
    storage.index = devices_.ContentIndex(devices_.CurrentDeviceIndex());
    return storage;
}

// A storage that went away stays chosen no longer: its folder may still be there (an unmounted
// mount point is an ordinary folder), and must not be listed as the device's. The device's
// internal memory takes its place, or nothing without a device.
void DeviceBrowser::DiscoverDevices(bool showMessages) {
    devices_.DiscoverDevices(showMessages);
    const auto& roots = devices_.CurrentDevice().rootPath;
    if (devices_.DeviceCount() == 0)
        ForgetDevicePath();
    else if (devicePath_ != kNoDevicePath &&
             std::find(roots.begin(), roots.end(), devicePath_) == roots.end())
        UseInternalMemory();
    lists_.SetScanContext(devices_.CurrentDevice(), lists_.SystemLanguage());
}

void DeviceBrowser::ListDeviceFiles(ListScope scope) {
    const DeviceStorageView storage = CurrentStorage();
    for (const CategoryInfo& info : kCategories) {
        if (scope == ListScope::CurrentCategory && info.category != lists_.CurrentCategory())
            continue;
        lists_.ResetFileList(Side::Device, info.category);
        if (const std::optional<std::string> folder = CategoryFolder(storage, info.category))
            lists_.ScanFolder(*folder, info.filter, Side::Device, true);
    }
    ShowDeviceListCount();
}

void DeviceBrowser::ClearDeviceFiles() {
    lists_.ResetAllFileLists(Side::Device);
    ShowDeviceListCount();
}

void DeviceBrowser::ShowDeviceListCount() {
    controls_.list.SetRowCount(static_cast<int>(lists_.CurrentList(Side::Device).size()));
    controls_.list.Repaint();
}

bool DeviceBrowser::ChooseStorage(int dev, int part) {
    const DEV_INFO& device = devices_.Records()[static_cast<std::size_t>(dev)];
    // Without its internal memory a device has no content index to name its folders.
    if (device.rootPath[kInternalMemoryPart].empty()) {
        ui_.messages.Show(LangText("SM_NoeDictionary"));
        return false;
    }
    devicePath_ = device.rootPath[static_cast<std::size_t>(part)];
    devices_.SelectCurrent(dev, part);
    return true;
}

bool DeviceBrowser::ChooseStorageOfNode(int node) {
    TreeView& tree = controls_.tree;
    const std::span<const DEV_INFO> records = devices_.Records();
    if (tree.IsTopLevel(node)) {
        tree.SetSelected(node + 1);
        devices_.SelectCurrent(devices_.CurrentDeviceIndex(), -1);
        for (std::size_t i = 0; i < records.size(); ++i)
            if (records[i].deviceNode == node)
                return ChooseStorage(static_cast<int>(i), kInternalMemoryPart);
        return false;
    }
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (records[i].dictNode == node)
            return ChooseStorage(static_cast<int>(i), kInternalMemoryPart);
        // A record without a card keeps a card node of 0, which is always a top node.
        if (!records[i].rootPath[kMemoryCardPart].empty() && records[i].cardNode == node)
            return ChooseStorage(static_cast<int>(i), kMemoryCardPart);
    }
    return false;
}

// A root that is no longer a mounted volume is not ready even when its folder still answers:
// an unmounted mount point is an ordinary folder of the disk below it.
bool DeviceBrowser::DriveReady(const std::string& root) const {
    const std::vector<Volume> mounted = volumes_.List();
    const bool listed = std::any_of(mounted.begin(), mounted.end(), [&](const Volume& volume) {
        return volume.root == root || volume.root + '/' == root;
    });
    return listed && (volumes_.IsReadable(root) || volumes_.FreeBytes(root).has_value());
}

void DeviceBrowser::TreeClick() {
    const int node = controls_.tree.Selected();
    if (node < 0 || !ChooseStorageOfNode(node))
        return;
    devices_.PrepareDeviceStorage();
    lists_.SetScanContext(devices_.CurrentDevice(), lists_.SystemLanguage());
    if (DriveReady(devicePath_))
        ListDeviceFiles(ListScope::AllCategories);
    else
        DiscoverDevices(true); // the storage went away: the tree shows what is left
    controls_.tree.FullExpand();
}

// The discovery leaves at most one device; its card, when it has one, is the storage shown.
int DeviceBrowser::LastStorageNode() const {
    const std::span<const DEV_INFO> records = devices_.Records();
    if (records.empty())
        return -1;
    const DEV_INFO& last = records.back();
    return last.rootPath[kMemoryCardPart].empty() ? last.dictNode : last.cardNode;
}

void DeviceBrowser::Refresh() {
    WaitCursorScope busy(ui_.waitCursor);
    lists_.ResetSortToggles(Side::Device);
    DiscoverDevices(true);
    const int node = LastStorageNode();
    if (node >= 0) {
        controls_.tree.SetSelected(node);
        TreeClick();
    }
    // Without a device no list of any category may keep the files of the one that went.
    if (devices_.DeviceCount() == 0) {
        ClearDeviceFiles();
        return;
    }
    ListDeviceFiles(ListScope::CurrentCategory);
    page_.SelectCategory(lists_.CurrentCategory());
}

} // namespace zyntra
