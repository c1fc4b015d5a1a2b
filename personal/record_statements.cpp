#include "personal/record_statements.h"

#include "storage/sql_text.h"

namespace zyntra {
namespace {

std::string Joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : ", ") + part;
    return text;
}

// A value as a statement writes it; the row id and the stamp are the statement's own.
template <class Record>
std::string Literal(const RecordFields<Record>& table, const Field<Record>& field,
                    const FieldValues& values, int rowId) {
    if (field.name == kRowIdColumn)
        return std::to_string(rowId);
    if (field.name == kStampColumn)
        return "CURRENT_TIMESTAMP";
    const DbText& value = values.at(table.IndexOf(field));
    if (field.Type() == FieldType::Integer)
        return value.form;
    if (value.empty && table.emptyTextIsNull)
        return "NULL";
    return Quoted(value);
}

template <class Record>
std::string InsertStatement(const RecordFields<Record>& table, std::string_view into,
                            const FieldList<Record>& columns, const FieldValues& values,
                            int rowId) {
    std::vector<std::string> literals;
    for (const Field<Record>& field : columns)
        literals.push_back(Literal(table, field, values, rowId));
    return "insert into " + std::string(into) + " values( " + Joined(literals) + ");";
}

template <class Record>
std::string UpdateStatement(const RecordFields<Record>& table, std::string_view target,
                            const FieldList<Record>& columns, const FieldValues& values,
                            const std::string& where) {
    std::vector<std::string> assignments;
    for (const Field<Record>& field : columns)
        assignments.push_back(std::string(field.name) + "=" + Literal(table, field, values, 0));
    return "update " + std::string(target) + " set " + Joined(assignments) + " where " + where +
           ";";
}

std::string SelectWhere(const std::string& columns, std::string_view from, std::string_view key,
                        const DbText& keyValue) {
    return "select " + columns + " from " + std::string(from) + " where " + std::string(key) +
           " = " + Quoted(keyValue) + ";";
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

template <class Record> std::string ListStatements<Record>::Find(const FieldValues& values) const {
    return SelectWhere(find.Names(), table.table, key, values.at(table.IndexOf(key)));
}

template <class Record>
std::string ListStatements<Record>::Insert(int id, const FieldValues& values) const {
    return InsertStatement(table, table.table, table.InColumnOrder(), values, id);
}

template <class Record>
std::string ListStatements<Record>::Update(int rowId, const FieldValues& values) const {
    return UpdateStatement(table, table.table, update, values, "id=" + std::to_string(rowId));
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

std::string ClassCellUpdateStatement(int id, const FieldValues& values) {
    static const FieldList<CLASSTABLE> columns =
        kClassTableFields.Pick({"weekday", "class_no", "setting", "abbreviation", "course_name",
                                "teacher", "place", "note", "color", "locked", "stamp_time"});
    return UpdateStatement(kClassTableFields, kClassTableFields.table, columns, values,
                           "id=" + std::to_string(id));
}

FieldValues HeadwordValues(int dictId, const UserDictEntry& entry) {
    FieldValues values = WriterValues(kUserDictFields, entry);
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

std::string HeadwordFindStatement(const FieldValues& values) {
    return SelectWhere("rowid, " + HeadwordFindColumns().Names(), "tmp", "hw_name",
                       ValueOf(values, "hw_name"));
}

std::string HeadwordInsertStatement(const FieldValues& values) {
    return InsertStatement(kUserDictFields, "tmp", WorkTableColumns(), values, 0);
}

std::string HeadwordUpdateStatement(int rowid, const FieldValues& values) {
    return UpdateStatement(kUserDictFields, "tmp", WorkTableColumns(), values,
                           "rowid=" + std::to_string(rowid));
}

} // namespace zyntra
