#pragma once

#include "kit/dialog_types.h"

#include <optional>
#include <vector>

namespace zyntra {

struct HourMinute {
    int hour = 0;
    int minute = 0;

    friend bool operator==(const HourMinute&, const HourMinute&) = default;
};

struct TimeRange {
    HourMinute start;
    HourMinute end;

    friend bool operator==(const TimeRange&, const TimeRange&) = default;
};

// The item chosen in each of the dialog's four lists, -1 for none.
struct TimeRangeItems {
    int startHour = -1;
    int startMinute = -1;
    int endHour = -1;
    int endMinute = -1;

    friend bool operator==(const TimeRangeItems&, const TimeRangeItems&) = default;
};

// The start/end time dialog of a 24-hour day: hour lists "00".."23", minute lists
// "00", "05", .., "55".
TimeRangeItems ItemsForTimeRange(const TimeRange& working);
TimeRange TimeRangeFromItems(const TimeRangeItems& items);

// Opens with the lists chosen by ItemsForTimeRange(working) (hour item = hour, minute item =
// minute / 5; a value without an item chooses none). On OK returns TimeRangeFromItems of the
// lists as they are then (hour = item, minute = 5 x item, 0 where none is chosen).
class TimeRangeDialog {
public:
    virtual ~TimeRangeDialog() = default;
    virtual std::optional<TimeRange> Run(const TimeDialogTexts& texts,
                                         const TimeRange& working) = 0;
};

} // namespace zyntra
