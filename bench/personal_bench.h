#pragma once

#include "bench/cli_sandbox.h"
#include "bench/measured.h"

#include <string>

namespace zyntra::bench {

// The personal-data runs of zyntra-cli on a device of one size, and raw SQLite doing the same
// rows in the same files. Seconds, except the resident memory in kilobytes.
struct PersonalFigures {
    int records = 0;            // per kind
    int runs = 0;               // of each process
    Measured roundTrip;         // export then import of the unchanged export, five kinds
    Measured backup;            // the device's records into backup/
    Measured restore;           // a backup of the same records onto a device of empty databases
    Measured raw;               // every row inserted in one transaction per file, then read back
    Measured importAddressBook; // the import of the unchanged address book alone
    Measured importAddressBookRssKb;
    Measured backupRssKb; // with every record loaded
};

struct RunLimits {
    int maxRuns = 1;
    double repeatBelow = 0; // seconds: a run as long as this is not repeated
    double timeLimit = 0;   // seconds: a longer process is stopped, its figure a lower bound
};

PersonalFigures MeasurePersonal(const CliSandbox& sandbox, const std::string& fixtureFolder,
                                int records, const RunLimits& limits);

} // namespace zyntra::bench
