#pragma once

#include "device/device_record.h"
#include "kit/ui_services.h"

#include <array>
#include <string>
#include <vector>

namespace zyntra {

class Control;
class ControlSet;
struct DbQuery;
class PopupMenu;
class TreeView;
class Volumes;

// The link to the device: finding its drives, its record and content index,
// its databases and folders, the sync marker and the password check.
//
// It owns the device state of the main window. Other subsystems read the
// current record (rootPath, lock bit, content codes) and the content index,
// and set curDev and curPart from the device tree.
//
// It works on the device tree "tvDictTreeView" and the device controls of a
// control set made by CreateMainWindowControls; without peers (the command
// line, tests) it runs unchanged.
class DeviceLink {
public:
    DeviceLink(ControlSet& controls, UiServices ui, Volumes& volumes);

    // Scans the volumes in drive order, rebuilds the device table and the
    // device tree, and enables the device controls when exactly one device
    // is usable (disables them otherwise). With showMessages a refused scan
    // says why, and one that found several devices empties the table.
    DiscoveryResult DiscoverDevices(bool showMessages);
    bool LastScanUsable() const { return lastScanUsable_; }

    // The browser, transfer and sync controls together; the computer-side
    // delete button and the backup group are only ever enabled here.
    void SetDeviceControlsEnabled(bool enabled);

    // "_sync.dat" holding "test" in the current device's internal memory;
    // failures are not reported.
    void WriteSyncMarker();
    // Removes the marker of every device in the table.
    void DeleteSyncMarkers();
    // Asks for the password and compares its digest with the current
    // device's. Mode 0 checks before a synchronisation, any other mode
    // before unmasking; a refusal shows the message of the mode.
    bool CheckDevicePassword(int mode);

    // Makes the device's databases present (templates for the missing ones
    // when its PIM.db is missing or empty) and reads its content index, from
    // the PIM template when the device's PIM.db is no database.
    void PrepareDeviceDatabases(int dev);
    // For the current device: PrepareDeviceDatabases, then the folders and
    // database files of the content index on its internal memory and card.
    void PrepareDeviceStorage();
    // The file exists and its size is not 0.
    bool FileHasContent(const std::string& path);

    // devInfo[curDev]; a curDev outside the table throws std::out_of_range.
    DEV_INFO& CurrentDevice() { return devInfo.at(static_cast<std::size_t>(curDev)); }
    const DEV_INFO& CurrentDevice() const { return devInfo.at(static_cast<std::size_t>(curDev)); }

    // The window's DEV_INFO[5]; devCount records are in use.
    std::array<DEV_INFO, kMaxDevices> devInfo{};
    int devCount = 0;
    int curDev = 0;
    int curPart = 0; // 0 internal memory, 1 memory card, -1 none
    // The window's FILE_INFO[5][100]: one block per device record, of which
    // fileInfoCount rows are valid. Rows are overwritten, never cleared.
    std::array<std::array<FILE_INFO, kMaxFileInfoRows>, kMaxDevices> fileInfo{};
    std::array<int, kMaxDevices> fileInfoCount{};
    std::string enteredPassword; // "" after a cancelled check
    bool unlockedView = false;

private:
    struct ScanCounters {
        int internalDrives = 0;
        int cardDrives = 0;
    };

    void ScanVolume(const std::string& root, ScanCounters& counters);
    void RegisterInternalMemory(const std::string& root, const InfoHeaderBytes& header);
    void RegisterMemoryCard(const std::string& root, const InfoHeaderBytes& header);
    int FindDevice(const InfoHeaderBytes& header) const;
    void AddDeviceNodes(int dev);
    void RenumberNodes();
    void RefuseScan(bool showMessages);
    DiscoveryResult Summary(bool usable) const;

    bool ReadContentIndex(const std::string& databasePath, int dev);
    void ReadContentRow(DbQuery& query, int dev, int row);
    void MakeInternalEntries(const std::string& root);
    void MakeCardFolders(const std::string& root);

    UiServices ui_;
    Volumes& volumes_;
    TreeView& tree_;
    std::vector<Control*> switchedControls_;
    std::vector<PopupMenu*> switchedMenus_;
    std::vector<Control*> enabledOnlyControls_;
    bool lastScanUsable_ = false;
};

} // namespace zyntra
