#include "cli/cli_app.h"
#include "cli/commands.h"
#include "personal/personal_engine.h"

namespace zyntra {

int RunBackup(CliApp& app, const CommandArgs& args) {
    if (std::optional<int> refused = app.RequireUnlockedDevice("SM_CliNothingBackedUp"))
        return *refused;
    PersonalEngine& personal = app.Personal();
    if (!app.Succeeded(personal.Load(RunTarget::Device, DataSelection::All())))
        return kExitFailed;
    const RunReport backup = personal.Backup();
    PrintReport(app, args, backup, DataSelection::All());
    if (!app.Succeeded(backup)) {
        // The previous backup is still the one in the folder.
        if (!backup.copiesSucceeded)
            app.Say("SM_CliNothingBackedUp");
        return kExitFailed;
    }
    app.Say("SM_CliBackedUp", CliApp::BackupFolder());
    return kExitOk;
}

int RunRestore(CliApp& app, const CommandArgs& args) {
    if (std::optional<int> refused = app.RequireUnlockedDevice("SM_CliNothingRestored"))
        return *refused;
    if (std::optional<int> missing = app.RequireBackup("SM_CliNothingRestored"))
        return *missing;
    PersonalEngine& personal = app.Personal();
    if (!app.Succeeded(personal.Restore()))
        return kExitFailed;
    // The backup reaches the device through this synchronisation: its report is the one shown.
    const RunReport synced = personal.Synchronize(DataSelection::All(), SyncMode::MemoryWins);
    PrintReport(app, args, synced, DataSelection::All());
    if (!app.Succeeded(synced))
        return kExitFailed;
    app.Say("SM_CliRestored", CliApp::BackupFolder());
    return kExitOk;
}

} // namespace zyntra
