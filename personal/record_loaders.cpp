#include "personal/record_loaders.h"

#include "kit/message_box.h"
#include "kit/pending_events.h"
#include "personal/record_fields.h"
#include "personal/text_forms.h"
#include "storage/text_conv.h"
#include "texts/lang_text.h"

namespace zyntra {
namespace {

std::string Plain(const char* value) {
    return value != nullptr ? value : "";
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

// The table's rows one query each: the row statement is completed with "<row>, 1;".
template <class Reset, class Fill>
void LoadRows(LoadContext& context, std::string_view countStatement, std::string_view rowStatement,
              RecordKind kind, Reset reset, Fill fill) {
    std::optional<int> count = CountOf(context.db, countStatement);
    if (!count)
        return;
    reset();
    for (int row = 0; row < *count; ++row) {
        ScopedQuery q(context.db);
        if (db_query(q, std::string(rowStatement) + std::to_string(row) + ", 1;") <= 0) {
            ++context.unreadableRows;
            context.messages.Show(std::string(RowLabel(kind)) +
                                  " error, rec=" + std::to_string(row) + "\n");
            LetPendingEventsRun(context);
            continue;
        }
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

// The row statement of a select of these columns, completed by LoadRows.
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
    static const std::string rowStatement = RowStatement(kAddressBookFields, columns);
    LoadRows(
        context, "select count(id) from telephone", rowStatement, RecordKind::AddressBook,
        [&] { lists.ResetList(RecordKind::AddressBook); },
        [&](const DbQuery& q, int row) {
            FillRecord(context, lists.AddrList, columns, RecordKind::AddressBook, q, row);
        });
}

void LoadSchedule(LoadContext& context, RecordLists& lists) {
    static const FieldList<SCHEDULE> columns =
        kScheduleFields.Pick({"id", "date", "start_time", "end_time", "content", "alarm", "locked",
                              "alarm_BStime", "stamp_time"});
    static const std::string rowStatement = RowStatement(kScheduleFields, columns);
    LoadRows(
        context, "select count(id) from schedule", rowStatement, RecordKind::Schedule,
        [&] { lists.ResetList(RecordKind::Schedule); },
        [&](const DbQuery& q, int row) {
            FillRecord(context, lists.ScheList, columns, RecordKind::Schedule, q, row);
        });
}

void LoadToDo(LoadContext& context, RecordLists& lists) {
    static const FieldList<PLANS> columns = kToDoFields.InRecordOrder();
    static const std::string rowStatement = RowStatement(kToDoFields, columns);
    LoadRows(
        context, "select count(id) from todolist", rowStatement, RecordKind::ToDo,
        [&] { lists.ResetList(RecordKind::ToDo); },
        [&](const DbQuery& q, int row) {
            FillRecord(context, lists.ToDoList, columns, RecordKind::ToDo, q, row);
        });
}

// The English-to-Chinese loader selects hw_match as well, but the key is always made from the
// stored headword.
void LoadECUser(LoadContext& context, RecordLists& lists) {
    static const FieldList<UserDictEntry> columns =
        kUserDictFields.Pick({"hw_name", "type", "exp", "hw_match"});
    static const std::string rowStatement = RowStatement(kUserDictFields, columns);
    LoadRows(
        context, "select count(hw_id) from headword", rowStatement, RecordKind::ECUser,
        [&] { lists.ResetList(RecordKind::ECUser); },
        [&](const DbQuery& q, int row) {
            FillEntry(context, lists.ECUserList, columns, RecordKind::ECUser, q, row);
        });
}

void LoadCEUser(LoadContext& context, RecordLists& lists) {
    static const FieldList<UserDictEntry> columns = kUserDictFields.Members();
    static const std::string rowStatement = RowStatement(kUserDictFields, columns);
    LoadRows(
        context, "select count(hw_id) from headword", rowStatement, RecordKind::CEUser,
        [&] { lists.ResetList(RecordKind::CEUser); },
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
