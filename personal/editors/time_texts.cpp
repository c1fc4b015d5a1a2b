#include "personal/editors/time_texts.h"

#include <cstdio>
#include <vector>

namespace zyntra {
namespace {

std::string TwoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

// The runs of digits of the text as numbers; a run too long for a date part ends the reading.
std::vector<int> NumbersIn(std::string_view text, std::size_t wanted) {
    std::vector<int> numbers;
    std::size_t i = 0;
    while (i < text.size() && numbers.size() < wanted) {
        if (text[i] < '0' || text[i] > '9') {
            ++i;
            continue;
        }
        int value = 0;
        int digits = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {
            if (digits == 4)
                return numbers;
            value = value * 10 + (text[i] - '0');
        }
        numbers.push_back(value);
    }
    return numbers;
}

} // namespace

std::string DateText(const PlainDate& date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", date.year, date.month, date.day);
    return text;
}

std::string TimeText(int hour, int minute) {
    return TwoDigits(hour) + ":" + TwoDigits(minute);
}

std::string TimeText(const PlainTime& time) {
    return TimeText(time.hour, time.minute);
}

std::string TwelveHourText(int hour, int minute) {
    if (hour < 12)
        return TimeText(hour, minute) + " AM";
    return TimeText(hour > 12 ? hour - 12 : hour, minute) + " PM";
}

std::string StampText(const PlainDateTime& when) {
    return DateText(when.date) + " " + TimeText(when.time) + ":" + TwoDigits(when.time.second);
}

HourMinute RoundedParts(const PlainTime& time) {
    return {time.hour, time.minute - time.minute % 5};
}

PlainTime TimeOf(const HourMinute& parts) {
    return {parts.hour, parts.minute, 0};
}

std::optional<PlainDate> ReadDateText(std::string_view text) {
    const std::vector<int> numbers = NumbersIn(text, 3);
    if (numbers.size() < 3)
        return std::nullopt;
    const PlainDate date{numbers[0], numbers[1], numbers[2]};
    if (date.year < 1 || !IsValidDate(date))
        return std::nullopt;
    return date;
}

std::optional<PlainTime> ReadTimeText(std::string_view text) {
    const std::vector<int> numbers = NumbersIn(text, 2);
    if (numbers.size() < 2)
        return std::nullopt;
    const PlainTime time{numbers[0], numbers[1], 0};
    if (!IsValidTime(time))
        return std::nullopt;
    return time;
}

} // namespace zyntra
