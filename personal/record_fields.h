#pragma once

#include "personal/personal_records.h"
#include "personal/record_limits.h"
#include "personal/schedule_alarm.h"

#include <algorithm>
#include <array>
#include <functional>
#include <initializer_list>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zyntra {

// The fields of each record kind: what the loaders read, the writers write, the command line
// exchanges and the test fixtures store. A field's name is its column's name, the record
// member's name and the name the command line shows.

enum class FieldType { Integer, Text };

// How a column holds its value.
enum class ColumnForm {
    Integer,
    Plain,        // ASCII as shown: dates, times, stamps
    Utf8,         // converted between the interface charset and UTF-8
    Complemented, // converted, then every byte complemented
};

template <class Record> struct Field {
    const char* name;
    int column; // position in the table, which a positional insert follows
    ColumnForm form;
    // At most one is set; a column with neither has no member of its own in the record.
    int Record::*integer = nullptr;
    std::string Record::*text = nullptr;
    // What a member may hold: a text at most maxLength characters, an integer low..high.
    int maxLength = 0;
    int low = 0;
    int high = 0;

    constexpr FieldType Type() const {
        return form == ColumnForm::Integer ? FieldType::Integer : FieldType::Text;
    }
    constexpr bool HasMember() const { return integer != nullptr || text != nullptr; }
};

template <class Record>
constexpr Field<Record> IntegerField(const char* name, int column, int Record::*member, int low,
                                     int high) {
    return {name, column, ColumnForm::Integer, member, nullptr, 0, low, high};
}

template <class Record>
constexpr Field<Record> TextField(const char* name, int column, ColumnForm form,
                                  std::string Record::*member, int maxLength) {
    return {name, column, form, nullptr, member, maxLength};
}

template <class Record>
constexpr Field<Record> ColumnOnly(const char* name, int column, ColumnForm form) {
    return {name, column, form, nullptr, nullptr};
}

// Some fields of one table, in the order a statement or an exchange names them.
template <class Record> class FieldList {
public:
    using Ref = std::reference_wrapper<const Field<Record>>;

    FieldList() = default;
    explicit FieldList(std::vector<Ref> fields) : fields_(std::move(fields)) {}

    auto begin() const { return fields_.begin(); }
    auto end() const { return fields_.end(); }
    std::size_t size() const { return fields_.size(); }
    const Field<Record>& operator[](std::size_t i) const { return fields_[i].get(); }

    // Where a field stands in the list: its column in the result of a select of the list.
    int PositionOf(std::string_view name) const {
        for (std::size_t i = 0; i < fields_.size(); ++i)
            if (name == fields_[i].get().name)
                return static_cast<int>(i);
        throw std::logic_error("no field " + std::string(name) + " in the list");
    }

    // "a, b, c": the column list of a statement.
    std::string Names() const {
        std::string names;
        for (const Field<Record>& field : fields_)
            names += (names.empty() ? "" : ", ") + std::string(field.name);
        return names;
    }

private:
    std::vector<Ref> fields_;
};

// One table and its fields, in the order the record declares them.
template <class Record> struct RecordFields {
    const char* table;
    std::span<const Field<Record>> fields;
    // Whether an empty text is stored as NULL rather than ''.
    bool emptyTextIsNull = false;

    constexpr std::size_t IndexOf(std::string_view name) const {
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (name == fields[i].name)
                return i;
        throw std::logic_error("no field " + std::string(name) + " in " + table);
    }
    constexpr std::size_t IndexOf(const Field<Record>& field) const {
        return static_cast<std::size_t>(&field - fields.data());
    }
    constexpr const Field<Record>& operator[](std::string_view name) const {
        return fields[IndexOf(name)];
    }

    FieldList<Record> InRecordOrder() const {
        return Where([](const auto&) { return true; });
    }
    // The fields that have a member of their own, in record order.
    FieldList<Record> Members() const {
        return Where([](const Field<Record>& field) { return field.HasMember(); });
    }
    FieldList<Record> OfForm(ColumnForm form) const {
        return Where([form](const Field<Record>& field) { return field.form == form; });
    }
    FieldList<Record> InColumnOrder() const {
        FieldList<Record> all = InRecordOrder();
        std::vector<typename FieldList<Record>::Ref> sorted(all.begin(), all.end());
        std::sort(sorted.begin(), sorted.end(),
                  [](const auto& a, const auto& b) { return a.get().column < b.get().column; });
        return FieldList<Record>(std::move(sorted));
    }
    FieldList<Record> Pick(std::initializer_list<std::string_view> names) const {
        std::vector<typename FieldList<Record>::Ref> picked;
        for (std::string_view name : names)
            picked.push_back(std::cref((*this)[name]));
        return FieldList<Record>(std::move(picked));
    }
    // Every field in record order but the named ones.
    FieldList<Record> Except(std::initializer_list<std::string_view> names) const {
        for (std::string_view name : names)
            IndexOf(name); // a name that is no field is a mistake, not an empty exception
        return Where([&](const Field<Record>& field) {
            return std::find(names.begin(), names.end(), field.name) == names.end();
        });
    }

private:
    template <class Keep> FieldList<Record> Where(Keep keep) const {
        std::vector<typename FieldList<Record>::Ref> kept;
        for (const Field<Record>& field : fields)
            if (keep(field))
                kept.push_back(std::cref(field));
        return FieldList<Record>(std::move(kept));
    }
};

// The columns every personal table of slot 1 has: the row id, and the stamp of the last write,
// which SQLite sets.
inline constexpr std::string_view kRowIdColumn = "id";
inline constexpr std::string_view kStampColumn = "stamp_time";

namespace field_lists {

constexpr auto AddressBook() {
    using R = ADDRESSBOOK;
    constexpr ColumnForm kC = ColumnForm::Complemented;
    return std::array{
        IntegerField("id", 0, &R::id, 0, kLargestRecordId),
        TextField("name", 1, kC, &R::name, kAddressLongText),
        IntegerField("category", 2, &R::category, 0, kAddressCategoryCount - 1),
        TextField("email", 3, kC, &R::email, kAddressLongText),
        TextField("mobile1", 4, kC, &R::mobile1, kAddressShortText),
        TextField("mobile2", 5, kC, &R::mobile2, kAddressShortText),
        TextField("home_phone", 6, kC, &R::home_phone, kAddressShortText),
        TextField("home_fax", 7, kC, &R::home_fax, kAddressShortText),
        TextField("home_address", 8, kC, &R::home_address, kAddressLongText),
        TextField("office_name", 9, kC, &R::office_name, kAddressLongText),
        TextField("office_title", 10, kC, &R::office_title, kAddressLongText),
        TextField("office_phone", 11, kC, &R::office_phone, kAddressShortText),
        TextField("office_fax", 12, kC, &R::office_fax, kAddressShortText),
        TextField("office_address", 13, kC, &R::office_address, kAddressLongText),
        TextField("note", 15, kC, &R::note, kAddressLongText),
        TextField("photo_name", 14, kC, &R::photo_name, kAddressLongText),
        IntegerField("locked", 16, &R::locked, 0, 1),
        TextField("stamp_time", 17, ColumnForm::Plain, &R::stamp_time, kStampLength),
    };
}

constexpr auto Schedule() {
    using R = SCHEDULE;
    return std::array{
        IntegerField("id", 0, &R::id, 0, kLargestRecordId),
        TextField("date", 1, ColumnForm::Plain, &R::date, kDateLength),
        TextField("start_time", 2, ColumnForm::Plain, &R::start_time, kTimeLength),
        TextField("end_time", 3, ColumnForm::Plain, &R::end_time, kTimeLength),
        TextField("content", 4, ColumnForm::Complemented, &R::content, kContentLength),
        IntegerField("alarm_BStime", 8, &R::alarm_BStime, -1, kLatestAlarmMinutes),
        IntegerField("locked", 6, &R::locked, 0, 1),
        IntegerField("alarm", 5, &R::alarm, 0, kAlarmChoiceCount - 1),
        TextField("stamp_time", 7, ColumnForm::Plain, &R::stamp_time, kStampLength),
    };
}

constexpr auto ToDo() {
    using R = PLANS;
    return std::array{
        IntegerField("id", 0, &R::id, 0, kLargestRecordId),
        TextField("date", 1, ColumnForm::Plain, &R::date, kDateLength),
        TextField("content", 2, ColumnForm::Complemented, &R::content, kContentLength),
        IntegerField("category", 3, &R::category, 0, kToDoTypeCount - 1),
        IntegerField("priority", 4, &R::priority, 0, kToDoPriorityCount - 1),
        IntegerField("status", 5, &R::status, 0, 1),
        IntegerField("locked", 6, &R::locked, 0, 1),
        TextField("stamp_time", 7, ColumnForm::Plain, &R::stamp_time, kStampLength),
    };
}

// The cell's place in the grid gives its row id; the labels and the display colour are no
// columns.
constexpr auto ClassTable() {
    using R = CLASSTABLE;
    constexpr ColumnForm kC = ColumnForm::Complemented;
    return std::array{
        ColumnOnly<R>("id", 0, ColumnForm::Integer),
        IntegerField("weekday", 1, &R::weekday, 1, kWeekdayCount),
        IntegerField("class_no", 2, &R::class_no, 1, kClassPeriodCount),
        TextField("abbreviation", 3, kC, &R::abbreviation, kClassAbbreviationLength),
        TextField("course_name", 4, kC, &R::course_name, kClassTextLength),
        TextField("teacher", 5, kC, &R::teacher, kClassTextLength),
        TextField("place", 6, kC, &R::place, kClassTextLength),
        TextField("note", 7, kC, &R::note, kClassTextLength),
        IntegerField("color", 8, &R::color, 0, kClassColourCount - 1),
        IntegerField("locked", 9, &R::locked, 0, 1),
        IntegerField("setting", 10, &R::setting, 0, 1),
        TextField("stamp_time", 11, ColumnForm::Plain, &R::stamp_time, kStampLength),
    };
}

// hw_name is shown converted; its stored form (storedHeadword) and hw_match (HeadwordKey) are
// the database's own and are written as they are.
constexpr auto UserDict() {
    using R = UserDictEntry;
    return std::array{
        TextField("hw_name", 2, ColumnForm::Utf8, &R::hw_name, kHeadwordLength),
        TextField("type", 4, ColumnForm::Utf8, &R::type, kPartOfSpeechLength),
        TextField("exp", 5, ColumnForm::Utf8, &R::exp, kExplanationLength),
        ColumnOnly<R>("hw_match", 3, ColumnForm::Utf8),
        ColumnOnly<R>("dict_id", 0, ColumnForm::Integer),
        ColumnOnly<R>("hw_id", 1, ColumnForm::Integer),
    };
}

inline constexpr auto kAddressBook = AddressBook();
inline constexpr auto kSchedule = Schedule();
inline constexpr auto kToDo = ToDo();
inline constexpr auto kClassTable = ClassTable();
inline constexpr auto kUserDict = UserDict();

} // namespace field_lists

inline constexpr RecordFields<ADDRESSBOOK> kAddressBookFields{"telephone",
                                                              field_lists::kAddressBook};
inline constexpr RecordFields<SCHEDULE> kScheduleFields{"schedule", field_lists::kSchedule};
inline constexpr RecordFields<PLANS> kToDoFields{"todolist", field_lists::kToDo};
inline constexpr RecordFields<CLASSTABLE> kClassTableFields{"classtable", field_lists::kClassTable,
                                                            true};
// The five texts of a cell; a cell with none of them is cleared.
inline const FieldList<CLASSTABLE>& CellTexts() {
    static const FieldList<CLASSTABLE> texts = kClassTableFields.OfForm(ColumnForm::Complemented);
    return texts;
}

// Both user dictionaries, of slots 2 and 3.
inline constexpr RecordFields<UserDictEntry> kUserDictFields{"headword", field_lists::kUserDict};

// The search key of a headword: its stored (UTF-8) form with every space removed.
std::string HeadwordKey(std::string_view storedHeadword);

// Makes the entry's storedHeadword and hw_match from its hw_name (in interfaceCharset), through
// the process-wide converter, which is closed afterwards. A headword that cannot be converted
// whole keeps the part converted before the failing character.
void DeriveHeadwordForms(UserDictEntry& entry, const std::string& interfaceCharset);

} // namespace zyntra
