#include "exchange/exchange_files.h"

#include "exchange/address_vcard.h"
#include "exchange/calendar_exchange.h"
#include "exchange/record_table.h"
#include "exchange/utf8_record.h"
#include "texts/charset_converter.h"

#include <filesystem>

namespace zyntra {
namespace {

void Put(std::FILE* out, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), out);
}

void Hand(std::vector<ExchangeRecord>& records, const std::function<void(ImportedRecord&&)>& sink,
          const ExchangeNote& note) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        ExchangeRecord& record = records[i];
        const std::string where = "record " + std::to_string(i + 1) + " (line " +
                                  std::to_string(record.lineNumber) + "): not mapped: ";
        for (const std::string& what : record.unmapped)
            note(where + what);
        ImportedRecord imported;
        imported.values = std::move(record.values);
        sink(std::move(imported));
    }
}

// Writes each record with `write`, which converts its texts with the converter it is given. A
// read-only record is written with the texts the device stored.
template <class R, class Write>
void PutRecords(std::FILE* out, const RecordList<R>& list, const RecordFields<R>& table,
                const CharsetConverter& toUtf8, Write write) {
    static const CharsetConverter unchanged("UTF-8", "UTF-8");
    for (const auto& record : list)
        Put(out, record->stored.readOnly ? write(RecordInUtf8(*record, table, toUtf8), unchanged)
                                         : write(*record, toUtf8));
}

} // namespace

std::optional<ExchangeFormat> ExchangeFormatByName(const std::string& name,
                                                   const std::string& vcardVersion) {
    if (name == "ical")
        return ExchangeFormat::ICalendar;
    if (name != "vcard")
        return std::nullopt;
    if (vcardVersion == "4.0")
        return ExchangeFormat::VCard40;
    if (vcardVersion == "3.0")
        return ExchangeFormat::VCard30;
    return std::nullopt;
}

std::optional<ExchangeFormat> ExchangeFormatOfFile(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == ".vcf" || extension == ".vcard")
        return ExchangeFormat::VCard40;
    if (extension == ".ics" || extension == ".ical")
        return ExchangeFormat::ICalendar;
    return std::nullopt;
}

std::optional<std::string> ExchangeKindFault(ExchangeFormat format, RecordKind kind) {
    if (format == ExchangeFormat::ICalendar) {
        if (kind != RecordKind::Schedule && kind != RecordKind::ToDo)
            return "iCalendar holds only the schedule and the to-do list";
    } else if (kind != RecordKind::AddressBook) {
        return "vCard holds only the address book";
    }
    return std::nullopt;
}

void WriteCalendar(std::FILE* out, const RecordLists& lists, const CharsetConverter& toUtf8) {
    Put(out, CalendarBegin());
    PutRecords(out, lists.ScheList, kScheduleFields, toUtf8, VEventOf);
    PutRecords(out, lists.ToDoList, kToDoFields, toUtf8, VTodoOf);
    Put(out, CalendarEnd());
}

void WriteExchange(std::FILE* out, const RecordLists& lists, RecordKind kind, ExchangeFormat format,
                   const CharsetConverter& toUtf8) {
    if (format != ExchangeFormat::ICalendar) {
        const VCardVersion version =
            format == ExchangeFormat::VCard30 ? VCardVersion::V30 : VCardVersion::V40;
        PutRecords(out, lists.AddrList, kAddressBookFields, toUtf8,
                   [version](const ADDRESSBOOK& entry, const CharsetConverter& converter) {
                       return VCardOf(entry, version, converter);
                   });
        return;
    }
    Put(out, CalendarBegin());
    if (kind == RecordKind::Schedule)
        PutRecords(out, lists.ScheList, kScheduleFields, toUtf8, VEventOf);
    else
        PutRecords(out, lists.ToDoList, kToDoFields, toUtf8, VTodoOf);
    Put(out, CalendarEnd());
}

std::string ReadExchange(std::string_view text, RecordKind kind, ExchangeFormat format,
                         const std::function<void(ImportedRecord&&)>& sink,
                         const ExchangeNote& note) {
    if (format != ExchangeFormat::ICalendar) {
        VCards cards = ReadVCards(text);
        if (!cards.error.empty())
            return cards.error;
        std::vector<ExchangeRecord> records;
        for (const VCard& card : cards.cards)
            records.push_back(AddressOfVCard(card));
        Hand(records, sink, note);
        return {};
    }
    CalendarRecords read = kind == RecordKind::Schedule ? ReadAppointments(text) : ReadTasks(text);
    if (!read.error.empty())
        return read.error;
    for (const std::string& what : read.notes)
        note(what);
    Hand(read.records, sink, note);
    return {};
}

std::string ReadCalendar(std::string_view text,
                         const std::function<void(RecordKind, ImportedRecord&&)>& sink,
                         const ExchangeNote& note) {
    CalendarRecords appointments = ReadAppointments(text);
    if (!appointments.error.empty())
        return appointments.error;
    CalendarRecords tasks = ReadTasks(text);
    if (!tasks.error.empty())
        return tasks.error;
    // Each reader's notes only tell of the other's components, which are read here too.
    for (const auto& [kind, read] :
         {std::pair{RecordKind::Schedule, &appointments}, std::pair{RecordKind::ToDo, &tasks}})
        Hand(
            read->records,
            [&sink, kind = kind](ImportedRecord&& record) { sink(kind, std::move(record)); }, note);
    return {};
}

} // namespace zyntra
