#include "kit/class_time_dialog.h"

namespace zyntra {

namespace {

int ItemOrNone(int item, int itemCount) {
    return item >= 0 && item < itemCount ? item : -1;
}

int HourItem(int hour) {
    return ItemOrNone(hour - 1, 12);
}

int MinuteItem(int minute) {
    return minute < 0 ? -1 : ItemOrNone(minute / 5, 12);
}

ClockTime TimeFromItems(int hourItem, int minuteItem, int halfItem) {
    return {hourItem < 0 ? 0 : hourItem + 1, minuteItem < 0 ? 0 : 5 * minuteItem, halfItem == 1};
}

} // namespace

ClockTimeItems ItemsForClockTimes(const ClockTimeRange& working) {
    return {HourItem(working.start.hour),    MinuteItem(working.start.minute),
            working.start.afternoon ? 1 : 0, HourItem(working.end.hour),
            MinuteItem(working.end.minute),  working.end.afternoon ? 1 : 0};
}

ClockTimeRange ClockTimesFromItems(const ClockTimeItems& items) {
    return {TimeFromItems(items.startHour, items.startMinute, items.startHalf),
            TimeFromItems(items.endHour, items.endMinute, items.endHalf)};
}

} // namespace zyntra
