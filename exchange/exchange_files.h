#pragma once

#include "personal/personal_records.h"

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zyntra {

class CharsetConverter;
struct ImportedRecord;

// The address book as vCards, the schedule and the to-do list as iCalendar.
enum class ExchangeFormat { VCard30, VCard40, ICalendar };

// "vcard" (with its version, "3.0" or "4.0") and "ical"; nothing for another name or a
// version that is neither.
std::optional<ExchangeFormat> ExchangeFormatByName(const std::string& name,
                                                   const std::string& vcardVersion);
// The format a file's extension names (.vcf, .ics), or nothing.
std::optional<ExchangeFormat> ExchangeFormatOfFile(const std::string& path);
// Why the format does not fit the kind, or nothing.
std::optional<std::string> ExchangeKindFault(ExchangeFormat format, RecordKind kind);

// Writes the kind's records to `out`, their texts converted with `toUtf8`.
void WriteExchange(std::FILE* out, const RecordLists& lists, RecordKind kind, ExchangeFormat format,
                   const CharsetConverter& toUtf8);

// The schedule and the to-do list in one calendar: the appointments, then the tasks.
void WriteCalendar(std::FILE* out, const RecordLists& lists, const CharsetConverter& toUtf8);

// What a file says that no field takes, one line each ("record 2 (line 14): ...").
using ExchangeNote = std::function<void(const std::string&)>;

// Reads the kind's records of a file's text, handing each to `sink` and telling to `note`
// what it cannot map; the fault that refuses the whole text, or an empty text. No record is
// handed over when the text has a fault.
std::string ReadExchange(std::string_view text, RecordKind kind, ExchangeFormat format,
                         const std::function<void(ImportedRecord&&)>& sink,
                         const ExchangeNote& note);

// Reads both the appointments and the tasks of a calendar text, handing each record to `sink`
// with its kind; otherwise as ReadExchange.
std::string ReadCalendar(std::string_view text,
                         const std::function<void(RecordKind, ImportedRecord&&)>& sink,
                         const ExchangeNote& note);

} // namespace zyntra
