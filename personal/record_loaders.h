#pragma once

#include "personal/personal_records.h"
#include "personal/read_only_note.h"

#include <functional>
#include <string>
#include <vector>

struct sqlite3;

namespace zyntra {

class MessageBox;
class PendingEvents;

// What a loader needs. The caller has opened the converter from UTF-8 to the interface charset;
// a loader opens it again after letting pending events run, since what runs then may have used
// the converter itself.
struct LoadContext {
    sqlite3* db = nullptr;
    MessageBox& messages;
    PendingEvents& pendingEvents;
    const char* interfaceCharset = "BIG5";
    // Grows by one entry per record loaded read-only.
    std::vector<ReadOnlyEntry>& readOnlyRecords;
    std::function<std::string(int weekday)> weekdayName;
    std::string classNoFormat; // the text of "SM_ClassNo"
    int unreadableRows = 0;    // "... error, rec=N" shown
};

// Each list loader replaces its list with the table's rows, one query per row; a failed count
// leaves the list as it was, a row that cannot be read is reported and skipped.
void LoadAddressBook(LoadContext& context, RecordLists& lists);
void LoadSchedule(LoadContext& context, RecordLists& lists);
void LoadToDo(LoadContext& context, RecordLists& lists);
void LoadECUser(LoadContext& context, RecordLists& lists);
void LoadCEUser(LoadContext& context, RecordLists& lists);

// Overwrites the period times and the cells in row order; it stops silently at the first row
// that cannot be read, leaving the rest as it was.
void LoadClassTable(LoadContext& context, RecordLists& lists);

} // namespace zyntra
