#include "cli/cli_app.h"
#include "cli/commands.h"
#include "personal/device_snapshots.h"
#include "personal/personal_engine.h"

#include <nlohmann/json.hpp>

namespace zyntra {
namespace {

int RunSnapshots(CliApp& app, const CommandArgs&) {
    nlohmann::ordered_json snapshots = nlohmann::ordered_json::array();
    for (const Snapshot& snapshot : ListSnapshots()) {
        nlohmann::ordered_json files = nlohmann::ordered_json::array();
        for (const SnapshotFile& file : snapshot.files)
            files.push_back({{"name", file.name}, {"size", file.size}});
        snapshots.push_back({{"id", snapshot.id},
                             {"ident", app.SystemCodec().ToUtf8(snapshot.ident)},
                             {"time", snapshot.time},
                             {"files", files}});
    }
    std::fprintf(app.Out(), "%s\n",
                 snapshots.dump(2, ' ', false, nlohmann::json::error_handler_t::replace).c_str());
    return kExitOk;
}

int RunRestoreSnapshot(CliApp& app, const CommandArgs& args) {
    if (std::optional<int> refused = app.RequireUnlockedDevice("SM_CliNothingRestored"))
        return *refused;
    const std::string& id = args.positional[0];
    SnapshotRestore result = SnapshotRestore::Unknown;
    const RunReport report = app.Personal().UndoSync(id, result);
    if (result == SnapshotRestore::Unknown || result == SnapshotRestore::OtherDevice) {
        app.Say("SM_CliNoSnapshot", id, "SM_CliNothingRestored");
        return kExitFailed;
    }
    if (!app.Succeeded(report)) {
        if (result != SnapshotRestore::Done)
            app.Say("SM_CliNothingRestored");
        return kExitFailed;
    }
    app.Say("SM_CliSnapshotRestored", id);
    return kExitOk;
}

} // namespace

Command SnapshotsCommand() {
    return {"snapshots",
            "",
            "list the snapshots taken before each synchronisation as JSON",
            {},
            0,
            0,
            true,
            nullptr,
            RunSnapshots,
            {},
            "Before every synchronisation the device's databases are kept, the newest ten per\n"
            "device; each is listed with its ID, the device's ident, the time and the sizes.\n"};
}

Command RestoreSnapshotCommand() {
    return {"restore-snapshot",
            "ID",
            "write a snapshot back to the device it was taken of, undoing the syncs after it",
            {},
            1,
            1,
            true,
            nullptr,
            RunRestoreSnapshot,
            {},
            "ID is one of those `zyntra-cli snapshots` lists. The snapshot's databases are\n"
            "written back as one set, undoing every synchronisation after it.\n"};
}

} // namespace zyntra
