#pragma once

#include "kit/class_time_dialog.h"
#include "personal/class_table.h"

namespace zyntra {

// The times of a class period as the 12-hour dialog works on them, and back.

// Hours from 13 on lose 12 and mark the afternoon; 12 and 0 stay as they are, so an hour of 0
// opens the dialog with no hour chosen.
ClockTimeRange WorkingClockTimes(const ClassTime& period);

// The 24-hour times of what the dialog gave. An afternoon hour below 12 gains 12, an hour of 12
// is noon with either half (so nothing before 01:00 can be chosen), and an hour left unchosen is
// 0 in the morning and 12 in the afternoon.
ClassTime ClassTimeFromClock(const ClockTimeRange& chosen);

// The language key of the reason period `period` may not take `candidate`, or null when it may:
// it must not start before the previous period ends, nor end before it starts. Later periods
// are not looked at.
const char* ClassTimeRefusal(const ClassTimes& times, int period, const ClassTime& candidate);

} // namespace zyntra
