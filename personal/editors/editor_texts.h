#pragma once

#include "personal/class_table.h"
#include "personal/record_limits.h"
#include "personal/schedule_alarm.h"

#include <array>
#include <cstddef>
#include <string>

namespace zyntra {

// Text tables filled from the language file whenever the window applies its texts; each slot
// holds at most 49 bytes of text, as the fixed 50-byte slots the editors rely on.
inline constexpr std::size_t kTextSlotSize = 50;

struct TextTables {
    std::array<std::string, kAddressCategoryCount> categoryNames;
    std::array<std::string, kWeekdayCount> weekdayNames;
    std::array<std::string, kAlarmChoiceCount> alarmChoices;
};

} // namespace zyntra
