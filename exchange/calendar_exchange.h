#pragma once

#include "exchange/exchange_record.h"
#include "personal/personal_records.h"

#include <string>
#include <string_view>
#include <vector>

namespace zyntra {

class CharsetConverter;

// The to-do types as CATEGORIES names them.
const char* ToDoCategoryName(int category);

// A calendar file is CalendarBegin(), one component per record, CalendarEnd(); so an export
// writes each record as it comes.
std::string CalendarBegin();
std::string CalendarEnd();

// An appointment as a VEVENT: a date-only event when it has no start time, its alarm as a
// VALARM that many minutes before the start. Texts are converted from the interface charset
// with `toUtf8`; times are the device's own, without a time zone.
std::string VEventOf(const SCHEDULE& appointment, const CharsetConverter& toUtf8);
// A task as a VTODO: due date, summary, priority, status and type.
std::string VTodoOf(const PLANS& task, const CharsetConverter& toUtf8);

struct CalendarRecords {
    std::vector<ExchangeRecord> records;
    // What the file holds that is no record of the kind (the components of the other kind).
    std::vector<std::string> notes;
    std::string error; // the first fault; then no record is given
};

// The appointments (VEVENT) or the tasks (VTODO) of an iCalendar text, in the fields of
// kScheduleFields or kToDoFields, texts in UTF-8. A fault anywhere (no END, a line that is no
// property, a date or time that is none, an event without a start) refuses the whole text.
CalendarRecords ReadAppointments(std::string_view text);
CalendarRecords ReadTasks(std::string_view text);

} // namespace zyntra
