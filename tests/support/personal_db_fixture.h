#pragma once

#include "tests/support/device_fixture.h"

#include <optional>
#include <string>
#include <vector>

namespace zyntra::test {

// Database images of the personal data for the device side or the working copies: a copy of
// the program folder's template of a slot, with rows added. Personal texts are given as UTF-8
// and stored complemented; dictionary texts are stored as they are.

// Copies the template of the slot to path, creating its folder.
void MakeDatabaseImage(const std::string& path, int slot);

struct AddressRow {
    int id = 0;
    std::string name;
    int category = 0;
    std::string email;
    std::string mobile1;
    std::string home_address;
    std::string note;
    std::string photo_name;
    int locked = 0;
};

struct ScheduleRow {
    int id = 0;
    std::string date;
    std::string start_time;
    std::string end_time;
    std::string content;
    int alarm = 0;
    int alarm_BStime = -1;
    int locked = 0;
};

struct ToDoRow {
    int id = 0;
    std::string date;
    std::string content;
    int category = 0;
    int priority = 0;
    int status = 0;
    int locked = 0;
};

struct HeadwordRow {
    int hw_id = 0;
    std::string hw_name;
    std::string hw_match;
    std::string type;
    std::string exp;
    int dict_id = 71;
};

// The other text columns of telephone hold NULL.
void InsertAddress(const std::string& path, const AddressRow& row);
void InsertSchedule(const std::string& path, const ScheduleRow& row);
void InsertToDo(const std::string& path, const ToDoRow& row);
void InsertHeadword(const std::string& path, const HeadwordRow& row);
// Many rows in one transaction: a device holding tens of thousands of records in a moment.
void InsertAddresses(const std::string& path, const std::vector<AddressRow>& rows);

// The rows of a table in id order, personal texts complemented back (NULL reads as "").
std::vector<AddressRow> ReadAddresses(const std::string& path);
std::vector<ScheduleRow> ReadSchedules(const std::string& path);
std::vector<ToDoRow> ReadToDos(const std::string& path);
std::vector<HeadwordRow> ReadHeadwords(const std::string& path);

using FixtureValue = std::optional<std::string>; // empty: NULL
using FixtureRow = std::vector<FixtureValue>;

// Every row of a query, values as stored.
std::vector<FixtureRow> QueryRows(const std::string& path, const std::string& sql);

// A stored personal text as UTF-8 ("" for NULL).
std::string Uncomplemented(const FixtureValue& value);

} // namespace zyntra::test
