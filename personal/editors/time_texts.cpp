#include "personal/editors/time_texts.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace zyntra {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

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
        if (!IsDigit(text[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && IsDigit(text[i]))
            ++i;
        if (i - start > 4)
            break;
        numbers.push_back(std::stoi(std::string(text.substr(start, i - start))));
    }
    return numbers;
}

// "yyyymmdd" without separators.
std::optional<PlainDate> CompactDate(std::string_view text) {
    if (text.size() != 8 || !std::all_of(text.begin(), text.end(), IsDigit))
        return std::nullopt;
    const auto part = [text](std::size_t at, std::size_t length) {
        return std::stoi(std::string(text.substr(at, length)));
    };
    return PlainDate{part(0, 4), part(4, 2), part(6, 2)};
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
    std::optional<PlainDate> compact = CompactDate(text);
    const std::vector<int> numbers = NumbersIn(text, 3);
    if (!compact && numbers.size() < 3)
        return std::nullopt;
    const PlainDate date = compact ? *compact : PlainDate{numbers[0], numbers[1], numbers[2]};
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
