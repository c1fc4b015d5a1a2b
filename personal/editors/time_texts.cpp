#include "personal/editors/time_texts.h"

#include "personal/editors/list_order.h"

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

// The first run of digits of the text; empty when it has none.
std::string_view FirstDigitRun(std::string_view text) {
    constexpr std::string_view kDigits = "0123456789";
    const std::size_t begin = text.find_first_of(kDigits);
    if (begin == std::string_view::npos)
        return {};
    const std::size_t end = text.find_first_not_of(kDigits, begin);
    return text.substr(begin, end == std::string_view::npos ? end : end - begin);
}

int NumberOf(std::string_view digits) {
    int value = 0;
    for (char digit : digits)
        value = value * 10 + (digit - '0');
    return value;
}

// Parts written without separators: "yyyymmdd" for a date (a time may follow), "hhmm" or
// "hmm" for a time (seconds may follow).
std::vector<int> CompactDateParts(std::string_view text) {
    const std::string_view run = FirstDigitRun(text);
    if (run.size() < 8)
        return {};
    return {NumberOf(run.substr(0, 4)), NumberOf(run.substr(4, 2)), NumberOf(run.substr(6, 2))};
}

std::vector<int> CompactTimeParts(std::string_view text) {
    const std::string_view run = FirstDigitRun(text);
    if (run.size() == 3)
        return {NumberOf(run.substr(0, 1)), NumberOf(run.substr(1, 2))};
    if (run.size() == 4 || run.size() == 6)
        return {NumberOf(run.substr(0, 2)), NumberOf(run.substr(2, 2))};
    return {};
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
    std::vector<int> numbers = NumbersIn(text, 3);
    if (numbers.size() < 3)
        numbers = CompactDateParts(text);
    if (numbers.size() < 3)
        return std::nullopt;
    const PlainDate date{numbers[0], numbers[1], numbers[2]};
    if (date.year < 1 || !IsValidDate(date))
        return std::nullopt;
    return date;
}

std::optional<PlainTime> ReadTimeText(std::string_view text) {
    std::vector<int> numbers = NumbersIn(text, 2);
    if (numbers.size() < 2)
        numbers = CompactTimeParts(text);
    if (numbers.size() < 2)
        return std::nullopt;
    const PlainTime time{numbers[0], numbers[1], 0};
    if (!IsValidTime(time))
        return std::nullopt;
    return time;
}

int CompareDateText(std::string_view a, std::string_view b) {
    const std::optional<PlainDate> first = ReadDateText(a);
    const std::optional<PlainDate> second = ReadDateText(b);
    if (!first || !second) {
        if (first.has_value() != second.has_value())
            return first ? 1 : -1;
        return CompareListText(a, b);
    }
    const auto dayNumber = [](const PlainDate& date) {
        return (date.year * 100 + date.month) * 100 + date.day;
    };
    return CompareNumber(dayNumber(*first), dayNumber(*second));
}

} // namespace zyntra
