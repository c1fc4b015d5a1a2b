#include "cli/record_table.h"

#include "cli/charset_codec.h"
#include "personal/schedule_alarm.h"

#include <algorithm>
#include <map>

namespace zyntra {
namespace {

// The fields the command line exchanges: those with a member, in the record's order.
template <class R> const FieldList<R>& Exchanged(const RecordFields<R>& table) {
    static const FieldList<R> fields = table.Members();
    return fields;
}

template <class R> std::vector<FieldInfo> InfoOf(const FieldList<R>& fields) {
    std::vector<FieldInfo> info;
    for (const Field<R>& field : fields)
        info.push_back({field.name, field.Type()});
    return info;
}

template <class R>
std::vector<FieldValue> RowOf(const R& record, const FieldList<R>& fields,
                              const CharsetCodec& codec) {
    std::vector<FieldValue> row;
    for (const Field<R>& field : fields) {
        if (field.integer)
            row.emplace_back(static_cast<long long>(record.*field.integer));
        else
            row.emplace_back(codec.ToUtf8(record.*field.text));
    }
    return row;
}

template <class R, class List>
void ExportList(RecordTable& table, const List& list, const FieldList<R>& fields,
                const CharsetCodec& codec) {
    table.fields = InfoOf(fields);
    for (const auto& record : list)
        table.rows.push_back(RowOf<R>(*record, fields, codec));
}

// Sets one record from the imported values; an error text when one does not fit.
template <class R>
std::string Assign(R& record, const ImportedRecord& imported, const FieldList<R>& fields,
                   const CharsetCodec& codec) {
    for (const auto& [name, value] : imported.values) {
        auto found = std::find_if(fields.begin(), fields.end(),
                                  [&](const Field<R>& field) { return name == field.name; });
        if (found == fields.end())
            return "unknown field \"" + name + "\"";
        const Field<R>& member = *found;
        if (member.integer) {
            const long long* number = std::get_if<long long>(&value);
            if (number == nullptr || *number < INT32_MIN || *number > INT32_MAX)
                return "field \"" + name + "\" must be an integer";
            record.*member.integer = static_cast<int>(*number);
            continue;
        }
        const std::string* text = std::get_if<std::string>(&value);
        if (text == nullptr)
            return "field \"" + name + "\" must be a text";
        std::optional<std::string> converted = codec.FromUtf8(*text);
        if (!converted)
            return "field \"" + name + "\" holds a character that " + codec.Charset() +
                   " cannot show";
        record.*member.text = *converted;
    }
    return {};
}

std::string RecordError(std::size_t index, const std::string& error) {
    return "record " + std::to_string(index + 1) + ": " + error;
}

struct ImportContext {
    const std::vector<ImportedRecord>& records;
    const CharsetCodec& codec;
    const std::string& today;
    const std::string& now;
};

std::string ImportAddressBook(RecordLists& lists, const ImportContext& in) {
    RecordList<ADDRESSBOOK> list;
    for (std::size_t i = 0; i < in.records.size(); ++i) {
        auto record = std::make_unique<ADDRESSBOOK>();
        record->stamp_time = in.now;
        if (std::string error =
                Assign(*record, in.records[i], Exchanged(kAddressBookFields), in.codec);
            !error.empty())
            return RecordError(i, error);
        if (record->name.empty())
            return RecordError(i, "the name is empty");
        list.push_back(std::move(record));
    }
    lists.AddrList = std::move(list);
    return {};
}

template <class R, class Finish>
std::string ImportDated(RecordList<R>& target, const ImportContext& in,
                        const RecordFields<R>& table, Finish finish) {
    RecordList<R> list;
    for (std::size_t i = 0; i < in.records.size(); ++i) {
        auto record = std::make_unique<R>();
        record->date = in.today;
        record->stamp_time = in.now;
        if (std::string error = Assign(*record, in.records[i], Exchanged(table), in.codec);
            !error.empty())
            return RecordError(i, error);
        if (record->content.empty())
            return RecordError(i, "the content is empty");
        finish(*record, in.records[i]);
        list.push_back(std::move(record));
    }
    target = std::move(list);
    return {};
}

bool Has(const ImportedRecord& record, std::string_view field) {
    return std::any_of(record.values.begin(), record.values.end(),
                       [&](const auto& value) { return value.first == field; });
}

template <class Entry>
std::string ImportDictionary(RecordList<Entry>& target, const ImportContext& in) {
    RecordList<Entry> list;
    for (std::size_t i = 0; i < in.records.size(); ++i) {
        auto entry = std::make_unique<Entry>();
        if (std::string error =
                Assign<UserDictEntry>(*entry, in.records[i], Exchanged(kUserDictFields), in.codec);
            !error.empty())
            return RecordError(i, error);
        if (entry->hw_name.empty())
            return RecordError(i, "the headword is empty");
        // The database form of the headword, as the dictionary editor derives it.
        entry->storedHeadword = in.codec.ToUtf8(entry->hw_name);
        entry->hw_match = HeadwordKey(entry->storedHeadword);
        list.push_back(std::move(entry));
    }
    target = std::move(list);
    return {};
}

std::string ImportClassTable(RecordLists& lists, const ImportContext& in) {
    ClassGrid grid = lists.classGrid;
    for (std::size_t i = 0; i < in.records.size(); ++i) {
        CLASSTABLE cell;
        if (std::string error = Assign(cell, in.records[i], Exchanged(kClassTableFields), in.codec);
            !error.empty())
            return RecordError(i, error);
        if (cell.weekday < 1 || cell.weekday > kWeekdayCount || cell.class_no < 1 ||
            cell.class_no > kClassPeriodCount)
            return RecordError(i, "weekday must be 1..7 and class_no 1..12");
        CLASSTABLE& target = grid[cell.weekday - 1][cell.class_no - 1];
        CLASSTABLE updated = target;
        Assign(updated, in.records[i], Exchanged(kClassTableFields), in.codec);
        if (!Has(in.records[i], "setting"))
            updated.setting = updated.abbreviation.empty() ? 0 : 1;
        updated.stamp_time = Has(in.records[i], "stamp_time") ? updated.stamp_time : in.now;
        target = updated;
    }
    lists.classGrid = grid;
    return {};
}

} // namespace

std::optional<RecordKind> RecordKindByName(std::string_view name) {
    for (RecordKind kind : kAllRecordKinds)
        if (name == RecordKindName(kind))
            return kind;
    return std::nullopt;
}

const char* RecordKindName(RecordKind kind) {
    switch (kind) {
    case RecordKind::AddressBook:
        return "addressbook";
    case RecordKind::Schedule:
        return "schedule";
    case RecordKind::ToDo:
        return "todo";
    case RecordKind::ClassTable:
        return "classtable";
    case RecordKind::ECUser:
        return "ecdict";
    case RecordKind::CEUser:
        return "cedict";
    }
    return "";
}

const std::vector<FieldInfo>& FieldsOf(RecordKind kind) {
    static const std::vector<FieldInfo> address = InfoOf(Exchanged(kAddressBookFields));
    static const std::vector<FieldInfo> schedule = InfoOf(Exchanged(kScheduleFields));
    static const std::vector<FieldInfo> todo = InfoOf(Exchanged(kToDoFields));
    static const std::vector<FieldInfo> classes = InfoOf(Exchanged(kClassTableFields));
    static const std::vector<FieldInfo> dict = InfoOf(Exchanged(kUserDictFields));
    switch (kind) {
    case RecordKind::AddressBook:
        return address;
    case RecordKind::Schedule:
        return schedule;
    case RecordKind::ToDo:
        return todo;
    case RecordKind::ClassTable:
        return classes;
    default:
        return dict;
    }
}

RecordTable ExportRecords(const RecordLists& lists, RecordKind kind, const CharsetCodec& codec) {
    RecordTable table;
    switch (kind) {
    case RecordKind::AddressBook:
        ExportList<ADDRESSBOOK>(table, lists.AddrList, Exchanged(kAddressBookFields), codec);
        break;
    case RecordKind::Schedule:
        ExportList<SCHEDULE>(table, lists.ScheList, Exchanged(kScheduleFields), codec);
        break;
    case RecordKind::ToDo:
        ExportList<PLANS>(table, lists.ToDoList, Exchanged(kToDoFields), codec);
        break;
    case RecordKind::ECUser:
        ExportList<UserDictEntry>(table, lists.ECUserList, Exchanged(kUserDictFields), codec);
        break;
    case RecordKind::CEUser:
        ExportList<UserDictEntry>(table, lists.CEUserList, Exchanged(kUserDictFields), codec);
        break;
    case RecordKind::ClassTable:
        table.fields = InfoOf(Exchanged(kClassTableFields));
        for (const auto& day : lists.classGrid)
            for (const CLASSTABLE& cell : day)
                table.rows.push_back(RowOf<CLASSTABLE>(cell, Exchanged(kClassTableFields), codec));
        break;
    }
    return table;
}

std::string ImportRecords(RecordLists& lists, RecordKind kind,
                          const std::vector<ImportedRecord>& records, const CharsetCodec& codec,
                          const std::string& today, const std::string& now) {
    const ImportContext in{records, codec, today, now};
    switch (kind) {
    case RecordKind::AddressBook:
        return ImportAddressBook(lists, in);
    case RecordKind::Schedule:
        return ImportDated<SCHEDULE>(lists.ScheList, in, kScheduleFields,
                                     [](SCHEDULE& r, const ImportedRecord& from) {
                                         if (!Has(from, "alarm_BStime"))
                                             r.alarm_BStime = AlarmMinutes(r.alarm);
                                     });
    case RecordKind::ToDo:
        return ImportDated<PLANS>(lists.ToDoList, in, kToDoFields,
                                  [](PLANS&, const ImportedRecord&) {});
    case RecordKind::ClassTable:
        return ImportClassTable(lists, in);
    case RecordKind::ECUser:
        return ImportDictionary(lists.ECUserList, in);
    case RecordKind::CEUser:
        return ImportDictionary(lists.CEUserList, in);
    }
    return "unknown kind";
}

} // namespace zyntra
