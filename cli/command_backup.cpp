#include "cli/cli_app.h"
#include "cli/commands.h"
#include "kit/controls.h"
#include "storage/database_files.h"
#include "personal/personal_data.h"

#include <filesystem>

namespace zyntra {
namespace {

void SelectEverything(TdfmMain& window) {
    CheckList& kinds = window.Controls().Get<CheckList>("clbSyncData");
    for (int i = 0; i < kinds.ItemCount(); ++i)
        kinds.SetChecked(i, true);
}

} // namespace

int RunBackup(CliApp& app, const CommandArgs&) {
    if (std::optional<int> refused = app.RequireUnlockedDevice())
        return *refused;
    PersonalData& personal = app.Window().Personal();
    SelectEverything(app.Window());
    personal.LoadPersonalData(false);
    if (app.TakeLowLevelFailure())
        return kExitFailed;
    personal.sbBackupClick();
    return personal.SyncResult() == 1 && !app.TakeLowLevelFailure() ? kExitOk : kExitFailed;
}

int RunRestore(CliApp& app, const CommandArgs&) {
    if (std::optional<int> refused = app.RequireUnlockedDevice())
        return *refused;
    // Without a backup the restore does nothing and would report the synchronisation after it.
    std::error_code error;
    if (!std::filesystem::is_regular_file(BackupPath(1), error)) {
        app.Error("there is no backup in " + BackupPath(1));
        return kExitFailed;
    }
    if (!app.PersonalDatabasesReadable(BackupPath))
        return kExitFailed;
    PersonalData& personal = app.Window().Personal();
    personal.sbRestoreClick();
    if (personal.SyncResult() != 1 || app.TakeLowLevelFailure())
        return kExitFailed;
    SelectEverything(app.Window());
    app.Window().Controls().Get<RadioButton>("rbSync1").SetChecked(true);
    personal.sbSyncClick();
    return personal.SyncResult() == 1 && !app.TakeLowLevelFailure() ? kExitOk : kExitFailed;
}

} // namespace zyntra
