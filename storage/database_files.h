#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct sqlite3;

namespace zyntra {

class MessageBox;

// The five personal databases. Slot 1 holds address book, schedule, to-do
// list, timetable and the content index; slots 2 and 3 the two user
// dictionaries that are loaded and written; slots 4 and 5 two dictionaries
// that are only prepared on the device and copied as whole files.
constexpr int kDatabaseSlotCount = 5;

struct DatabaseSlot {
    int number;                  // 1..5
    const char* deviceFileName;  // below "Secretary/" of the internal memory
    const char* scratchFileName; // in the user folder; nullptr for slots 4 and 5
};

// Slot 1..kDatabaseSlotCount; anything else is a programming error.
const DatabaseSlot& GetDatabaseSlot(int slot);

// Computer-side files of a slot: the shipped template in the program folder, the others in the
// user folder.
std::string WorkingCopyPath(int slot); // data/default-N.dat
std::string TemplatePath(int slot);    // init/default-N.dat
std::string BackupPath(int slot);      // backup/default-N.dat
std::string ScratchCopyPath(int slot); // temp.dat, temp_1.dat, temp_2.dat; "" for slots 4, 5

// The device's file of a slot; internalRoot is the internal memory's root
// and ends with '/'. "" when "Secretary" or the file is a link (a crafted
// medium pointing at the computer's files): every open, copy and existence
// check of "" fails, so the file counts as missing.
std::string DeviceDatabasePath(const std::string& internalRoot, int slot);

// Opens a database file that exists (a regular file, not a link to one) and answers a first query;
// null otherwise. db_open alone would create a missing file (on the device too), and SQLite opens
// any file, failing only at the first statement: a damaged file must count as not opened, or a load
// would empty memory and a write would report success.
sqlite3* OpenExistingDatabase(const std::string& path);

// Every working copy replaced by its template, so that a run never sees data an earlier one left
// there (at start-up, and before a backup). A missing template leaves its working copy alone.
// The result is the slots whose copy failed.
std::vector<int> ResetWorkingCopies();

// The size of a file in bytes. When its status cannot be read, shows
// "ERROR for STAT" in a box captioned "ERROR" and returns 0.
std::int64_t FileSize(const std::string& path, MessageBox& messages);

} // namespace zyntra
