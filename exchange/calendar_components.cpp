#include "exchange/calendar_components.h"

#include "exchange/calendar_exchange.h"
#include "exchange/calendar_names.h"
#include "exchange/content_lines.h"
#include "personal/record_limits.h"
#include "personal/schedule_alarm.h"

#include <cstdio>
#include <optional>

namespace zyntra {
namespace {

std::string DateText(const icaltimetype& t) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", t.year, t.month, t.day);
    return text;
}

std::string TimeText(const icaltimetype& t) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", t.hour, t.minute);
    return text;
}

// libical takes "20241345" for a date; the calendar does not.
bool IsRealTime(const icaltimetype& t) {
    if (icaltime_is_null_time(t) || t.year < 1 || t.year > 9999 || t.month < 1 || t.month > 12 ||
        t.day < 1 || t.day > icaltime_days_in_month(t.month, t.year))
        return false;
    return t.is_date || (t.hour < 24 && t.minute < 60 && t.second <= 60);
}

std::string ValueText(icalproperty* property) {
    const char* value = icalproperty_get_value_as_string(property);
    return value != nullptr ? value : "";
}

std::string PropertyName(icalproperty* property) {
    const char* name = icalproperty_isa(property) == ICAL_X_PROPERTY
                           ? icalproperty_get_x_name(property)
                           : icalproperty_get_property_name(property);
    return name != nullptr ? name : "";
}

// What every record component has; each kind reads its own properties and passes the rest here.
class ComponentReader {
public:
    ComponentReader(icalcomponent* component, std::size_t lineNumber) : component_(component) {
        record_.lineNumber = lineNumber;
    }
    virtual ~ComponentReader() = default;

    // The record, or the fault of the component.
    std::string Read(ExchangeRecord& record) {
        for (icalproperty* p = icalcomponent_get_first_property(component_, ICAL_ANY_PROPERTY);
             p != nullptr && fault_.empty();
             p = icalcomponent_get_next_property(component_, ICAL_ANY_PROPERTY))
            if (!Property(p))
                Common(p);
        for (icalcomponent* c = icalcomponent_get_first_component(component_, ICAL_ANY_COMPONENT);
             c != nullptr && fault_.empty();
             c = icalcomponent_get_next_component(component_, ICAL_ANY_COMPONENT))
            if (!Component(c))
                Note(std::string("a ") + icalcomponent_kind_to_string(icalcomponent_isa(c)));
        if (fault_.empty())
            Finish();
        record = std::move(record_);
        return fault_;
    }

protected:
    // Whether the kind took the property or the sub-component.
    virtual bool Property(icalproperty* property) = 0;
    virtual bool Component(icalcomponent*) { return false; }
    virtual void Finish() {}

    // A date or date-time; a fault when it is none. Its zone, which no field keeps, is noted.
    std::optional<icaltimetype> Time(icalproperty* property, icaltimetype t) {
        if (!IsRealTime(t)) {
            fault_ = PropertyName(property) + " " + ValueText(property) + " is no date";
            return std::nullopt;
        }
        if (icalparameter* zone = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER))
            Zone(std::string("the time zone ") + icalparameter_get_tzid(zone));
        else if (icaltime_is_utc(t))
            Zone("the time zone UTC");
        return t;
    }

    void Unmapped(icalproperty* property, const std::string& why) {
        std::string what = PropertyName(property);
        const std::string value = ValueText(property);
        if (!value.empty() && value.size() <= 60)
            what += " \"" + value + "\"";
        Note(why.empty() ? what : what + " (" + why + ")");
    }
    void Note(std::string what) { record_.unmapped.push_back(std::move(what)); }
    void Fail(std::string fault) { fault_ = std::move(fault); }

    ExchangeRecord record_;

private:
    void Common(icalproperty* property) {
        switch (icalproperty_isa(property)) {
        case ICAL_SUMMARY_PROPERTY:
            if (record_.Has("content"))
                return Unmapped(property, "a second summary");
            return record_.Set("content", std::string(icalproperty_get_summary(property)));
        // The file's own bookkeeping, which no record of ours has.
        case ICAL_UID_PROPERTY:
        case ICAL_DTSTAMP_PROPERTY:
        case ICAL_CREATED_PROPERTY:
        case ICAL_LASTMODIFIED_PROPERTY:
        case ICAL_SEQUENCE_PROPERTY:
            return;
        case ICAL_RRULE_PROPERTY:
            return Unmapped(property, "a recurrence rule: only the first date is kept");
        case ICAL_RDATE_PROPERTY:
        case ICAL_EXDATE_PROPERTY:
            return Unmapped(property, "further dates: only the first is kept");
        default:
            break;
        }
        if (PropertyName(property) != kLockedProperty)
            return Unmapped(property, "");
        const std::string value = ValueText(property);
        if (value != "0" && value != "1")
            return Unmapped(property, "neither 1 nor 0");
        record_.Set("locked", value == "1" ? 1LL : 0LL);
    }

    void Zone(const std::string& zone) {
        if (!zoneNoted_)
            Note(zone + ": the times are kept as written there");
        zoneNoted_ = true;
    }

    icalcomponent* component_;
    std::string fault_;
    bool zoneNoted_ = false;
};

class EventReader : public ComponentReader {
public:
    using ComponentReader::ComponentReader;

private:
    bool Property(icalproperty* p) override {
        switch (icalproperty_isa(p)) {
        case ICAL_DTSTART_PROPERTY:
            start_ = Time(p, icalproperty_get_dtstart(p));
            return true;
        case ICAL_DTEND_PROPERTY:
            end_ = Time(p, icalproperty_get_dtend(p));
            return true;
        case ICAL_DURATION_PROPERTY:
            duration_ = icalproperty_get_duration(p);
            return true;
        default:
            return false;
        }
    }

    bool Component(icalcomponent* c) override {
        if (icalcomponent_isa(c) != ICAL_VALARM_COMPONENT)
            return false;
        icalproperty* trigger = icalcomponent_get_first_property(c, ICAL_TRIGGER_PROPERTY);
        const icaltriggertype when =
            trigger ? icalproperty_get_trigger(trigger) : icaltriggertype_from_int(0);
        icalparameter* related =
            trigger ? icalproperty_get_first_parameter(trigger, ICAL_RELATED_PARAMETER) : nullptr;
        const bool fromStart = trigger && icaltime_is_null_time(when.time) &&
                               (!related || icalparameter_get_related(related) != ICAL_RELATED_END);
        const int minutes = -icaldurationtype_as_int(when.duration) / 60;
        if (record_.Has("alarm_BStime"))
            Note("a second alarm");
        else if (!fromStart || minutes < 0 || minutes > kLatestAlarmMinutes)
            Note("an alarm " + (trigger ? ValueText(trigger) : std::string("without a trigger")) +
                 " (only an alarm up to a day before the start is kept)");
        else {
            record_.Set("alarm_BStime", static_cast<long long>(minutes));
            record_.Set("alarm", static_cast<long long>(AlarmChoice(minutes)));
        }
        return true;
    }

    void Finish() override {
        if (!start_)
            return Fail("the VEVENT has no DTSTART");
        record_.Set("date", DateText(*start_));
        if (!record_.Has("alarm_BStime")) {
            record_.Set("alarm_BStime", -1LL);
            record_.Set("alarm", 0LL);
        }
        std::optional<icaltimetype> end = end_;
        if (!end && duration_)
            end = icaltime_add(*start_, *duration_);
        if (start_->is_date) {
            const int days =
                end ? icaldurationtype_as_int(icaltime_subtract(*end, *start_)) / 86400 : 1;
            if (days > 1)
                Note("lasts " + std::to_string(days) + " days: only the first is kept");
            return;
        }
        record_.Set("start_time", TimeText(*start_));
        if (!end)
            return;
        if (end->is_date || DateText(*end) != DateText(*start_))
            return Note("the end " + DateText(*end) + (end->is_date ? "" : " " + TimeText(*end)) +
                        " on another day: no end time is kept");
        record_.Set("end_time", TimeText(*end));
    }

    std::optional<icaltimetype> start_;
    std::optional<icaltimetype> end_;
    std::optional<icaldurationtype> duration_;
};

class TaskReader : public ComponentReader {
public:
    using ComponentReader::ComponentReader;

private:
    bool Property(icalproperty* p) override {
        switch (icalproperty_isa(p)) {
        case ICAL_DUE_PROPERTY:
            if (std::optional<icaltimetype> due = Time(p, icalproperty_get_due(p))) {
                record_.Set("date", DateText(*due));
                if (!due->is_date)
                    Note("the due time " + TimeText(*due) + " (a task has a date only)");
            }
            return true;
        case ICAL_PRIORITY_PROPERTY:
            record_.Set("priority",
                        static_cast<long long>(PriorityOfICal(icalproperty_get_priority(p))));
            return true;
        case ICAL_STATUS_PROPERTY:
            Status(p);
            return true;
        case ICAL_COMPLETED_PROPERTY:
            completed_ = true;
            return true;
        case ICAL_PERCENTCOMPLETE_PROPERTY:
            if (icalproperty_get_percentcomplete(p) == 100)
                completed_ = true;
            else if (icalproperty_get_percentcomplete(p) != 0)
                Unmapped(p, "a task is done or not");
            return true;
        case ICAL_CATEGORIES_PROPERTY:
            Category(p);
            return true;
        default:
            return false;
        }
    }

    void Status(icalproperty* p) {
        const icalproperty_status status = icalproperty_get_status(p);
        if (status == ICAL_STATUS_CANCELLED)
            Unmapped(p, "kept as not done");
        record_.Set("status", status == ICAL_STATUS_COMPLETED ? 1LL : 0LL);
    }

    void Category(icalproperty* p) {
        for (const std::string& name : SplitEscaped(icalproperty_get_categories(p), ',')) {
            int known = -1;
            for (int type = 0; type < kToDoTypeCount; ++type)
                if (SameName(name, ToDoCategoryName(type)))
                    known = type;
            if (known >= 0 && !record_.Has("category")) {
                record_.Set("category", static_cast<long long>(known));
                continue;
            }
            Note("the category \"" + name + "\"" +
                 (record_.Has("category") ? "" : ": filed under Others"));
            if (!record_.Has("category"))
                record_.Set("category", static_cast<long long>(kToDoTypeCount - 1));
        }
    }

    void Finish() override {
        if (!record_.Has("date"))
            Note("no due date: the task gets today's");
        if (completed_ && !record_.Has("status"))
            record_.Set("status", 1LL);
    }

    bool completed_ = false;
};

} // namespace

std::string ReadEventComponent(icalcomponent* event, std::size_t lineNumber,
                               ExchangeRecord& record) {
    return EventReader(event, lineNumber).Read(record);
}

std::string ReadTaskComponent(icalcomponent* task, std::size_t lineNumber, ExchangeRecord& record) {
    return TaskReader(task, lineNumber).Read(record);
}

} // namespace zyntra
