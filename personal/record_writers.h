#pragma once

#include "personal/personal_records.h"
#include "personal/run_report.h"

struct sqlite3;

namespace zyntra {

class MessageBox;

// What a writer needs: the open slot-1 database (a scratch copy), the sync mode (0 memory wins,
// 1 database wins, 2 both kept) and where failed statements are shown. The caller has opened the
// converter from the interface charset to UTF-8. The writer adds what it did to the counts; a
// record whose statement failed counts nowhere. A writer that finds its table unusable writes
// nothing and says so in stopped.
struct WriterContext {
    sqlite3* db = nullptr;
    int syncMode = 2;
    MessageBox& messages;
    KindCounts counts{};
    DifferedRecords differed{}; // of every kind written through this context
    int failedStatements = 0;   // "* SQL error ..." shown
    bool stopped = false;       // a count or max statement failed: nothing was written
};

// Merge a list into its table record by record, in list order: insert, update the matching row
// or leave it alone. No row is ever deleted. Read-only records are written with their stored
// texts. A failed statement is shown and the writer goes on with the next record; a failed
// count or max statement stops the writer without a message.
void WriteAddressBook(WriterContext& context, const RecordList<ADDRESSBOOK>& list);
void WriteSchedule(WriterContext& context, const RecordList<SCHEDULE>& list);
void WriteToDo(WriterContext& context, const RecordList<PLANS>& list);

// Updates the classtable rows of the cells that hold some text; cleared cells and the class
// period times are never written.
void WriteClassTable(WriterContext& context, const ClassGrid& grid);

} // namespace zyntra
