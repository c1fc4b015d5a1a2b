#pragma once

#include "bench/cli_sandbox.h"

#include <string>

namespace zyntra::bench {

// The personal-data runs of zyntra-cli on a device of one size, and raw SQLite doing the same
// rows in the same files.
struct PersonalFigures {
    int records = 0;      // per kind
    double roundTrip = 0; // export then import of the unchanged export, five kinds
    double backup = 0;
    double restore = 0;           // the backup written to a device of empty databases
    double raw = 0;               // every row inserted in one transaction per file, read back
    double importAddressBook = 0; // the import of the unchanged address book alone
    long importAddressBookRssKb = 0;
    long backupRssKb = 0; // peak resident memory with every record loaded
};

PersonalFigures MeasurePersonal(const CliSandbox& sandbox, const std::string& fixtureFolder,
                                int records, int repetitions);

} // namespace zyntra::bench
