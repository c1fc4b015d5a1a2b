#pragma once

#include <string_view>

namespace zyntra {

// What the iCalendar reader and writer of the records share.

// The marker of a locked record; no standard property says "this record needs the password".
inline constexpr const char* kLockedProperty = "X-ZYNTRA-LOCKED";

// The four priorities (none, high, medium, low) and iCalendar's 0..9, where 1..4 is high,
// 5 medium and 6..9 low.
constexpr int ICalPriority(int priority) {
    constexpr int values[] = {0, 1, 5, 9};
    return priority >= 0 && priority < 4 ? values[priority] : 0;
}
constexpr int PriorityOfICal(int value) {
    if (value >= 1 && value <= 4)
        return 1;
    if (value == 5)
        return 2;
    return value >= 6 && value <= 9 ? 3 : 0;
}

} // namespace zyntra
