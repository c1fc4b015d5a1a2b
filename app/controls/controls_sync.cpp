#include "app/controls/layout_helpers.h"
#include "app/controls/main_window_areas.h"

#include <string>

namespace zyntra::layout {
namespace {

// One item per kind of personal data; both user dictionaries share the last one.
constexpr int kDataKinds = 5;
constexpr int kModeCount = 3;

void CreateDataSelection(ControlSet& controls, TabSheet& page) {
    auto& list = AddPlaced<CheckList>(controls, "clbSyncData", page);
    list.SetHint("RC_CLB_SYNCDATA_HINT");
    for (int item = 0; item < kDataKinds; ++item) {
        list.AddItem({});
    }
}

void CreateSyncModes(ControlSet& controls, TabSheet& page) {
    auto& group = AddPlaced<RadioGroup>(controls, "rgSync", page);
    for (int mode = 1; mode <= kModeCount; ++mode) {
        AddPlaced<RadioButton>(controls, "rbSync" + std::to_string(mode), group);
    }
    AddPlaced<SpeedButton>(controls, "sbSync", page).SetHint("RC_SB_SYNC_HINT");
}

void CreateBackupGroup(ControlSet& controls, TabSheet& page) {
    auto& group = AddPlaced<GroupBox>(controls, "gbDataSync", page);
    AddPlaced<SpeedButton>(controls, "sbBackup", group).SetHint("RC_SB_BACKUP_HINT");
    AddPlaced<SpeedButton>(controls, "sbRestore", group).SetHint("RC_SB_RESTORE_HINT");
    AddPlaced<SpeedButton>(controls, "sbUndoSync", group).SetHint("RC_SB_UNDOSYNC_HINT");
}

// Files of other programs: they read and write memory only, so they need no device.
void CreateRecordFilesGroup(ControlSet& controls, TabSheet& page) {
    auto& group = AddPlaced<GroupBox>(controls, "gbRecordFiles", page);
    AddPlaced<SpeedButton>(controls, "sbImportFile", group).SetHint("RC_SB_IMPORTFILE_HINT");
    AddPlaced<SpeedButton>(controls, "sbExportFile", group).SetHint("RC_SB_EXPORTFILE_HINT");
}

} // namespace

void CreateSyncControls(ControlSet& controls, TabSheet& page) {
    CreateDataSelection(controls, page);
    CreateSyncModes(controls, page);
    CreateBackupGroup(controls, page);
    CreateRecordFilesGroup(controls, page);
}

} // namespace zyntra::layout
