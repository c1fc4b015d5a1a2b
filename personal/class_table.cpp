#include "personal/class_table.h"

#include "personal/record_fields.h"
#include "texts/lang_text.h"

namespace zyntra {

std::uint32_t DisplayColour(int colorCode) {
    switch (colorCode) {
    case 0:
        return 0x0000FF;
    case 1:
        return 0x008080;
    case 2:
        return 0x800080;
    case 3:
        return 0x808000;
    case 4:
        return 0x00FF00;
    default:
        return 0x808080;
    }
}

int DefaultPeriodStartHour(int period) {
    return 8 + period + period / 4;
}

void InitClassTimetable(ClassGrid& grid, ClassTimes& times,
                        const std::array<std::string, kWeekdayCount>& weekdayNames,
                        const std::string& classNoFormat) {
    for (int p = 0; p < kClassPeriodCount; ++p) {
        int hour = DefaultPeriodStartHour(p);
        times[p] = {hour, 0, hour, 50};
    }
    for (int w = 0; w < kWeekdayCount; ++w) {
        for (int p = 0; p < kClassPeriodCount; ++p) {
            CLASSTABLE& cell = grid[w][p];
            cell.weekday = w + 1;
            cell.class_no = p + 1;
            cell.weekdayLabel = weekdayNames[w];
            cell.classLabel = FormatCount(classNoFormat, p + 1);
            for (const Field<CLASSTABLE>& text : CellTexts())
                (cell.*text.text).clear();
            cell.color = 0;
            cell.locked = 0;
            cell.displayColour = 0xFFFFFF;
            cell.stored = StoredForm{};
        }
    }
}

} // namespace zyntra
