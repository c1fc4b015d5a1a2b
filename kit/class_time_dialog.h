#pragma once

#include "kit/dialog_types.h"

#include <optional>
#include <vector>

namespace zyntra {

// A time as the 12-hour dialog shows it.
struct ClockTime {
    int hour = 0; // 1..12; 0 when no hour is chosen
    int minute = 0;
    bool afternoon = false;

    friend bool operator==(const ClockTime&, const ClockTime&) = default;
};

struct ClockTimeRange {
    ClockTime start;
    ClockTime end;

    friend bool operator==(const ClockTimeRange&, const ClockTimeRange&) = default;
};

// The item chosen in each of the dialog's six lists, -1 for none.
struct ClockTimeItems {
    int startHour = -1;
    int startMinute = -1;
    int startHalf = -1; // 0 "AM", 1 "PM"
    int endHour = -1;
    int endMinute = -1;
    int endHalf = -1;

    friend bool operator==(const ClockTimeItems&, const ClockTimeItems&) = default;
};

// The class-period time dialog: hour lists "01".."12", minute lists "00", "05", .., "55",
// half-of-day lists "AM", "PM".
ClockTimeItems ItemsForClockTimes(const ClockTimeRange& working);
ClockTimeRange ClockTimesFromItems(const ClockTimeItems& items);

// Opens with the lists chosen by ItemsForClockTimes(working) (hour item = hour - 1, so hour 0
// chooses none; minute item = minute / 5; half item = the afternoon flag). On OK returns
// ClockTimesFromItems of the lists as they are then (hour = item + 1 and 0 where none is
// chosen, minute = 5 x item, afternoon = the PM item). Turning this into a 24-hour time is the
// caller's business.
class ClassTimeDialog {
public:
    virtual ~ClassTimeDialog() = default;
    virtual std::optional<ClockTimeRange> Run(const TimeDialogTexts& texts,
                                              const ClockTimeRange& working) = 0;
};

} // namespace zyntra
