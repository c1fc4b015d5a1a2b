#pragma once

#include "personal/class_table.h"
#include "personal/record_kind.h"
#include "personal/stored_form.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace zyntra {

// Texts are in the interface charset unless a field says otherwise.

// One address-book entry (table telephone).
struct ADDRESSBOOK {
    int id = 0; // 0: not yet stored
    std::string name;
    int category = 0; // 0..5
    std::string email;
    std::string mobile1;
    std::string mobile2;
    std::string home_phone;
    std::string home_fax;
    std::string home_address;
    std::string office_name;
    std::string office_title;
    std::string office_phone;
    std::string office_fax;
    std::string office_address;
    std::string note;
    std::string photo_name;
    int locked = 0;
    std::string stamp_time;
    StoredForm stored;
};

// One appointment (table schedule). Date and times are plain ASCII.
struct SCHEDULE {
    int id = 0;
    std::string date; // yyyy/mm/dd
    std::string start_time;
    std::string end_time;
    std::string content;
    int alarm_BStime = 0;
    int locked = 0;
    int alarm = 0;
    std::string stamp_time;
    StoredForm stored;
};

// One to-do entry (table todolist).
struct PLANS {
    int id = 0;
    std::string date;
    std::string content;
    int category = 0;
    int priority = 0;
    int status = 0;
    int locked = 0;
    std::string stamp_time;
    StoredForm stored;
};

// One user-dictionary entry (table headword). storedHeadword and hw_match are the database's
// UTF-8 form of the headword: the writers' keys.
struct UserDictEntry {
    std::string hw_name;
    std::string type;
    std::string exp;
    std::string storedHeadword;
    std::string hw_match; // HeadwordKey(storedHeadword)
    StoredForm stored;
};

struct ECUSER : UserDictEntry {};
struct CEUSER : UserDictEntry {};

// The lists own their records; a record keeps its address while the list changes.
template <class Record> using RecordList = std::vector<std::unique_ptr<Record>>;

// The personal data in memory, with each list's column sort directions (set = descending).
struct RecordLists {
    RecordList<ADDRESSBOOK> AddrList;
    RecordList<SCHEDULE> ScheList;
    RecordList<PLANS> ToDoList;
    RecordList<ECUSER> ECUserList;
    RecordList<CEUSER> CEUserList;
    ClassGrid classGrid;
    ClassTimes classTimes;

    std::array<bool, 14> addrSortFlags{};
    std::array<bool, 6> scheSortFlags{};
    std::array<bool, 3> toDoSortFlags{};
    std::array<bool, 3> ecUserSortFlags{};
    std::array<bool, 3> ceUserSortFlags{};

    // Frees the records of one list and clears its sort flags; the timetable is no list and
    // is left alone.
    void ResetList(RecordKind kind);
    void ResetAllLists();

    // Whether any of the five lists holds a record (the timetable does not count).
    bool AnyRecords() const;
};

} // namespace zyntra
