#include "exchange/calendar_exchange.h"
#include "exchange/calendar_names.h"
#include "personal/record_limits.h"
#include "personal/schedule_alarm.h"
#include "texts/charset_converter.h"

#include <array>
#include <cstdio>
#include <functional>
#include <libical/ical.h>
#include <optional>

namespace zyntra {
namespace {

constexpr std::array<const char*, kToDoTypeCount> kToDoCategoryNames = {"Business", "Personal",
                                                                        "Others"};

// "yyyy/mm/dd" and "hh:mm" as a date or a floating date-time: the device keeps wall-clock
// times of no zone. Nothing when the text is no date.
std::optional<icaltimetype> TimeOf(const std::string& date, const std::string& time) {
    icaltimetype t = icaltime_null_time();
    if (std::sscanf(date.c_str(), "%4d/%2d/%2d", &t.year, &t.month, &t.day) != 3)
        return std::nullopt;
    t.is_date = time.empty() ? 1 : 0;
    if (!time.empty() && std::sscanf(time.c_str(), "%2d:%2d", &t.hour, &t.minute) != 2)
        return std::nullopt;
    return t;
}

// The same record gives the same UID in every export, so a calendar that imports it twice
// sees one event.
std::string Uid(const char* kind, int id, const std::string& date, const std::string& content) {
    const std::size_t hash = std::hash<std::string>{}(date + '\n' + content);
    char text[96];
    std::snprintf(text, sizeof text, "%s-%d-%016zx@zyntra", kind, id, hash);
    return text;
}

icalcomponent* NewComponent(icalcomponent_kind kind, const std::string& uid) {
    icalcomponent* component = icalcomponent_new(kind);
    icalcomponent_add_property(component, icalproperty_new_uid(uid.c_str()));
    icalcomponent_add_property(component, icalproperty_new_dtstamp(icaltime_current_time_with_zone(
                                              icaltimezone_get_utc_timezone())));
    return component;
}

void AddLock(icalcomponent* component, int locked) {
    if (locked == 0)
        return;
    icalproperty* lock = icalproperty_new_x("1");
    icalproperty_set_x_name(lock, kLockedProperty);
    icalcomponent_add_property(component, lock);
}

// The component's text, with the component freed.
std::string Serialised(icalcomponent* component) {
    char* text = icalcomponent_as_ical_string_r(component);
    std::string result = text != nullptr ? text : "";
    icalmemory_free_buffer(text);
    icalcomponent_free(component);
    return result;
}

icalcomponent* Alarm(int minutes, const std::string& summary) {
    icalcomponent* alarm = icalcomponent_new_valarm();
    icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
    icalcomponent_add_property(alarm, icalproperty_new_description(summary.c_str()));
    icaltriggertype trigger = icaltriggertype_from_int(0);
    trigger.duration = icaldurationtype_from_int(-minutes * 60);
    icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
    return alarm;
}

} // namespace

const char* ToDoCategoryName(int category) {
    return category >= 0 && category < kToDoTypeCount ? kToDoCategoryNames[category]
                                                      : kToDoCategoryNames[kToDoTypeCount - 1];
}

std::string CalendarBegin() {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Zyntra//Zyntra 1.0//EN\r\n";
}

std::string CalendarEnd() {
    return "END:VCALENDAR\r\n";
}

std::string VEventOf(const SCHEDULE& appointment, const CharsetConverter& toUtf8) {
    const std::string summary = toUtf8.ConvertLenient(appointment.content);
    icalcomponent* event = NewComponent(
        ICAL_VEVENT_COMPONENT,
        Uid("schedule", appointment.id, appointment.date + appointment.start_time, summary));
    if (std::optional<icaltimetype> start = TimeOf(appointment.date, appointment.start_time)) {
        icalcomponent_add_property(event, icalproperty_new_dtstart(*start));
        // A date-only event ends at the start of the next day; a timed one without an end
        // time ends where it starts, which no DTEND says.
        std::optional<icaltimetype> end;
        if (start->is_date)
            end = icaltime_add(*start, icaldurationtype_from_int(86400));
        else if (!appointment.end_time.empty())
            end = TimeOf(appointment.date, appointment.end_time);
        if (end)
            icalcomponent_add_property(event, icalproperty_new_dtend(*end));
    }
    icalcomponent_add_property(event, icalproperty_new_summary(summary.c_str()));
    AddLock(event, appointment.locked);
    if (appointment.alarm_BStime >= 0)
        icalcomponent_add_component(event, Alarm(appointment.alarm_BStime, summary));
    return Serialised(event);
}

std::string VTodoOf(const PLANS& task, const CharsetConverter& toUtf8) {
    const std::string summary = toUtf8.ConvertLenient(task.content);
    icalcomponent* todo =
        NewComponent(ICAL_VTODO_COMPONENT, Uid("todo", task.id, task.date, summary));
    if (std::optional<icaltimetype> due = TimeOf(task.date, ""))
        icalcomponent_add_property(todo, icalproperty_new_due(*due));
    icalcomponent_add_property(todo, icalproperty_new_summary(summary.c_str()));
    if (task.priority != 0)
        icalcomponent_add_property(todo, icalproperty_new_priority(ICalPriority(task.priority)));
    icalcomponent_add_property(todo,
                               icalproperty_new_status(task.status != 0 ? ICAL_STATUS_COMPLETED
                                                                        : ICAL_STATUS_NEEDSACTION));
    icalcomponent_add_property(todo, icalproperty_new_categories(ToDoCategoryName(task.category)));
    AddLock(todo, task.locked);
    return Serialised(todo);
}

} // namespace zyntra
