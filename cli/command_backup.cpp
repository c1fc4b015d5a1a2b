#include "cli/cli_app.h"
#include "cli/commands.h"
#include "personal/personal_engine.h"
#include "storage/database_files.h"
#include "texts/lang_text.h"

#include <filesystem>

namespace zyntra {

int RunBackup(CliApp& app, const CommandArgs&) {
    if (std::optional<int> refused = app.RequireUnlockedDevice())
        return *refused;
    PersonalEngine& personal = app.Window().Personal();
    personal.Load(RunTarget::Device, DataSelection::All());
    if (app.TakeLowLevelFailure())
        return kExitFailed;
    const RunReport report = personal.Backup();
    app.Window().Ui().messages.Show(
        LangText(report.copiesSucceeded ? "SM_ExportOK" : "SM_ExportNG"));
    return report.copiesSucceeded && !app.TakeLowLevelFailure() ? kExitOk : kExitFailed;
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
    PersonalEngine& personal = app.Window().Personal();
    const RunReport restored = personal.Restore();
    if (restored.restoredAnything)
        app.Window().Ui().messages.Show(LangText("SM_ImportOK"));
    if (!restored.copiesSucceeded || app.TakeLowLevelFailure())
        return kExitFailed;
    const RunReport synced = personal.Synchronize(DataSelection::All(), SyncMode::MemoryWins);
    app.Window().Ui().messages.Show(LangText(synced.copiesSucceeded ? "SM_SyncOK" : "SM_SyncNG"));
    return synced.copiesSucceeded && !app.TakeLowLevelFailure() ? kExitOk : kExitFailed;
}

} // namespace zyntra
