#include "bench/personal_bench.h"

#include "bench/in_process_timer.h"
#include "bench/raw_sqlite.h"
#include "bench/sqlite_file.h"
#include "storage/database_files.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace zyntra::bench {
namespace {

namespace fs = std::filesystem;

constexpr const char* kKinds[] = {"addressbook", "schedule", "todo", "ecdict", "cedict"};

void Progress(int records, const std::string& what, const ProcessTiming& timing) {
    std::fprintf(stderr, "bench: %6d per kind, %-30s %s%8.3f s%s\n", records, what.c_str(),
                 timing.stopped ? ">" : " ", timing.seconds,
                 timing.stopped ? " (stopped at the time limit)" : "");
}

// One export and import of every kind, within one time limit for all ten processes; the device
// keeps what it had. Returns whether it ran to the end.
bool RoundTrip(const CliSandbox& sandbox, int records, double timeLimit, PersonalFigures& figures,
               double& total) {
    total = 0;
    for (const char* kind : kKinds) {
        const double left = timeLimit > 0 ? std::max(1.0, timeLimit - total) : 0;
        const std::string file = sandbox.Folder() + "export-" + kind + ".json";
        ProcessTiming exported = sandbox.Run({"export", kind}, file, left);
        total += exported.seconds;
        Progress(records, std::string("export ") + kind, exported);
        if (exported.stopped)
            return false;
        ProcessTiming imported =
            sandbox.Run({"import", kind, file}, "", std::max(1.0, left - exported.seconds));
        total += imported.seconds;
        Progress(records, std::string("import ") + kind, imported);
        if (std::string(kind) == "addressbook") {
            figures.importAddressBook.Keep(imported.seconds, imported.stopped);
            figures.importAddressBookRssKb.Keep(double(imported.peakRssKb), imported.stopped);
        }
        if (imported.stopped)
            return false;
    }
    return true;
}

long long CountRows(const std::string& path, const std::string& table) {
    return std::get<long long>(SqliteFile(path).Select("select count(*) from " + table)[0][0]);
}

// A run that went to its end must have done the whole work: every kind's records in the
// databases of slot 1 to 3 of that side.
void CheckRecords(const std::vector<std::string>& paths, int records, const char* what) {
    const bool whole =
        CountRows(paths[0], "telephone") == records && CountRows(paths[0], "schedule") == records &&
        CountRows(paths[0], "todolist") == records && CountRows(paths[1], "headword") == records &&
        CountRows(paths[2], "headword") == records;
    if (!whole)
        throw std::runtime_error(std::string(what) + " did not leave every record in place");
}

std::vector<std::string> BackupFiles(const CliSandbox& sandbox) {
    std::vector<std::string> paths;
    for (int slot = 1; slot <= 3; ++slot)
        paths.push_back(sandbox.ProgramFolder() + "backup/" +
                        fs::path(BackupPath(slot)).filename().string());
    return paths;
}

std::vector<std::string> DeviceFiles(const CliSandbox& sandbox) {
    std::vector<std::string> paths;
    for (int slot = 1; slot <= 3; ++slot)
        paths.push_back(DeviceDatabasePath(sandbox.DeviceRoot(), slot));
    return paths;
}

// backup/ holds the fixture's databases, as a backup of the same records would.
void PlaceBackup(const CliSandbox& sandbox, const std::string& fixtureFolder) {
    sandbox.ClearBackup();
    for (int slot = 1; slot <= kDatabaseSlotCount; ++slot) {
        const fs::path fixture = fs::path(fixtureFolder) / GetDatabaseSlot(slot).deviceFileName;
        const std::string target =
            sandbox.ProgramFolder() + "backup/" + fs::path(BackupPath(slot)).filename().string();
        fs::copy_file(fs::exists(fixture) ? fixture : fs::path(TemplatePath(slot)), target);
    }
}

Measured RawSqlite(const std::string& fixtureFolder, const std::string& folder, int records,
                   int runs) {
    const std::vector<TableRows> tables = ReadRecordRows(fixtureFolder);
    std::size_t expected = 0;
    for (const TableRows& table : tables)
        expected += table.rows.size();
    const double best = BestInProcess(
        "raw SQLite " + std::to_string(records), runs, [&] { PrepareEmptyFiles(folder); },
        [&] {
            if (WriteAndReadBack(tables, folder) != expected)
                throw std::runtime_error("raw SQLite read back another number of rows");
        });
    std::fprintf(stderr, "bench: %6d per kind, %-30s  %8.3f s\n", records,
                 "raw SQLite write + read back", best);
    return Measured::Exact(best);
}

} // namespace

PersonalFigures MeasurePersonal(const CliSandbox& sandbox, const std::string& fixtureFolder,
                                int records, const RunLimits& limits) {
    PersonalFigures figures;
    figures.records = records;
    bool again = true;
    for (int run = 0; run < limits.maxRuns && again; ++run) {
        figures.runs = run + 1;
        sandbox.ResetDevice(fixtureFolder);
        sandbox.ResetWorkingFiles();
        double total = 0;
        const bool complete = RoundTrip(sandbox, records, limits.timeLimit, figures, total);
        figures.roundTrip.Keep(total, !complete);
        if (complete)
            CheckRecords(DeviceFiles(sandbox), records, "the round trip");

        sandbox.ClearBackup();
        sandbox.ResetWorkingFiles();
        ProcessTiming backup = sandbox.Run({"backup"}, "", limits.timeLimit);
        Progress(records, "backup", backup);
        if (!backup.stopped)
            CheckRecords(BackupFiles(sandbox), records, "the backup");
        figures.backup.Keep(backup.seconds, backup.stopped);
        figures.backupRssKb.Keep(double(backup.peakRssKb), backup.stopped);

        PlaceBackup(sandbox, fixtureFolder);
        sandbox.ResetWorkingFiles();
        sandbox.ResetDevice("");
        ProcessTiming restore = sandbox.Run({"restore"}, "", limits.timeLimit);
        Progress(records, "restore onto empty databases", restore);
        if (!restore.stopped)
            CheckRecords(DeviceFiles(sandbox), records, "the restore");
        figures.restore.Keep(restore.seconds, restore.stopped);

        again = complete && !backup.stopped && !restore.stopped &&
                std::max({total, backup.seconds, restore.seconds}) < limits.repeatBelow;
    }
    figures.raw = RawSqlite(fixtureFolder, sandbox.Folder() + "raw/", records, figures.runs);
    return figures;
}

} // namespace zyntra::bench
