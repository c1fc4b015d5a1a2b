#include "bench/personal_bench.h"

#include "bench/in_process_timer.h"
#include "bench/raw_sqlite.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <stdexcept>

namespace zyntra::bench {
namespace {

constexpr const char* kKinds[] = {"addressbook", "schedule", "todo", "ecdict", "cedict"};
constexpr double kNone = std::numeric_limits<double>::infinity();

void Progress(int records, const char* what, double seconds) {
    std::fprintf(stderr, "bench: %6d per kind, %-28s %8.3f s\n", records, what, seconds);
}

// One export and import of every kind; the device keeps what it had.
double RoundTrip(const CliSandbox& sandbox, int records, PersonalFigures& figures) {
    double total = 0;
    for (const char* kind : kKinds) {
        const std::string file = sandbox.Folder() + "export-" + kind + ".json";
        ProcessTiming exported = sandbox.Run({"export", kind}, file);
        ProcessTiming imported = sandbox.Run({"import", kind, file});
        total += exported.seconds + imported.seconds;
        const std::string what = std::string("export + import ") + kind;
        Progress(records, what.c_str(), exported.seconds + imported.seconds);
        if (std::string(kind) == "addressbook") {
            figures.importAddressBook = std::min(figures.importAddressBook, imported.seconds);
            figures.importAddressBookRssKb =
                std::max(figures.importAddressBookRssKb, imported.peakRssKb);
        }
    }
    return total;
}

double RawSqlite(const std::string& fixtureFolder, const std::string& folder, int records,
                 int repetitions) {
    const std::vector<TableRows> tables = ReadRecordRows(fixtureFolder);
    std::size_t expected = 0;
    for (const TableRows& table : tables)
        expected += table.rows.size();
    const double best = BestInProcess(
        "raw SQLite " + std::to_string(records), repetitions, [&] { PrepareEmptyFiles(folder); },
        [&] {
            if (WriteAndReadBack(tables, folder) != expected)
                throw std::runtime_error("raw SQLite read back another number of rows");
        });
    Progress(records, "raw SQLite write + read back", best);
    return best;
}

} // namespace

PersonalFigures MeasurePersonal(const CliSandbox& sandbox, const std::string& fixtureFolder,
                                int records, int repetitions) {
    PersonalFigures figures;
    figures.records = records;
    figures.roundTrip = figures.backup = figures.restore = figures.importAddressBook = kNone;
    for (int run = 0; run < repetitions; ++run) {
        sandbox.ResetDevice(fixtureFolder);
        sandbox.ClearBackup();
        figures.roundTrip = std::min(figures.roundTrip, RoundTrip(sandbox, records, figures));

        ProcessTiming backup = sandbox.Run({"backup"});
        Progress(records, "backup", backup.seconds);
        figures.backup = std::min(figures.backup, backup.seconds);
        figures.backupRssKb = std::max(figures.backupRssKb, backup.peakRssKb);

        sandbox.ResetDevice("");
        ProcessTiming restore = sandbox.Run({"restore"});
        Progress(records, "restore onto empty databases", restore.seconds);
        figures.restore = std::min(figures.restore, restore.seconds);
    }
    figures.raw = RawSqlite(fixtureFolder, sandbox.Folder() + "raw/", records, repetitions);
    return figures;
}

} // namespace zyntra::bench
