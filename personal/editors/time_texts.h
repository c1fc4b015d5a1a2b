#pragma once

#include "kit/date_time.h"
#include "kit/time_range_dialog.h"

#include <optional>
#include <string>
#include <string_view>

namespace zyntra {

// The texts in which the editors store dates and times, and how they read them back.

// "yyyy/mm/dd", the form of a schedule's or a task's date.
std::string DateText(const PlainDate& date);
// "hh:mm" on a 24-hour clock, not rounded.
std::string TimeText(int hour, int minute);
std::string TimeText(const PlainTime& time);
// "hh:mm AM" / "hh:mm PM": 0:05 gives 00:05 AM, 12:00 gives 12:00 PM, 13:30 gives 01:30 PM.
std::string TwelveHourText(int hour, int minute);
// The record's stamp: "yyyy/mm/dd hh:mm:ss".
std::string StampText(const PlainDateTime& when);

// The hour and the minute rounded down to a multiple of five; seconds dropped.
HourMinute RoundedParts(const PlainTime& time);
PlainTime TimeOf(const HourMinute& parts);

// A stored date or time as well as it can be read: the first numbers of the text in the order
// year, month, day (hour, minute), whatever separates them, or the digits of "yyyymmdd"
// ("hhmm") written without separators; nothing when they make no date or time, so the caller
// shows today or now instead. The device may write forms the editors never write.
std::optional<PlainDate> ReadDateText(std::string_view text);
std::optional<PlainTime> ReadTimeText(std::string_view text);

// The order of two stored dates in time, whatever their forms; texts that make no date sort
// before every date, among themselves as texts. Negative, zero or positive.
int CompareDateText(std::string_view a, std::string_view b);

} // namespace zyntra
