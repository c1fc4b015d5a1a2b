#include "tests/support/personal_db_fixture.h"

#include "personal/record_fields.h"
#include "storage/database_files.h"

#include <filesystem>
#include <sqlite3.h>
#include <stdexcept>

namespace zyntra::test {
namespace {

std::string At(const FixtureRow& row, std::size_t column) {
    return row.at(column).value_or("");
}

int IntegerAt(const FixtureRow& row, std::size_t column) {
    return row.at(column) ? std::stoi(*row.at(column)) : 0;
}

// One member of a fixture row, named by its column; the record's table gives its stored form.
template <class Row> struct RowColumn {
    RowColumn(const char* column, int Row::*member) : name(column), integer(member) {}
    RowColumn(const char* column, std::string Row::*member) : name(column), text(member) {}

    const char* name;
    int Row::*integer = nullptr;
    std::string Row::*text = nullptr;
};

template <class Row, class Record> struct RowTable {
    const RecordFields<Record>& fields;
    const char* order; // the column the rows are read back in order of
    std::vector<RowColumn<Row>> columns;

    bool Complemented(const RowColumn<Row>& column) const {
        return fields[column.name].form == ColumnForm::Complemented;
    }
};

const RowTable<AddressRow, ADDRESSBOOK> kAddressRows{kAddressBookFields,
                                                     "id",
                                                     {{"id", &AddressRow::id},
                                                      {"name", &AddressRow::name},
                                                      {"category", &AddressRow::category},
                                                      {"email", &AddressRow::email},
                                                      {"mobile1", &AddressRow::mobile1},
                                                      {"home_address", &AddressRow::home_address},
                                                      {"note", &AddressRow::note},
                                                      {"photo_name", &AddressRow::photo_name},
                                                      {"locked", &AddressRow::locked}}};

const RowTable<ScheduleRow, SCHEDULE> kScheduleRows{kScheduleFields,
                                                    "id",
                                                    {{"id", &ScheduleRow::id},
                                                     {"date", &ScheduleRow::date},
                                                     {"start_time", &ScheduleRow::start_time},
                                                     {"end_time", &ScheduleRow::end_time},
                                                     {"content", &ScheduleRow::content},
                                                     {"alarm", &ScheduleRow::alarm},
                                                     {"alarm_BStime", &ScheduleRow::alarm_BStime},
                                                     {"locked", &ScheduleRow::locked}}};

const RowTable<ToDoRow, PLANS> kToDoRows{kToDoFields,
                                         "id",
                                         {{"id", &ToDoRow::id},
                                          {"date", &ToDoRow::date},
                                          {"content", &ToDoRow::content},
                                          {"category", &ToDoRow::category},
                                          {"priority", &ToDoRow::priority},
                                          {"status", &ToDoRow::status},
                                          {"locked", &ToDoRow::locked}}};

const RowTable<HeadwordRow, UserDictEntry> kHeadwordRows{kUserDictFields,
                                                         "hw_id",
                                                         {{"hw_id", &HeadwordRow::hw_id},
                                                          {"hw_name", &HeadwordRow::hw_name},
                                                          {"hw_match", &HeadwordRow::hw_match},
                                                          {"type", &HeadwordRow::type},
                                                          {"exp", &HeadwordRow::exp},
                                                          {"dict_id", &HeadwordRow::dict_id}}};

template <class Row, class Record>
void InsertInto(FixtureDatabase& db, const RowTable<Row, Record>& table, const Row& row) {
    std::vector<FixtureColumn> values;
    for (const RowColumn<Row>& column : table.columns) {
        if (column.integer != nullptr)
            values.push_back(Integer(column.name, row.*column.integer));
        else if (table.Complemented(column))
            values.push_back(test::Complemented(column.name, row.*column.text));
        else
            values.push_back(Text(column.name, row.*column.text));
    }
    db.Insert(table.fields.table, values);
}

template <class Row, class Record>
void InsertRow(const std::string& path, const RowTable<Row, Record>& table, const Row& row) {
    FixtureDatabase db(path);
    InsertInto(db, table, row);
}

template <class Row, class Record>
std::vector<Row> ReadRows(const std::string& path, const RowTable<Row, Record>& table) {
    std::string names;
    for (const RowColumn<Row>& column : table.columns)
        names += (names.empty() ? "" : ", ") + std::string(column.name);
    std::vector<Row> rows;
    for (const FixtureRow& values :
         QueryRows(path, "select " + names + " from " + table.fields.table + " order by " +
                             table.order)) {
        Row& row = rows.emplace_back();
        for (std::size_t i = 0; i < table.columns.size(); ++i) {
            const RowColumn<Row>& column = table.columns[i];
            if (column.integer != nullptr)
                row.*column.integer = IntegerAt(values, i);
            else
                row.*column.text =
                    table.Complemented(column) ? Uncomplemented(values[i]) : At(values, i);
        }
    }
    return rows;
}

} // namespace

void MakeDatabaseImage(const std::string& path, int slot) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::filesystem::copy_file(TemplatePath(slot), path,
                               std::filesystem::copy_options::overwrite_existing);
}

void InsertAddress(const std::string& path, const AddressRow& row) {
    InsertRow(path, kAddressRows, row);
}

void InsertAddresses(const std::string& path, const std::vector<AddressRow>& rows) {
    FixtureDatabase db(path);
    db.Exec("BEGIN;");
    for (const AddressRow& row : rows)
        InsertInto(db, kAddressRows, row);
    db.Exec("COMMIT;");
}

void InsertSchedule(const std::string& path, const ScheduleRow& row) {
    InsertRow(path, kScheduleRows, row);
}

void InsertToDo(const std::string& path, const ToDoRow& row) {
    InsertRow(path, kToDoRows, row);
}

void InsertHeadword(const std::string& path, const HeadwordRow& row) {
    InsertRow(path, kHeadwordRows, row);
}

std::vector<AddressRow> ReadAddresses(const std::string& path) {
    return ReadRows(path, kAddressRows);
}

std::vector<ScheduleRow> ReadSchedules(const std::string& path) {
    return ReadRows(path, kScheduleRows);
}

std::vector<ToDoRow> ReadToDos(const std::string& path) {
    return ReadRows(path, kToDoRows);
}

std::vector<HeadwordRow> ReadHeadwords(const std::string& path) {
    return ReadRows(path, kHeadwordRows);
}

std::vector<FixtureRow> QueryRows(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot open " + path);
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
        std::string why = sqlite3_errmsg(db);
        sqlite3_close(db);
        throw std::runtime_error(why + " in: " + sql);
    }
    std::vector<FixtureRow> rows;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        FixtureRow row;
        for (int column = 0; column < sqlite3_column_count(statement); ++column) {
            const auto* text = sqlite3_column_text(statement, column);
            row.push_back(text != nullptr ? FixtureValue(reinterpret_cast<const char*>(text))
                                          : std::nullopt);
        }
        rows.push_back(std::move(row));
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return rows;
}

std::string Uncomplemented(const FixtureValue& value) {
    return value ? ComplementedBytes(*value) : std::string();
}

} // namespace zyntra::test
