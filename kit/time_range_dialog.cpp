#include "kit/time_range_dialog.h"

namespace zyntra {

namespace {

int ItemOrNone(int item, int itemCount) {
    return item >= 0 && item < itemCount ? item : -1;
}

int HourItem(int hour) {
    return ItemOrNone(hour, 24);
}

int MinuteItem(int minute) {
    return minute < 0 ? -1 : ItemOrNone(minute / 5, 12);
}

int ValueOrZero(int item, int scale) {
    return item < 0 ? 0 : item * scale;
}

} // namespace

TimeRangeItems ItemsForTimeRange(const TimeRange& working) {
    return {HourItem(working.start.hour), MinuteItem(working.start.minute),
            HourItem(working.end.hour), MinuteItem(working.end.minute)};
}

TimeRange TimeRangeFromItems(const TimeRangeItems& items) {
    return {{ValueOrZero(items.startHour, 1), ValueOrZero(items.startMinute, 5)},
            {ValueOrZero(items.endHour, 1), ValueOrZero(items.endMinute, 5)}};
}

} // namespace zyntra
