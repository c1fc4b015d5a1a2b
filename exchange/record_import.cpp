#include "exchange/charset_codec.h"
#include "exchange/record_check.h"
#include "exchange/record_table.h"
#include "personal/schedule_alarm.h"

#include <algorithm>

namespace zyntra {
namespace {

// Sets one member from its imported value; an error text when the value does not fit.
template <class R>
std::string AssignOne(R& record, const Field<R>& member, const FieldValue& value,
                      const CharsetCodec& codec) {
    const std::string name = member.name;
    if (member.integer) {
        const long long* number = std::get_if<long long>(&value);
        if (number == nullptr || *number < INT32_MIN || *number > INT32_MAX)
            return "field \"" + name + "\" must be an integer";
        record.*member.integer = static_cast<int>(*number);
        return IntegerFault(name, member.low, member.high, *number);
    }
    const std::string* text = std::get_if<std::string>(&value);
    if (text == nullptr)
        return "field \"" + name + "\" must be a text";
    std::optional<std::string> converted = codec.FromUtf8(*text);
    if (!converted)
        return "field \"" + name + "\" holds a character that " + codec.Charset() + " cannot show";
    record.*member.text = std::move(*converted);
    return TextFault(name, member.maxLength, *text);
}

// Sets one record from the imported values; the errors of every value that does not fit, each
// after a "; ", or an empty text.
template <class R>
std::string Assign(R& record, const ImportedRecord& imported, const FieldList<R>& fields,
                   const CharsetCodec& codec) {
    std::string errors;
    for (const auto& [name, value] : imported.values) {
        auto found =
            std::find_if(fields.begin(), fields.end(),
                         [&name = name](const Field<R>& field) { return name == field.name; });
        std::string error = found == fields.end() ? "unknown field \"" + name + "\""
                                                  : AssignOne<R>(record, *found, value, codec);
        if (!error.empty())
            errors += (errors.empty() ? "" : "; ") + error;
    }
    return errors;
}

// Whether the statements the writers will make of the record fit; they see its texts in UTF-8.
template <class R>
std::string FitFault(const R& record, const RecordFields<R>& table, const CharsetCodec& codec) {
    if (codec.Charset() == "UTF-8")
        return StatementFault(record);
    R inUtf8 = record;
    for (const Field<R>& field : ExchangedFields(table))
        if (field.text != nullptr && field.form != ColumnForm::Plain)
            inUtf8.*field.text = codec.ToUtf8(record.*field.text);
    return StatementFault(inUtf8);
}

struct ImportContext {
    const CharsetCodec& codec;
    const std::string& today;
    const std::string& now;
};

std::string AddAddress(RecordList<ADDRESSBOOK>& list, const ImportedRecord& imported,
                       const ImportContext& in) {
    auto record = std::make_unique<ADDRESSBOOK>();
    record->stamp_time = in.now;
    if (std::string error =
            Assign(*record, imported, ExchangedFields(kAddressBookFields), in.codec);
        !error.empty())
        return error;
    if (record->name.empty())
        return "the name is empty";
    if (std::string fault = FitFault(*record, kAddressBookFields, in.codec); !fault.empty())
        return fault;
    list.push_back(std::move(record));
    return {};
}

template <class R, class Finish>
std::string AddDated(RecordList<R>& list, const ImportedRecord& imported, const ImportContext& in,
                     const RecordFields<R>& table, Finish finish) {
    auto record = std::make_unique<R>();
    record->date = in.today;
    record->stamp_time = in.now;
    if (std::string error = Assign(*record, imported, ExchangedFields(table), in.codec);
        !error.empty())
        return error;
    if (record->content.empty())
        return "the content is empty";
    finish(*record, imported);
    if (std::string fault = FitFault(*record, table, in.codec); !fault.empty())
        return fault;
    list.push_back(std::move(record));
    return {};
}

bool Has(const ImportedRecord& record, std::string_view field) {
    return std::any_of(record.values.begin(), record.values.end(),
                       [&](const auto& value) { return value.first == field; });
}

template <class Entry>
std::string AddEntry(RecordList<Entry>& list, const ImportedRecord& imported,
                     const ImportContext& in) {
    auto entry = std::make_unique<Entry>();
    if (std::string error =
            Assign<UserDictEntry>(*entry, imported, ExchangedFields(kUserDictFields), in.codec);
        !error.empty())
        return error;
    if (entry->hw_name.empty())
        return "the headword is empty";
    // The database form of the headword, as the dictionary editor derives it.
    entry->storedHeadword = in.codec.ToUtf8(entry->hw_name);
    entry->hw_match = HeadwordKey(entry->storedHeadword);
    if (std::string fault = FitFault<UserDictEntry>(*entry, kUserDictFields, in.codec);
        !fault.empty())
        return fault;
    list.push_back(std::move(entry));
    return {};
}

std::string AddCell(ClassGrid& grid, const ImportedRecord& imported, const ImportContext& in) {
    CLASSTABLE cell;
    if (std::string error = Assign(cell, imported, ExchangedFields(kClassTableFields), in.codec);
        !error.empty())
        return error;
    if (cell.weekday < 1 || cell.weekday > kWeekdayCount || cell.class_no < 1 ||
        cell.class_no > kClassPeriodCount)
        return "weekday must be 1..7 and class_no 1..12";
    CLASSTABLE& target = grid[cell.weekday - 1][cell.class_no - 1];
    CLASSTABLE updated = target;
    Assign(updated, imported, ExchangedFields(kClassTableFields), in.codec);
    if (!Has(imported, "setting"))
        updated.setting = updated.abbreviation.empty() ? 0 : 1;
    updated.stamp_time = Has(imported, "stamp_time") ? updated.stamp_time : in.now;
    if (std::string fault = FitFault(updated, kClassTableFields, in.codec); !fault.empty())
        return fault;
    target = updated;
    return {};
}

} // namespace

// The records converted so far, in lists of their own until they replace memory's.
struct RecordImport::Pending {
    RecordList<ADDRESSBOOK> addresses;
    RecordList<SCHEDULE> appointments;
    RecordList<PLANS> tasks;
    RecordList<ECUSER> ecEntries;
    RecordList<CEUSER> ceEntries;
    ClassGrid grid;

    // Frees the converted records; the grid is no list and stays.
    void ClearLists() {
        addresses.clear();
        appointments.clear();
        tasks.clear();
        ecEntries.clear();
        ceEntries.clear();
    }
};

RecordImport::RecordImport(RecordLists& lists, RecordKind kind, const CharsetCodec& codec,
                           std::string today, std::string now, ImportMode mode)
    : lists_(lists), kind_(kind), codec_(codec), today_(std::move(today)), now_(std::move(now)),
      mode_(mode), pending_(std::make_unique<Pending>()) {
    if (kind == RecordKind::ClassTable)
        pending_->grid = lists.classGrid;
}

RecordImport::~RecordImport() = default;

void RecordImport::Add(const ImportedRecord& record) {
    ++added_;
    if (added_ > kMostRecords) {
        if (added_ == kMostRecords + 1)
            Refuse("an import takes at most " + std::to_string(kMostRecords) +
                   " records; the records from here on are not read");
        return;
    }
    Refuse(Converted(record));
}

std::string RecordImport::Converted(const ImportedRecord& record) {
    const ImportContext in{codec_, today_, now_};
    Pending& p = *pending_;
    std::string error;
    switch (kind_) {
    case RecordKind::AddressBook:
        error = AddAddress(p.addresses, record, in);
        break;
    case RecordKind::Schedule:
        error = AddDated<SCHEDULE>(p.appointments, record, in, kScheduleFields,
                                   [](SCHEDULE& r, const ImportedRecord& from) {
                                       if (!Has(from, "alarm_BStime"))
                                           r.alarm_BStime = AlarmMinutes(r.alarm);
                                   });
        break;
    case RecordKind::ToDo:
        error =
            AddDated<PLANS>(p.tasks, record, in, kToDoFields, [](PLANS&, const ImportedRecord&) {});
        break;
    case RecordKind::ClassTable:
        error = AddCell(p.grid, record, in);
        break;
    case RecordKind::ECUser:
        error = AddEntry(p.ecEntries, record, in);
        break;
    case RecordKind::CEUser:
        error = AddEntry(p.ceEntries, record, in);
        break;
    }
    return error;
}

void RecordImport::Refuse(const std::string& error) {
    if (!error.empty() && faultCount_++ < kKeptFaults)
        faults_.push_back("record " + std::to_string(added_) + ": " + error);
    // Nothing will be committed, so nothing more needs to be kept.
    if (faultCount_ > 0)
        pending_->ClearLists();
}

// Replaces the list by the imported records, or appends them as records the device has not
// seen: an id a file names belongs to another device's rows.
template <class R> void Take(RecordList<R>& list, RecordList<R>&& imported, ImportMode mode) {
    if (mode == ImportMode::Replace) {
        list = std::move(imported);
        return;
    }
    list.reserve(list.size() + imported.size());
    for (auto& record : imported) {
        if constexpr (requires { record->id; })
            record->id = 0;
        list.push_back(std::move(record));
    }
}

void RecordImport::Commit() {
    if (faultCount_ > 0)
        return;
    Pending& p = *pending_;
    switch (kind_) {
    case RecordKind::AddressBook:
        Take(lists_.AddrList, std::move(p.addresses), mode_);
        break;
    case RecordKind::Schedule:
        Take(lists_.ScheList, std::move(p.appointments), mode_);
        break;
    case RecordKind::ToDo:
        Take(lists_.ToDoList, std::move(p.tasks), mode_);
        break;
    case RecordKind::ClassTable:
        lists_.classGrid = p.grid;
        break;
    case RecordKind::ECUser:
        Take(lists_.ECUserList, std::move(p.ecEntries), mode_);
        break;
    case RecordKind::CEUser:
        Take(lists_.CEUserList, std::move(p.ceEntries), mode_);
        break;
    }
}

std::string ImportRecords(RecordLists& lists, RecordKind kind,
                          const std::vector<ImportedRecord>& records, const CharsetCodec& codec,
                          const std::string& today, const std::string& now) {
    RecordImport import(lists, kind, codec, today, now);
    for (const ImportedRecord& record : records)
        import.Add(record);
    if (!import.Faults().empty())
        return import.Faults().front();
    import.Commit();
    return {};
}

} // namespace zyntra
