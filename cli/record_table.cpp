#include "cli/record_table.h"

#include "cli/charset_codec.h"

#include <algorithm>
#include <map>

namespace zyntra {
namespace {

// One field of a record type: an integer or a text member.
template <class R> struct Member {
    const char* name;
    int R::*integer = nullptr;
    std::string R::*text = nullptr;
};

template <class R> Member<R> Int(const char* name, int R::*member) {
    return {name, member, {}};
}
template <class R> Member<R> Text(const char* name, std::string R::*member) {
    return {name, nullptr, member};
}

const std::vector<Member<ADDRESSBOOK>>& AddressMembers() {
    using R = ADDRESSBOOK;
    static const std::vector<Member<R>> members = {
        Int("id", &R::id),
        Text("name", &R::name),
        Int("category", &R::category),
        Text("email", &R::email),
        Text("mobile1", &R::mobile1),
        Text("mobile2", &R::mobile2),
        Text("home_phone", &R::home_phone),
        Text("home_fax", &R::home_fax),
        Text("home_address", &R::home_address),
        Text("office_name", &R::office_name),
        Text("office_title", &R::office_title),
        Text("office_phone", &R::office_phone),
        Text("office_fax", &R::office_fax),
        Text("office_address", &R::office_address),
        Text("note", &R::note),
        Text("photo_name", &R::photo_name),
        Int("locked", &R::locked),
        Text("stamp_time", &R::stamp_time),
    };
    return members;
}

const std::vector<Member<SCHEDULE>>& ScheduleMembers() {
    using R = SCHEDULE;
    static const std::vector<Member<R>> members = {
        Int("id", &R::id),
        Text("date", &R::date),
        Text("start_time", &R::start_time),
        Text("end_time", &R::end_time),
        Text("content", &R::content),
        Int("alarm_BStime", &R::alarm_BStime),
        Int("locked", &R::locked),
        Int("alarm", &R::alarm),
        Text("stamp_time", &R::stamp_time),
    };
    return members;
}

const std::vector<Member<PLANS>>& ToDoMembers() {
    using R = PLANS;
    static const std::vector<Member<R>> members = {
        Int("id", &R::id),
        Text("date", &R::date),
        Text("content", &R::content),
        Int("category", &R::category),
        Int("priority", &R::priority),
        Int("status", &R::status),
        Int("locked", &R::locked),
        Text("stamp_time", &R::stamp_time),
    };
    return members;
}

const std::vector<Member<UserDictEntry>>& DictMembers() {
    using R = UserDictEntry;
    static const std::vector<Member<R>> members = {Text("hw_name", &R::hw_name),
                                                   Text("type", &R::type), Text("exp", &R::exp)};
    return members;
}

const std::vector<Member<CLASSTABLE>>& ClassMembers() {
    using R = CLASSTABLE;
    static const std::vector<Member<R>> members = {
        Int("weekday", &R::weekday),
        Int("class_no", &R::class_no),
        Text("abbreviation", &R::abbreviation),
        Text("course_name", &R::course_name),
        Text("teacher", &R::teacher),
        Text("place", &R::place),
        Text("note", &R::note),
        Int("color", &R::color),
        Int("locked", &R::locked),
        Int("setting", &R::setting),
        Text("stamp_time", &R::stamp_time),
    };
    return members;
}

template <class R> std::vector<FieldInfo> InfoOf(const std::vector<Member<R>>& members) {
    std::vector<FieldInfo> fields;
    for (const auto& m : members)
        fields.push_back({m.name, m.integer ? FieldType::Integer : FieldType::Text});
    return fields;
}

template <class R>
std::vector<FieldValue> RowOf(const R& record, const std::vector<Member<R>>& members,
                              const CharsetCodec& codec) {
    std::vector<FieldValue> row;
    for (const auto& m : members) {
        if (m.integer)
            row.emplace_back(static_cast<long long>(record.*m.integer));
        else
            row.emplace_back(codec.ToUtf8(record.*m.text));
    }
    return row;
}

template <class R, class List>
void ExportList(RecordTable& table, const List& list, const std::vector<Member<R>>& members,
                const CharsetCodec& codec) {
    table.fields = InfoOf(members);
    for (const auto& record : list)
        table.rows.push_back(RowOf<R>(*record, members, codec));
}

// Sets one record from the imported values; an error text when one does not fit.
template <class R>
std::string Assign(R& record, const ImportedRecord& imported, const std::vector<Member<R>>& members,
                   const CharsetCodec& codec) {
    for (const auto& [name, value] : imported.values) {
        auto member = std::find_if(members.begin(), members.end(),
                                   [&](const Member<R>& m) { return name == m.name; });
        if (member == members.end())
            return "unknown field \"" + name + "\"";
        if (member->integer) {
            const long long* number = std::get_if<long long>(&value);
            if (number == nullptr || *number < INT32_MIN || *number > INT32_MAX)
                return "field \"" + name + "\" must be an integer";
            record.*(member->integer) = static_cast<int>(*number);
            continue;
        }
        const std::string* text = std::get_if<std::string>(&value);
        if (text == nullptr)
            return "field \"" + name + "\" must be a text";
        std::optional<std::string> converted = codec.FromUtf8(*text);
        if (!converted)
            return "field \"" + name + "\" holds a character that " + codec.Charset() +
                   " cannot show";
        record.*(member->text) = *converted;
    }
    return {};
}

std::string RecordError(std::size_t index, const std::string& error) {
    return "record " + std::to_string(index + 1) + ": " + error;
}

int AlarmMinutes(int alarm) {
    static const int minutes[] = {-1, 0, 30, 60};
    return alarm >= 0 && alarm < 4 ? minutes[alarm] : -1;
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
        if (std::string error = Assign(*record, in.records[i], AddressMembers(), in.codec);
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
                        const std::vector<Member<R>>& members, Finish finish) {
    RecordList<R> list;
    for (std::size_t i = 0; i < in.records.size(); ++i) {
        auto record = std::make_unique<R>();
        record->date = in.today;
        record->stamp_time = in.now;
        if (std::string error = Assign(*record, in.records[i], members, in.codec); !error.empty())
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
                Assign<UserDictEntry>(*entry, in.records[i], DictMembers(), in.codec);
            !error.empty())
            return RecordError(i, error);
        if (entry->hw_name.empty())
            return RecordError(i, "the headword is empty");
        // The database form of the headword, as the dictionary editor derives it.
        entry->storedHeadword = in.codec.ToUtf8(entry->hw_name);
        entry->hw_match.clear();
        for (char c : entry->storedHeadword)
            if (c != ' ')
                entry->hw_match += c;
        list.push_back(std::move(entry));
    }
    target = std::move(list);
    return {};
}

std::string ImportClassTable(RecordLists& lists, const ImportContext& in) {
    ClassGrid grid = lists.classGrid;
    for (std::size_t i = 0; i < in.records.size(); ++i) {
        CLASSTABLE cell;
        if (std::string error = Assign(cell, in.records[i], ClassMembers(), in.codec);
            !error.empty())
            return RecordError(i, error);
        if (cell.weekday < 1 || cell.weekday > kWeekdayCount || cell.class_no < 1 ||
            cell.class_no > kClassPeriodCount)
            return RecordError(i, "weekday must be 1..7 and class_no 1..12");
        CLASSTABLE& target = grid[cell.weekday - 1][cell.class_no - 1];
        CLASSTABLE updated = target;
        Assign(updated, in.records[i], ClassMembers(), in.codec);
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
    static const std::vector<FieldInfo> address = InfoOf(AddressMembers());
    static const std::vector<FieldInfo> schedule = InfoOf(ScheduleMembers());
    static const std::vector<FieldInfo> todo = InfoOf(ToDoMembers());
    static const std::vector<FieldInfo> classes = InfoOf(ClassMembers());
    static const std::vector<FieldInfo> dict = InfoOf(DictMembers());
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
        ExportList<ADDRESSBOOK>(table, lists.AddrList, AddressMembers(), codec);
        break;
    case RecordKind::Schedule:
        ExportList<SCHEDULE>(table, lists.ScheList, ScheduleMembers(), codec);
        break;
    case RecordKind::ToDo:
        ExportList<PLANS>(table, lists.ToDoList, ToDoMembers(), codec);
        break;
    case RecordKind::ECUser:
        ExportList<UserDictEntry>(table, lists.ECUserList, DictMembers(), codec);
        break;
    case RecordKind::CEUser:
        ExportList<UserDictEntry>(table, lists.CEUserList, DictMembers(), codec);
        break;
    case RecordKind::ClassTable:
        table.fields = InfoOf(ClassMembers());
        for (const auto& day : lists.classGrid)
            for (const CLASSTABLE& cell : day)
                table.rows.push_back(RowOf<CLASSTABLE>(cell, ClassMembers(), codec));
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
        return ImportDated<SCHEDULE>(lists.ScheList, in, ScheduleMembers(),
                                     [](SCHEDULE& r, const ImportedRecord& from) {
                                         if (!Has(from, "alarm_BStime"))
                                             r.alarm_BStime = AlarmMinutes(r.alarm);
                                     });
    case RecordKind::ToDo:
        return ImportDated<PLANS>(lists.ToDoList, in, ToDoMembers(),
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
