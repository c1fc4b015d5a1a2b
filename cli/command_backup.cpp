#include "cli/cli_app.h"
#include "cli/commands.h"
#include "personal/personal_engine.h"
#include "storage/database_files.h"

#include <filesystem>

namespace zyntra {
namespace {

std::string BackupFolder() {
    return std::filesystem::path(BackupPath(1)).parent_path().string();
}

} // namespace

int RunBackup(CliApp& app, const CommandArgs&) {
    if (std::optional<int> refused = app.RequireUnlockedDevice("SM_CliNothingBackedUp"))
        return *refused;
    PersonalEngine& personal = app.Personal();
    if (!app.Succeeded(personal.Load(RunTarget::Device, DataSelection::All())) ||
        !app.Succeeded(personal.Backup()))
        return kExitFailed;
    app.Say("SM_CliBackedUp", BackupFolder());
    return kExitOk;
}

int RunRestore(CliApp& app, const CommandArgs&) {
    if (std::optional<int> refused = app.RequireUnlockedDevice("SM_CliNothingRestored"))
        return *refused;
    std::error_code error;
    if (!std::filesystem::is_regular_file(BackupPath(1), error)) {
        app.Say("SM_CliNoBackup", BackupFolder(), "SM_CliNothingRestored");
        return kExitFailed;
    }
    if (!app.PersonalDatabasesReadable(BackupPath))
        return kExitFailed;
    PersonalEngine& personal = app.Personal();
    if (!app.Succeeded(personal.Restore()) ||
        !app.Succeeded(personal.Synchronize(DataSelection::All(), SyncMode::MemoryWins)))
        return kExitFailed;
    app.Say("SM_CliRestored", BackupFolder());
    return kExitOk;
}

} // namespace zyntra
