#include "personal/editors/class_times.h"

namespace zyntra {
namespace {

constexpr int kNoon = 12;

ClockTime WorkingClockTime(int hour, int minute) {
    return {hour > kNoon ? hour - kNoon : hour, minute, hour >= kNoon};
}

int DayHour(const ClockTime& time) {
    return time.afternoon && time.hour < kNoon ? time.hour + kNoon : time.hour;
}

bool Earlier(int hour, int minute, int otherHour, int otherMinute) {
    return hour != otherHour ? hour < otherHour : minute < otherMinute;
}

} // namespace

ClockTimeRange WorkingClockTimes(const ClassTime& period) {
    return {WorkingClockTime(period.startHour, period.startMinute),
            WorkingClockTime(period.endHour, period.endMinute)};
}

ClassTime ClassTimeFromClock(const ClockTimeRange& chosen) {
    return {DayHour(chosen.start), chosen.start.minute, DayHour(chosen.end), chosen.end.minute};
}

const char* ClassTimeRefusal(const ClassTimes& times, int period, const ClassTime& candidate) {
    if (period > 0) {
        const ClassTime& previous = times[static_cast<std::size_t>(period - 1)];
        if (Earlier(candidate.startHour, candidate.startMinute, previous.endHour,
                    previous.endMinute))
            return "SM_ClassTimeError";
    }
    if (Earlier(candidate.endHour, candidate.endMinute, candidate.startHour, candidate.startMinute))
        return "SM_StartTimeIsOverThanEndTime";
    return nullptr;
}

} // namespace zyntra
