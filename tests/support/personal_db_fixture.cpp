#include "tests/support/personal_db_fixture.h"

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

} // namespace

void MakeDatabaseImage(const std::string& path, int slot) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::filesystem::copy_file(TemplatePath(slot), path,
                               std::filesystem::copy_options::overwrite_existing);
}

void InsertAddress(const std::string& path, const AddressRow& row) {
    FixtureDatabase(path).Insert(
        "telephone",
        {Integer("id", row.id), Complemented("name", row.name), Integer("category", row.category),
         Complemented("email", row.email), Complemented("mobile1", row.mobile1),
         Complemented("home_address", row.home_address), Complemented("note", row.note),
         Complemented("photo_name", row.photo_name), Integer("locked", row.locked)});
}

void InsertSchedule(const std::string& path, const ScheduleRow& row) {
    FixtureDatabase(path).Insert(
        "schedule", {Integer("id", row.id), Text("date", row.date),
                     Text("start_time", row.start_time), Text("end_time", row.end_time),
                     Complemented("content", row.content), Integer("alarm", row.alarm),
                     Integer("locked", row.locked), Integer("alarm_BStime", row.alarm_BStime)});
}

void InsertToDo(const std::string& path, const ToDoRow& row) {
    FixtureDatabase(path).Insert(
        "todolist",
        {Integer("id", row.id), Text("date", row.date), Complemented("content", row.content),
         Integer("category", row.category), Integer("priority", row.priority),
         Integer("status", row.status), Integer("locked", row.locked)});
}

void InsertHeadword(const std::string& path, const HeadwordRow& row) {
    FixtureDatabase(path).Insert("headword",
                                 {Integer("dict_id", row.dict_id), Integer("hw_id", row.hw_id),
                                  Text("hw_name", row.hw_name), Text("hw_match", row.hw_match),
                                  Text("type", row.type), Text("exp", row.exp)});
}

std::vector<AddressRow> ReadAddresses(const std::string& path) {
    std::vector<AddressRow> rows;
    for (const FixtureRow& r :
         QueryRows(path, "select id, name, category, email, mobile1, home_address, note, "
                         "photo_name, locked from telephone order by id"))
        rows.push_back({IntegerAt(r, 0), Uncomplemented(r[1]), IntegerAt(r, 2),
                        Uncomplemented(r[3]), Uncomplemented(r[4]), Uncomplemented(r[5]),
                        Uncomplemented(r[6]), Uncomplemented(r[7]), IntegerAt(r, 8)});
    return rows;
}

std::vector<ScheduleRow> ReadSchedules(const std::string& path) {
    std::vector<ScheduleRow> rows;
    for (const FixtureRow& r :
         QueryRows(path, "select id, date, start_time, end_time, content, alarm, alarm_BStime, "
                         "locked from schedule order by id"))
        rows.push_back({IntegerAt(r, 0), At(r, 1), At(r, 2), At(r, 3), Uncomplemented(r[4]),
                        IntegerAt(r, 5), IntegerAt(r, 6), IntegerAt(r, 7)});
    return rows;
}

std::vector<ToDoRow> ReadToDos(const std::string& path) {
    std::vector<ToDoRow> rows;
    for (const FixtureRow& r :
         QueryRows(path, "select id, date, content, category, priority, status, locked from "
                         "todolist order by id"))
        rows.push_back({IntegerAt(r, 0), At(r, 1), Uncomplemented(r[2]), IntegerAt(r, 3),
                        IntegerAt(r, 4), IntegerAt(r, 5), IntegerAt(r, 6)});
    return rows;
}

std::vector<HeadwordRow> ReadHeadwords(const std::string& path) {
    std::vector<HeadwordRow> rows;
    for (const FixtureRow& r : QueryRows(path, "select hw_id, hw_name, hw_match, type, exp, "
                                               "dict_id from headword order by hw_id"))
        rows.push_back({IntegerAt(r, 0), At(r, 1), At(r, 2), At(r, 3), At(r, 4), IntegerAt(r, 5)});
    return rows;
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
