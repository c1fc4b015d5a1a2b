#pragma once

#include "bench/sqlite_file.h"

#include <string>
#include <vector>

namespace zyntra::bench {

// The rows of one table of one device database file.
struct TableRows {
    std::string fileName; // the device's name of the database file
    std::string table;
    std::size_t columnCount = 0;
    std::vector<SqliteRow> rows;
};

// Every record row of a fixture device: the address book, schedule and to-do list of PIM.db
// and the headwords of both user dictionaries.
std::vector<TableRows> ReadRecordRows(const std::string& fixtureFolder);

// The files the raw run writes: the program folder's empty templates, under the device's names.
void PrepareEmptyFiles(const std::string& folder);

// What a sync at its simplest does with plain SQLite: each file gets all its rows in one
// transaction, then every row is read back. Returns the number of rows read back.
std::size_t WriteAndReadBack(const std::vector<TableRows>& tables, const std::string& folder);

} // namespace zyntra::bench
