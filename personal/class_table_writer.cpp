#include "personal/writer_support.h"

#include <array>

namespace zyntra {
namespace {

struct CellTextField {
    const char* column;
    std::string CLASSTABLE::*member;
};

constexpr std::array<CellTextField, 5> kCellTexts = {{
    {"abbreviation", &CLASSTABLE::abbreviation},
    {"course_name", &CLASSTABLE::course_name},
    {"teacher", &CLASSTABLE::teacher},
    {"place", &CLASSTABLE::place},
    {"note", &CLASSTABLE::note},
}};

std::string CellUpdateStatement(const CLASSTABLE& cell, int id,
                                const std::array<DbText, kCellTexts.size()>& texts) {
    std::string sql = "update classtable set weekday=" + std::to_string(cell.weekday) +
                      ", class_no=" + std::to_string(cell.class_no) +
                      ", setting=" + std::to_string(cell.setting) + ", ";
    for (std::size_t i = 0; i < kCellTexts.size(); ++i)
        sql += std::string(kCellTexts[i].column) + "=" +
               (texts[i].empty ? std::string("NULL") : Quoted(texts[i])) + ", ";
    return sql + "color=" + std::to_string(cell.color) + ", locked=" + std::to_string(cell.locked) +
           ", stamp_time=CURRENT_TIMESTAMP where id=" + std::to_string(id) + ";";
}

} // namespace

void WriteClassTable(WriterContext& context, const ClassGrid& grid) {
    // The period times are only read: the count checks that the table is there.
    if (!CountOf(context.db, "select count(id) from classtime"))
        return;
    bool tableChecked = false;
    for (int w = 0; w < kWeekdayCount; ++w) {
        for (int p = 0; p < kClassPeriodCount; ++p) {
            const CLASSTABLE& cell = grid[w][p];
            std::array<DbText, kCellTexts.size()> texts;
            bool anyText = false;
            for (std::size_t i = 0; i < kCellTexts.size(); ++i) {
                texts[i] =
                    WriterText(cell.stored, kCellTexts[i].column, cell.*kCellTexts[i].member, true);
                anyText = anyText || !texts[i].empty;
            }
            if (!anyText)
                continue;
            if (!tableChecked) {
                if (!CountOf(context.db, "select count(id) from classtable"))
                    return;
                tableChecked = true;
            }
            // Every cell has its row: writing one counts as updating it, whatever the mode.
            if (RunReported(context,
                            CellUpdateStatement(cell, w * kClassPeriodCount + p + 1, texts)))
                ++context.counts.updated;
        }
    }
}

} // namespace zyntra
