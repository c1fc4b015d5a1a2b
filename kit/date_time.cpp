#include "kit/date_time.h"

namespace zyntra {

int DaysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

bool IsValidDate(const PlainDate& date) {
    return date.year >= 1 && date.year <= 9999 && date.day >= 1 &&
           date.day <= DaysInMonth(date.year, date.month);
}

bool IsValidTime(const PlainTime& time) {
    return time.hour >= 0 && time.hour <= 23 && time.minute >= 0 && time.minute <= 59 &&
           time.second >= 0 && time.second <= 59;
}

} // namespace zyntra
