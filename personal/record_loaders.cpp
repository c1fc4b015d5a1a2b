#include "personal/record_loaders.h"

#include "kit/message_box.h"
#include "kit/pending_events.h"
#include "personal/record_fields.h"
#include "personal/text_forms.h"
#include "storage/text_conv.h"
#include "texts/lang_text.h"

#include <cstdlib>

namespace zyntra {
namespace {

std::string Plain(const char* value) {
    return value != nullptr ? value : "";
}

long long RowidValue(const char* text) {
    return text != nullptr ? std::strtoll(text, nullptr, 10) : 0;
}

void LetPendingEventsRun(LoadContext& context) {
    context.pendingEvents.ProcessPendingEvents();
    conv_open("UTF-8", context.interfaceCharset);
}

// How the low-level lines and the report name the rows of a kind's table.
const char* RowLabel(RecordKind kind) {
    switch (kind) {
    case RecordKind::AddressBook:
        return "tele";
    case RecordKind::Schedule:
        return "sche";
    case RecordKind::ToDo:
        return "todo";
    case RecordKind::ClassTable:
        return "class";
    case RecordKind::ECUser:
        return "ec user";
    case RecordKind::CEUser:
        return "ce user";
    }
    return "";
}

template <class Record>
void FinishRecord(LoadContext& context, Record& record, RecordKind kind, int row) {
    KeepStoredFormIfReadOnly(record.stored);
    if (record.stored.readOnly)
        context.readOnlyRecords.push_back(MakeReadOnlyEntry(
            record, kind, std::string(RowLabel(kind)) + " rec=" + std::to_string(row),
            context.interfaceCharset));
}

// Where the next row of a table is read from: after the rowid of the last row read. A row
// that could not be read is found by its place, and the ones after it from there.
class RowCursor {
public:
    RowCursor(sqlite3* db, std::string_view table) : db_(db), table_(table) {}

    // The statement completion for row `row`: the select ends with "where rowid > <last>" or
    // at the table, and the rows always come in rowid order.
    std::string Completion(int row) const {
        if (row == 0)
            return " order by rowid limit 1;";
        if (last_)
            return " where rowid > " + std::to_string(*last_) + " order by rowid limit 1;";
        return " order by rowid limit " + std::to_string(row) + ", 1;";
    }

    void Read(const char* rowid) { last_ = RowidValue(rowid); }

    // The row's own rowid, read alone; nothing when that fails too.
    void Skip(int row) {
        ScopedQuery q(db_);
        last_.reset();
        if (db_query(q, "select rowid from " + table_ + " order by rowid limit " +
                            std::to_string(row) + ", 1;") > 0)
            last_ = RowidValue(RowValue(q, 1, 0));
    }

private:
    sqlite3* db_;
    std::string table_;
    std::optional<long long> last_;
};

// A loader's table: its count statement, and its row statement selecting the loaded columns
// and then the rowid.
struct TableRows {
    std::string countStatement;
    std::string table;
    std::string rowStatement;
    int rowidColumn;
};

template <class Record>
TableRows RowsOf(const RecordFields<Record>& table, const FieldList<Record>& selected,
                 std::string countStatement) {
    return {std::move(countStatement), table.table,
            "select " + selected.Names() + ", rowid from " + table.table,
            static_cast<int>(selected.size())};
}

// The table's rows one query each.
template <class Reset, class Fill>
void LoadRows(LoadContext& context, const TableRows& rows, RecordKind kind, Reset reset,
              Fill fill) {
    std::optional<int> count = CountOf(context.db, rows.countStatement);
    if (!count)
        return;
    reset();
    RowCursor cursor(context.db, rows.table);
    for (int row = 0; row < *count; ++row) {
        ScopedQuery q(context.db);
        if (db_query(q, rows.rowStatement + cursor.Completion(row)) <= 0) {
            cursor.Skip(row);
            ++context.unreadableRows;
            context.messages.Show(std::string(RowLabel(kind)) +
                                  " error, rec=" + std::to_string(row) + "\n");
            LetPendingEventsRun(context);
            continue;
        }
        cursor.Read(RowValue(q, 1, rows.rowidColumn));
        fill(q, row);
        db_free(q);
    }
}

// Sets each field from the column at its place in the select; columns without a member of the
// record are passed over.
template <class Record>
void ReadFields(Record& record, const FieldList<Record>& selected, const DbQuery& q) {
    for (std::size_t i = 0; i < selected.size(); ++i) {
        const Field<Record>& field = selected[i];
        const char* value = RowValue(q, 1, static_cast<int>(i));
        if (field.integer != nullptr)
            record.*field.integer = DecimalValue(value);
        else if (field.text != nullptr && field.form == ColumnForm::Plain)
            record.*field.text = Plain(value);
        else if (field.text != nullptr)
            record.*field.text =
                LoadText(value, field.form == ColumnForm::Complemented, field.name, record.stored);
    }
}

// The row statement of a select of these columns, completed with the row's place.
template <class Record>
std::string RowStatement(const RecordFields<Record>& table, const FieldList<Record>& selected) {
    return "select " + selected.Names() + " from " + table.table + " limit ";
}

template <class Record>
void FillRecord(LoadContext& context, RecordList<Record>& list, const FieldList<Record>& selected,
                RecordKind kind, const DbQuery& q, int row) {
    auto record = std::make_unique<Record>();
    ReadFields(*record, selected, q);
    FinishRecord(context, *record, kind, row);
    list.push_back(std::move(record));
}

template <class Entry>
void FillEntry(LoadContext& context, RecordList<Entry>& list,
               const FieldList<UserDictEntry>& selected, RecordKind kind, const DbQuery& q,
               int row) {
    auto entry = std::make_unique<Entry>();
    Entry& e = *entry;
    ReadFields<UserDictEntry>(e, selected, q);
    if (const char* headword = RowValue(q, 1, selected.PositionOf("hw_name"))) {
        e.storedHeadword = headword;
        e.hw_match = HeadwordKey(headword);
    }
    FinishRecord(context, e, kind, row);
    list.push_back(std::move(entry));
}

bool LoadClassTimes(LoadContext& context, ClassTimes& times) {
    for (int p = 0; p < kClassPeriodCount; ++p) {
        ScopedQuery q(context.db);
        if (db_query(q, "select id, class_start_hour, class_start_min, class_end_hour, "
                        "class_end_min from classtime limit " +
                            std::to_string(p) + ", 1;") <= 0)
            return false;
        times[p] = {DecimalValue(RowValue(q, 1, 1)), DecimalValue(RowValue(q, 1, 2)),
                    DecimalValue(RowValue(q, 1, 3)), DecimalValue(RowValue(q, 1, 4))};
        db_free(q);
    }
    return true;
}

const FieldList<CLASSTABLE>& CellColumns() {
    static const FieldList<CLASSTABLE> columns = kClassTableFields.InRecordOrder();
    return columns;
}

void FillCell(LoadContext& context, CLASSTABLE& cell, const DbQuery& q, int n) {
    const int p = n % kClassPeriodCount;
    cell.stored = StoredForm{};
    ReadFields(cell, CellColumns(), q);
    cell.classLabel = FormatCount(context.classNoFormat, p + 1);
    cell.weekdayLabel =
        context.weekdayName ? context.weekdayName(n / kClassPeriodCount) : std::string();
    cell.displayColour = DisplayColour(cell.color);
    FinishRecord(context, cell, RecordKind::ClassTable, n);
}

} // namespace

void LoadAddressBook(LoadContext& context, RecordLists& lists) {
    static const FieldList<ADDRESSBOOK> columns = kAddressBookFields.InRecordOrder();
    static const TableRows rows =
        RowsOf(kAddressBookFields, columns, "select count(id) from telephone");
    LoadRows(
        context, rows, RecordKind::AddressBook, [&] { lists.ResetList(RecordKind::AddressBook); },
        [&](const DbQuery& q, int row) {
            FillRecord(context, lists.AddrList, columns, RecordKind::AddressBook, q, row);
        });
}

void LoadSchedule(LoadContext& context, RecordLists& lists) {
    static const FieldList<SCHEDULE> columns =
        kScheduleFields.Pick({"id", "date", "start_time", "end_time", "content", "alarm", "locked",
                              "alarm_BStime", "stamp_time"});
    static const TableRows rows =
        RowsOf(kScheduleFields, columns, "select count(id) from schedule");
    LoadRows(
        context, rows, RecordKind::Schedule, [&] { lists.ResetList(RecordKind::Schedule); },
        [&](const DbQuery& q, int row) {
            FillRecord(context, lists.ScheList, columns, RecordKind::Schedule, q, row);
        });
}

void LoadToDo(LoadContext& context, RecordLists& lists) {
    static const FieldList<PLANS> columns = kToDoFields.InRecordOrder();
    static const TableRows rows = RowsOf(kToDoFields, columns, "select count(id) from todolist");
    LoadRows(
        context, rows, RecordKind::ToDo, [&] { lists.ResetList(RecordKind::ToDo); },
        [&](const DbQuery& q, int row) {
            FillRecord(context, lists.ToDoList, columns, RecordKind::ToDo, q, row);
        });
}

// The English-to-Chinese loader selects hw_match as well, but the key is always made from the
// stored headword.
void LoadECUser(LoadContext& context, RecordLists& lists) {
    static const FieldList<UserDictEntry> columns =
        kUserDictFields.Pick({"hw_name", "type", "exp", "hw_match"});
    static const TableRows rows =
        RowsOf(kUserDictFields, columns, "select count(hw_id) from headword");
    LoadRows(
        context, rows, RecordKind::ECUser, [&] { lists.ResetList(RecordKind::ECUser); },
        [&](const DbQuery& q, int row) {
            FillEntry(context, lists.ECUserList, columns, RecordKind::ECUser, q, row);
        });
}

void LoadCEUser(LoadContext& context, RecordLists& lists) {
    static const FieldList<UserDictEntry> columns = kUserDictFields.Members();
    static const TableRows rows =
        RowsOf(kUserDictFields, columns, "select count(hw_id) from headword");
    LoadRows(
        context, rows, RecordKind::CEUser, [&] { lists.ResetList(RecordKind::CEUser); },
        [&](const DbQuery& q, int row) {
            FillEntry(context, lists.CEUserList, columns, RecordKind::CEUser, q, row);
        });
}

void LoadClassTable(LoadContext& context, RecordLists& lists) {
    if (!LoadClassTimes(context, lists.classTimes))
        return;
    static const std::string rowStatement = RowStatement(kClassTableFields, CellColumns());
    for (int n = 0; n < kWeekdayCount * kClassPeriodCount; ++n) {
        ScopedQuery q(context.db);
        if (db_query(q, rowStatement + std::to_string(n) + ", 1;") <= 0)
            return;
        FillCell(context, lists.classGrid[n / kClassPeriodCount][n % kClassPeriodCount], q, n);
        db_free(q);
    }
}

} // namespace zyntra
