#pragma once

namespace zyntra {

// A calendar date and a time of day as plain numbers, in local time.
struct PlainDate {
    int year = 2000;
    int month = 1; // 1..12
    int day = 1;   // 1..31

    friend bool operator==(const PlainDate&, const PlainDate&) = default;
};

struct PlainTime {
    int hour = 0;   // 0..23
    int minute = 0; // 0..59
    int second = 0; // 0..59

    friend bool operator==(const PlainTime&, const PlainTime&) = default;
};

struct PlainDateTime {
    PlainDate date;
    PlainTime time;

    friend bool operator==(const PlainDateTime&, const PlainDateTime&) = default;
};

int DaysInMonth(int year, int month); // 0 for a month outside 1..12
bool IsValidDate(const PlainDate& date);
bool IsValidTime(const PlainTime& time);

} // namespace zyntra
