#pragma once

#include "personal/stored_form.h"

#include <array>
#include <cstdint>
#include <string>

namespace zyntra {

inline constexpr int kWeekdayCount = 7;
inline constexpr int kClassPeriodCount = 12;

// One cell of the weekly timetable. Texts are in the interface charset.
struct CLASSTABLE {
    int weekday = 0;
    int class_no = 0;
    std::string abbreviation;
    std::string course_name;
    std::string teacher;
    std::string place;
    std::string note;
    int color = 0; // colour code 0..5
    int locked = 0;
    int setting = 0; // 1 = filled in, 0 = cleared
    std::string stamp_time;
    std::string classLabel;
    std::string weekdayLabel;
    std::uint32_t displayColour = 0xFFFFFF; // 0x00BBGGRR
    StoredForm stored;
};

struct ClassTime {
    int startHour = 0;
    int startMinute = 0;
    int endHour = 0;
    int endMinute = 0;

    friend bool operator==(const ClassTime&, const ClassTime&) = default;
};

// Indexed [weekday index 0..6][class period index 0..11].
using ClassGrid = std::array<std::array<CLASSTABLE, kClassPeriodCount>, kWeekdayCount>;
using ClassTimes = std::array<ClassTime, kClassPeriodCount>;

// The colour a cell is shown in for its colour code (0x00BBGGRR).
std::uint32_t DisplayColour(int colorCode);

// The start hour of period p: four morning periods from 8, four afternoon
// periods from 13, four evening periods from 18.
int DefaultPeriodStartHour(int period);

// The timetable as a fresh start shows it: every period on the hour, ending at
// minute 50; every cell empty (and so writable) and white, labelled with its
// weekday name and its period number in the one-integer format classNoFormat
// ("Class %d").
void InitClassTimetable(ClassGrid& grid, ClassTimes& times,
                        const std::array<std::string, kWeekdayCount>& weekdayNames,
                        const std::string& classNoFormat);

} // namespace zyntra
