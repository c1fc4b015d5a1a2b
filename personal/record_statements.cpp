#include "personal/record_statements.h"

#include <charconv>

namespace zyntra {
namespace {

std::string Joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : ", ") + part;
    return text;
}

// An integer column takes the decimal its value holds, a text column its database form; an
// empty text is NULL in the tables that store it so.
template <class Record>
DbValue Parameter(const RecordFields<Record>& table, const Field<Record>& field,
                  const FieldValues& values) {
    const DbText& value = values.at(table.IndexOf(field));
    long long integer = 0;
    const char* end = value.form.data() + value.form.size();
    if (field.Type() == FieldType::Integer &&
        std::from_chars(value.form.data(), end, integer).ptr == end && !value.form.empty())
        return DbValue::Integer(integer);
    if (value.empty && table.emptyTextIsNull)
        return DbValue::Null();
    return DbValue::Text(value.form);
}

// A value as a statement gives it: the row id and the stamp are the statement's own, the stamp
// written into its text; every other value is a parameter.
template <class Record>
std::string Slot(const RecordFields<Record>& table, const Field<Record>& field,
                 const FieldValues& values, int rowId, std::vector<DbValue>& bound) {
    if (field.name == kStampColumn)
        return "CURRENT_TIMESTAMP";
    bound.push_back(field.name == kRowIdColumn ? DbValue::Integer(rowId)
                                               : Parameter(table, field, values));
    return "?";
}

template <class Record>
BoundStatement InsertStatement(const RecordFields<Record>& table, std::string_view into,
                               const FieldList<Record>& columns, const FieldValues& values,
                               int rowId) {
    BoundStatement statement;
    std::vector<std::string> slots;
    for (const Field<Record>& field : columns)
        slots.push_back(Slot(table, field, values, rowId, statement.values));
    statement.sql = "insert into " + std::string(into) + " values( " + Joined(slots) + ");";
    return statement;
}

template <class Record>
BoundStatement UpdateStatement(const RecordFields<Record>& table, std::string_view target,
                               const FieldList<Record>& columns, const FieldValues& values,
                               std::string_view idColumn, int id) {
    BoundStatement statement;
    std::vector<std::string> assignments;
    for (const Field<Record>& field : columns)
        assignments.push_back(std::string(field.name) + "=" +
                              Slot(table, field, values, 0, statement.values));
    statement.sql = "update " + std::string(target) + " set " + Joined(assignments) + " where " +
                    std::string(idColumn) + "=?;";
    statement.values.push_back(DbValue::Integer(id));
    return statement;
}

BoundStatement SelectWhere(const std::string& columns, std::string_view from, std::string_view key,
                           const DbText& keyValue) {
    return {"select " + columns + " from " + std::string(from) + " where " + std::string(key) +
                " = ?;",
            {DbValue::Text(keyValue.form)}};
}

// The table's columns in its own order, without the one named.
template <class Record>
FieldList<Record> ColumnsWithout(const RecordFields<Record>& table, std::string_view name) {
    table.IndexOf(name);
    std::vector<typename FieldList<Record>::Ref> kept;
    for (const Field<Record>& field : table.InColumnOrder())
        if (field.name != name)
            kept.push_back(std::cref(field));
    return FieldList<Record>(std::move(kept));
}

const FieldList<UserDictEntry>& WorkTableColumns() {
    static const FieldList<UserDictEntry> columns = ColumnsWithout(kUserDictFields, "hw_id");
    return columns;
}

const DbText& ValueOf(const FieldValues& values, std::string_view name) {
    return values.at(kUserDictFields.IndexOf(name));
}

} // namespace

template <class Record>
BoundStatement ListStatements<Record>::Find(const FieldValues& values) const {
    return SelectWhere(find.Names(), table.table, key, values.at(table.IndexOf(key)));
}

template <class Record>
BoundStatement ListStatements<Record>::Insert(int id, const FieldValues& values) const {
    return InsertStatement(table, table.table, table.InColumnOrder(), values, id);
}

template <class Record>
BoundStatement ListStatements<Record>::Update(int rowId, const FieldValues& values) const {
    return UpdateStatement(table, table.table, update, values, "id", rowId);
}

template struct ListStatements<ADDRESSBOOK>;
template struct ListStatements<SCHEDULE>;
template struct ListStatements<PLANS>;

const ListStatements<ADDRESSBOOK>& AddressBookStatements() {
    static const ListStatements<ADDRESSBOOK> statements{kAddressBookFields, "name",
                                                        kAddressBookFields.InRecordOrder(),
                                                        kAddressBookFields.Except({kRowIdColumn})};
    return statements;
}

// The row's id comes last in the find statements of the schedule and the to-do list, so that an
// update addresses the row that matched.
const ListStatements<SCHEDULE>& ScheduleStatements() {
    static const ListStatements<SCHEDULE> statements{
        kScheduleFields, "date",
        kScheduleFields.Pick(
            {"alarm", "date", "start_time", "content", "end_time", "locked", "alarm_BStime", "id"}),
        ColumnsWithout(kScheduleFields, kRowIdColumn)};
    return statements;
}

const ListStatements<PLANS>& ToDoStatements() {
    static const ListStatements<PLANS> statements{
        kToDoFields, "date",
        kToDoFields.Pick({"date", "content", "category", "priority", "status", "locked", "id"}),
        ColumnsWithout(kToDoFields, kRowIdColumn)};
    return statements;
}

BoundStatement ClassCellUpdateStatement(int id, const FieldValues& values) {
    static const FieldList<CLASSTABLE> columns =
        kClassTableFields.Pick({"weekday", "class_no", "setting", "abbreviation", "course_name",
                                "teacher", "place", "note", "color", "locked", "stamp_time"});
    return UpdateStatement(kClassTableFields, kClassTableFields.table, columns, values, "id", id);
}

FieldValues HeadwordValues(int dictId, const UserDictEntry& entry, TextsIn texts) {
    FieldValues values = WriterValues(kUserDictFields, entry, texts);
    values.at(kUserDictFields.IndexOf("dict_id")) = {std::to_string(dictId), false};
    values.at(kUserDictFields.IndexOf("hw_name")) = PlainText(entry.storedHeadword);
    values.at(kUserDictFields.IndexOf("hw_match")) = PlainText(entry.hw_match);
    return values;
}

const FieldList<UserDictEntry>& HeadwordFindColumns() {
    static const FieldList<UserDictEntry> columns = [] {
        std::vector<FieldList<UserDictEntry>::Ref> selected;
        for (const Field<UserDictEntry>& field : WorkTableColumns())
            if (field.name != std::string_view("dict_id"))
                selected.push_back(std::cref(field));
        return FieldList<UserDictEntry>(std::move(selected));
    }();
    return columns;
}

BoundStatement HeadwordFindStatement(const FieldValues& values) {
    return SelectWhere("rowid, " + HeadwordFindColumns().Names(), "tmp", "hw_name",
                       ValueOf(values, "hw_name"));
}

BoundStatement HeadwordInsertStatement(const FieldValues& values) {
    return InsertStatement(kUserDictFields, "tmp", WorkTableColumns(), values, 0);
}

BoundStatement HeadwordUpdateStatement(int rowid, const FieldValues& values) {
    return UpdateStatement(kUserDictFields, "tmp", WorkTableColumns(), values, "rowid", rowid);
}

} // namespace zyntra
