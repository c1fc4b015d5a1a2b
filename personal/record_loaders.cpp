#include "personal/record_loaders.h"

#include "kit/message_box.h"
#include "kit/pending_events.h"
#include "personal/record_fields.h"
#include "personal/text_forms.h"
#include "storage/db_statement.h"
#include "storage/text_conv.h"
#include "texts/lang_text.h"

#include <cstdlib>

namespace zyntra {
namespace {

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
    RowCursor(DbStatements& statements, std::string_view table)
        : statements_(statements), table_(table) {}

    // The select of row `row`, completed with "where rowid > <last>" or the row's place; the
    // rows always come in rowid order.
    BoundStatement Select(const std::string& rowStatement, int row) const {
        if (row == 0)
            return {rowStatement + " order by rowid limit 1;", {}};
        if (last_)
            return {rowStatement + " where rowid > ? order by rowid limit 1;",
                    {DbValue::Integer(*last_)}};
        return {rowStatement + " order by rowid limit ?, 1;", {DbValue::Integer(row)}};
    }

    void Read(const char* rowid) { last_ = RowidValue(rowid); }

    // The row's own rowid, read alone; nothing when that fails too.
    void Skip(int row) {
        last_.reset();
        if (statements_.Run({"select rowid from " + table_ + " order by rowid limit ?, 1;",
                             {DbValue::Integer(row)}}) > 0)
            last_ = RowidValue(statements_.Rows().Value(1, 0));
    }

private:
    DbStatements& statements_;
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

// The table's rows one query each, each query prepared once.
template <class Reset, class Fill>
void LoadRows(LoadContext& context, const TableRows& rows, RecordKind kind, Reset reset,
              Fill fill) {
    std::optional<int> count = CountOf(context.db, rows.countStatement);
    if (!count)
        return;
    reset();
    DbStatements statements(context.db);
    RowCursor cursor(statements, rows.table);
    for (int row = 0; row < *count; ++row) {
        if (statements.Run(cursor.Select(rows.rowStatement, row)) <= 0) {
            cursor.Skip(row);
            ++context.unreadableRows;
            context.messages.Show(std::string(RowLabel(kind)) +
                                  " error, rec=" + std::to_string(row) + "\n");
            LetPendingEventsRun(context);
            continue;
        }
        const DbRows read = statements.Rows();
        cursor.Read(read.Value(1, rows.rowidColumn));
        fill(read, row);
    }
}

// Sets each field from the column at its place in the select; columns without a member of the
// record are passed over.
template <class Record>
void ReadFields(Record& record, const FieldList<Record>& selected, const DbRows& row) {
    for (std::size_t i = 0; i < selected.size(); ++i) {
        const Field<Record>& field = selected[i];
        const char* value = row.Value(1, static_cast<int>(i));
        if (field.integer != nullptr)
            record.*field.integer = DecimalValue(value);
        else if (field.text != nullptr && field.name == kStampColumn)
            record.*field.text = value != nullptr ? value : ""; // SQLite's own, never written
        else if (field.text != nullptr && field.form == ColumnForm::Plain)
            record.*field.text = LoadPlainText(value, field.name, record.stored);
        else if (field.text != nullptr)
            record.*field.text =
                LoadText(value, field.form == ColumnForm::Complemented, field.name, record.stored);
    }
}

// The select of these columns of the row at a place.
template <class Record>
std::string RowStatement(const RecordFields<Record>& table, const FieldList<Record>& selected) {
    return "select " + selected.Names() + " from " + table.table + " limit ?, 1;";
}

template <class Record>
void FillRecord(LoadContext& context, RecordList<Record>& list, const FieldList<Record>& selected,
                RecordKind kind, const DbRows& read, int row) {
    auto record = std::make_unique<Record>();
    ReadFields(*record, selected, read);
    FinishRecord(context, *record, kind, row);
    list.push_back(std::move(record));
}

template <class Entry>
void FillEntry(LoadContext& context, RecordList<Entry>& list,
               const FieldList<UserDictEntry>& selected, RecordKind kind, const DbRows& read,
               int row) {
    auto entry = std::make_unique<Entry>();
    Entry& e = *entry;
    ReadFields<UserDictEntry>(e, selected, read);
    if (const char* headword = read.Value(1, selected.PositionOf("hw_name"))) {
        e.storedHeadword = headword;
        e.hw_match = HeadwordKey(headword);
    }
    FinishRecord(context, e, kind, row);
    list.push_back(std::move(entry));
}

bool LoadClassTimes(DbStatements& statements, ClassTimes& times) {
    for (int p = 0; p < kClassPeriodCount; ++p) {
        if (statements.Run({"select id, class_start_hour, class_start_min, class_end_hour, "
                            "class_end_min from classtime limit ?, 1;",
                            {DbValue::Integer(p)}}) <= 0)
            return false;
        const DbRows read = statements.Rows();
        times[p] = {DecimalValue(read.Value(1, 1)), DecimalValue(read.Value(1, 2)),
                    DecimalValue(read.Value(1, 3)), DecimalValue(read.Value(1, 4))};
    }
    return true;
}

const FieldList<CLASSTABLE>& CellColumns() {
    static const FieldList<CLASSTABLE> columns = kClassTableFields.InRecordOrder();
    return columns;
}

void FillCell(LoadContext& context, CLASSTABLE& cell, const DbRows& read, int n) {
    const int p = n % kClassPeriodCount;
    cell.stored = StoredForm{};
    ReadFields(cell, CellColumns(), read);
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
        [&](const DbRows& read, int row) {
            FillRecord(context, lists.AddrList, columns, RecordKind::AddressBook, read, row);
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
        [&](const DbRows& read, int row) {
            FillRecord(context, lists.ScheList, columns, RecordKind::Schedule, read, row);
        });
}

void LoadToDo(LoadContext& context, RecordLists& lists) {
    static const FieldList<PLANS> columns = kToDoFields.InRecordOrder();
    static const TableRows rows = RowsOf(kToDoFields, columns, "select count(id) from todolist");
    LoadRows(
        context, rows, RecordKind::ToDo, [&] { lists.ResetList(RecordKind::ToDo); },
        [&](const DbRows& read, int row) {
            FillRecord(context, lists.ToDoList, columns, RecordKind::ToDo, read, row);
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
        [&](const DbRows& read, int row) {
            FillEntry(context, lists.ECUserList, columns, RecordKind::ECUser, read, row);
        });
}

void LoadCEUser(LoadContext& context, RecordLists& lists) {
    static const FieldList<UserDictEntry> columns = kUserDictFields.Members();
    static const TableRows rows =
        RowsOf(kUserDictFields, columns, "select count(hw_id) from headword");
    LoadRows(
        context, rows, RecordKind::CEUser, [&] { lists.ResetList(RecordKind::CEUser); },
        [&](const DbRows& read, int row) {
            FillEntry(context, lists.CEUserList, columns, RecordKind::CEUser, read, row);
        });
}

void LoadClassTable(LoadContext& context, RecordLists& lists) {
    DbStatements statements(context.db);
    if (!LoadClassTimes(statements, lists.classTimes))
        return;
    static const std::string rowStatement = RowStatement(kClassTableFields, CellColumns());
    for (int n = 0; n < kWeekdayCount * kClassPeriodCount; ++n) {
        if (statements.Run({rowStatement, {DbValue::Integer(n)}}) <= 0)
            return;
        FillCell(context, lists.classGrid[n / kClassPeriodCount][n % kClassPeriodCount],
                 statements.Rows(), n);
    }
}

} // namespace zyntra
