#pragma once

namespace zyntra {

// An appointment's alarm is stored twice: as the choice the user made (`alarm`, 0..3) and as
// the minutes before the start at which it rings (`alarm_BStime`, -1 for none), which is what
// the device reads.
inline constexpr int kAlarmChoiceCount = 4;

// The most minutes before the start that stored minutes may say: up to a day, which covers
// every choice and what the device itself stores.
inline constexpr int kLatestAlarmMinutes = 24 * 60;

// The minutes of a choice; a choice outside 0..3 rings never.
constexpr int AlarmMinutes(int choice) {
    constexpr int minutes[kAlarmChoiceCount] = {-1, 0, 30, 60};
    return choice >= 0 && choice < kAlarmChoiceCount ? minutes[choice] : -1;
}

// The choice that stands for stored minutes: any value the choices do not write (the device
// may store 15) reads as the earliest alarm, one hour before.
constexpr int AlarmChoice(int minutes) {
    switch (minutes) {
    case -1:
        return 0;
    case 0:
        return 1;
    case 30:
        return 2;
    default:
        return 3;
    }
}

} // namespace zyntra
