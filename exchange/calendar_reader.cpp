#include "exchange/calendar_components.h"
#include "exchange/calendar_exchange.h"
#include "exchange/content_lines.h"

#include <memory>

namespace zyntra {
namespace {

using ComponentPtr = std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)>;

// The first fault libical noted while parsing, anywhere in the component.
std::string ParseFault(icalcomponent* component) {
    for (icalproperty* p = icalcomponent_get_first_property(component, ICAL_XLICERROR_PROPERTY);
         p != nullptr; p = icalcomponent_get_next_property(component, ICAL_XLICERROR_PROPERTY))
        return icalproperty_get_xlicerror(p);
    for (icalcomponent* c = icalcomponent_get_first_component(component, ICAL_ANY_COMPONENT);
         c != nullptr; c = icalcomponent_get_next_component(component, ICAL_ANY_COMPONENT))
        if (std::string fault = ParseFault(c); !fault.empty())
            return fault;
    return {};
}

struct FileCheck {
    std::vector<std::size_t> beginLines; // of each record component, in order
    std::string error;
};

// The file's lines checked before libical sees them, which mends a missing END and takes
// any line length; each record component's first line, for the messages.
FileCheck CheckLines(std::string_view text, const char* componentName) {
    FileCheck check;
    if (text.find('\0') != std::string_view::npos) {
        check.error = "the file holds a zero byte, which no calendar text has";
        return check;
    }
    ContentLines read = ReadContentLines(text, false);
    check.error = read.error.empty() ? BlockFault(read.lines) : read.error;
    int depth = 0;
    for (const ContentLine& line : read.lines) {
        if (!check.error.empty())
            break;
        if (line.name == "BEGIN" && depth++ == 0 && !SameName(line.value, "VCALENDAR"))
            check.error = "line " + std::to_string(line.lineNumber) + ": BEGIN:" + line.value +
                          " is no calendar";
        if (line.name == "BEGIN" && SameName(line.value, componentName))
            check.beginLines.push_back(line.lineNumber);
        depth -= line.name == "END";
    }
    if (check.error.empty() && read.lines.empty())
        check.error = "the file holds no calendar";
    return check;
}

CalendarRecords ReadComponents(std::string_view text, icalcomponent_kind kind,
                               icalcomponent_kind otherKind, ComponentRead readOne) {
    const char* name = icalcomponent_kind_to_string(kind);
    CalendarRecords result;
    FileCheck check = CheckLines(text, name);
    if (!check.error.empty()) {
        result.error = check.error;
        return result;
    }
    icalerror_set_errors_are_fatal(0); // a fault of the file is told, never an abort
    ComponentPtr root(icalparser_parse_string(std::string(text).c_str()), icalcomponent_free);
    if (!root) {
        result.error = "the file is no iCalendar";
        return result;
    }
    // Several calendars in one file come under one root of libical's own.
    std::vector<icalcomponent*> calendars;
    if (icalcomponent_isa(root.get()) == ICAL_VCALENDAR_COMPONENT)
        calendars.push_back(root.get());
    for (icalcomponent* c = icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT);
         c != nullptr; c = icalcomponent_get_next_component(root.get(), ICAL_VCALENDAR_COMPONENT))
        calendars.push_back(c);
    std::size_t index = 0, others = 0;
    for (icalcomponent* calendar : calendars) {
        if (std::string fault = ParseFault(calendar); !fault.empty()) {
            result.error = "the file is no valid iCalendar: " + fault;
            break;
        }
        for (icalcomponent* c = icalcomponent_get_first_component(calendar, ICAL_ANY_COMPONENT);
             c != nullptr && result.error.empty();
             c = icalcomponent_get_next_component(calendar, ICAL_ANY_COMPONENT)) {
            others += icalcomponent_isa(c) == otherKind;
            if (icalcomponent_isa(c) != kind)
                continue;
            const std::size_t line = index < check.beginLines.size() ? check.beginLines[index] : 0;
            ++index;
            ExchangeRecord record;
            if (std::string fault = readOne(c, line, record); !fault.empty())
                result.error = "line " + std::to_string(line) + ": " + fault;
            result.records.push_back(std::move(record));
        }
    }
    if (!result.error.empty())
        result.records.clear();
    else if (others > 0)
        result.notes.push_back(std::to_string(others) + " " +
                               icalcomponent_kind_to_string(otherKind) +
                               " not read: they belong to the other list");
    return result;
}

} // namespace

CalendarRecords ReadAppointments(std::string_view text) {
    return ReadComponents(text, ICAL_VEVENT_COMPONENT, ICAL_VTODO_COMPONENT, ReadEventComponent);
}

CalendarRecords ReadTasks(std::string_view text) {
    return ReadComponents(text, ICAL_VTODO_COMPONENT, ICAL_VEVENT_COMPONENT, ReadTaskComponent);
}

} // namespace zyntra
