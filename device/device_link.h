#pragma once

#include "device/device_controls.h"
#include "device/device_record.h"
#include "kit/ui_services.h"

#include <array>
#include <memory>
#include <span>
#include <string>

namespace zyntra {

struct DbQuery;
class TreeView;
class Volumes;

// The link to the device: finding its drives, its record and content index,
// its databases and folders, the sync marker and the password check.
//
// It owns the device state of the main window: the device table, the
// current device and part, the content index, the last entered password
// and whether protected records show unmasked. Everything else reads that
// state through the accessors below and changes it only through the
// operations named for what they do.
//
// The window hands in its device tree and device controls; without them
// (the command line, tests) the link keeps a tree of its own, so node
// positions come out the same, and has no controls to switch.
class DeviceLink {
public:
    DeviceLink(UiServices ui, Volumes& volumes, DeviceControls controls = {});
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // Scans the volumes in drive order, rebuilds the device table and the
    // device tree, and enables the device controls when exactly one device
    // is usable (disables them otherwise). With showMessages a refused scan
    // says why, and one that found several devices empties the table.
    DiscoveryResult DiscoverDevices(bool showMessages);
    bool LastScanUsable() const { return lastScanUsable_; }

    // The browser, transfer and sync controls together; the enabled-only
    // group is only ever enabled here.
    void SetDeviceControlsEnabled(bool enabled);
    // Asks the conditional device controls again, after something their conditions read
    // changed (a synchronisation made a snapshot).
    void RefreshConditionalControls();

    // Start-up, before the first scan: no device in the table, and the
    // current device and part are record 0's internal memory.
    void ForgetDevices();
    // Start-up without a usable device: the current record gets the default
    // content codes "B" and "02", which e-book files are compared with.
    void UseDefaultContentCodes();

    // The records in use, in the order the scan registered them.
    std::span<const DEV_INFO> Records() const;
    int DeviceCount() const { return devCount_; }
    // The current record, record 0 until another is selected. A scan keeps
    // the selection even when it finds fewer devices; the index still lies
    // inside the fixed table, so this never throws.
    const DEV_INFO& CurrentDevice() const;
    int CurrentDeviceIndex() const { return curDev_; }
    // kInternalMemoryPart, kMemoryCardPart, or -1 for none.
    int CurrentPart() const { return curPart_; }
    // Makes record dev and its part current. False, changing nothing, when
    // dev is no record in use or part is none of the three.
    bool SelectCurrent(int dev, int part);

    // The valid rows of record dev's content index (any of the fixed table's
    // records; out of it throws std::out_of_range). Rows past them keep what
    // an earlier read left: a shorter index never clears them.
    std::span<const FILE_INFO> ContentIndex(int dev) const;

    // "_sync.dat" holding "test" in the current device's internal memory;
    // failures are not reported.
    void WriteSyncMarker();
    // Removes the marker of every device in the table.
    void DeleteSyncMarkers();

    // Whether the password's digest is the current device's. An empty
    // password never matches, whatever digest the device stores.
    bool PasswordMatches(const std::string& password) const;
    // Asks for the password and checks it with PasswordMatches. Mode 0
    // checks before a synchronisation, any other mode before unmasking; a
    // refusal shows the message of the mode.
    bool CheckDevicePassword(int mode);
    // The text typed at the last check; "" after a cancelled one.
    const std::string& EnteredPassword() const { return enteredPassword_; }

    // Whether the editors show the protected records of a locked device
    // unmasked. Lasts for the whole run, across devices.
    bool UnlockedView() const { return unlockedView_; }
    // The editors' Authority button: on a locked current device, asks for
    // the password (mode 1) and, when it passes, turns the unmasked view
    // on or off. Returns whether the view changed; on an unlocked device
    // it never does and nothing is asked.
    bool ToggleUnlockedView();

    // Makes the device's databases present (templates for the missing ones
    // when its PIM.db is missing or empty) and reads its content index, from
    // the PIM template when the device's PIM.db is no database.
    void PrepareDeviceDatabases(int dev);
    // For the current device: PrepareDeviceDatabases, then the folders and
    // database files of the content index on its internal memory and card.
    void PrepareDeviceStorage();
    // The file is a regular file (a link to one is not) whose size is not 0.
    bool FileHasContent(const std::string& path);

private:
    struct ScanCounters {
        int internalDrives = 0;
        int cardDrives = 0;
    };

    DEV_INFO& Record(int dev) { return devInfo_.at(static_cast<std::size_t>(dev)); }
    void ApplyConditions(bool enabled);

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
    DeviceControls controls_;
    // Declared before tree_, which refers to it when the window gave no tree.
    std::unique_ptr<TreeView> ownTree_;
    TreeView& tree_;

    // The window's DEV_INFO[5]; devCount_ records are in use.
    std::array<DEV_INFO, kMaxDevices> devInfo_{};
    int devCount_ = 0;
    int curDev_ = 0;
    int curPart_ = kInternalMemoryPart;
    // The window's FILE_INFO[5][100]: one block per device record, of which
    // fileInfoCount_ rows are valid. Rows are overwritten, never cleared.
    std::array<std::array<FILE_INFO, kMaxFileInfoRows>, kMaxDevices> fileInfo_{};
    std::array<int, kMaxDevices> fileInfoCount_{};
    std::string enteredPassword_;
    bool unlockedView_ = false;
    bool lastScanUsable_ = false;
};

} // namespace zyntra
