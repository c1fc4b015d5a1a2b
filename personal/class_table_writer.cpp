#include "personal/record_statements.h"
#include "personal/writer_support.h"

#include <algorithm>

namespace zyntra {
namespace {

// A cell is written only when one of its texts holds something.
bool AnyText(const FieldValues& values) {
    return std::any_of(CellTexts().begin(), CellTexts().end(), [&](const Field<CLASSTABLE>& text) {
        return !values.at(kClassTableFields.IndexOf(text)).empty;
    });
}

} // namespace

void WriteClassTable(WriterContext& context, const ClassGrid& grid) {
    // The period times are only read: the count checks that the table is there.
    if (!CountOf(context.db, "select count(id) from classtime")) {
        context.stopped = true;
        return;
    }
    bool tableChecked = false;
    DbStatements statements(context.db);
    for (int w = 0; w < kWeekdayCount; ++w) {
        for (int p = 0; p < kClassPeriodCount; ++p) {
            const FieldValues values = WriterValues(kClassTableFields, grid[w][p]);
            if (!AnyText(values))
                continue;
            if (!tableChecked) {
                if (!CountOf(context.db, "select count(id) from classtable")) {
                    context.stopped = true;
                    return;
                }
                tableChecked = true;
            }
            // Every cell has its row: writing one counts as updating it, whatever the mode.
            if (RunReported(context, statements,
                            ClassCellUpdateStatement(w * kClassPeriodCount + p + 1, values)))
                ++context.counts.updated;
        }
    }
}

} // namespace zyntra
