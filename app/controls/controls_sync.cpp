#include "app/controls/layout_helpers.h"
#include "app/controls/main_window_areas.h"

#include <string>

namespace zyntra::layout {
namespace {

// One item per kind of personal data; both user dictionaries share the last one.
constexpr int kDataKinds = 5;
constexpr int kModeCount = 3;

void CreateDataSelection(ControlSet& controls, TabSheet& page) {
    auto& list = controls.Add<CheckList>("clbSyncData", &page);
    list.SetBounds({16, 16, 300, 120});
    for (int item = 0; item < kDataKinds; ++item) {
        list.AddItem({});
    }
}

void CreateSyncModes(ControlSet& controls, TabSheet& page) {
    auto& group = controls.Add<RadioGroup>("rgSync", &page);
    group.SetBounds({340, 16, 400, 120});
    for (int mode = 1; mode <= kModeCount; ++mode) {
        auto& button = controls.Add<RadioButton>("rbSync" + std::to_string(mode), &group);
        button.SetBounds({12, 24 + (mode - 1) * 30, 370, 22});
    }
    auto& start = controls.Add<SpeedButton>("sbSync", &page);
    start.SetBounds({760, 16, 100, 40});
    start.SetHint("RC_SB_SYNC_HINT");
}

void CreateBackupGroup(ControlSet& controls, TabSheet& page) {
    auto& group = controls.Add<GroupBox>("gbDataSync", &page);
    group.SetBounds({16, 160, 400, 80});
    auto& backup = controls.Add<SpeedButton>("sbBackup", &group);
    backup.SetBounds({12, 28, 120, 36});
    backup.SetHint("RC_SB_BACKUP_HINT");
    auto& restore = controls.Add<SpeedButton>("sbRestore", &group);
    restore.SetBounds({144, 28, 120, 36});
    restore.SetHint("RC_SB_RESTORE_HINT");
}

} // namespace

void CreateSyncControls(ControlSet& controls, TabSheet& page) {
    CreateDataSelection(controls, page);
    CreateSyncModes(controls, page);
    CreateBackupGroup(controls, page);
}

} // namespace zyntra::layout
