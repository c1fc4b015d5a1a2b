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

// Whether the cell's row holds everything its update would write, the stamp aside.
bool RowHolds(DbStatements& statements, int id, const FieldValues& values) {
    static const FieldList<CLASSTABLE> columns =
        kClassTableFields.Except({kRowIdColumn, kStampColumn});
    static const std::string select =
        "select " + columns.Names() + " from " + kClassTableFields.table + " where id = ?;";
    bool holds = false;
    statements.Run({select, {DbValue::Integer(id)}}, [&](const DbRows& row) {
        holds = true;
        for (std::size_t i = 0; i < columns.size(); ++i)
            holds = holds && TextEquals(row.Value(1, static_cast<int>(i)),
                                        values.at(kClassTableFields.IndexOf(columns[i])));
    });
    return holds;
}

// "weekday/period", both counted from 1.
std::string CellName(int weekday, int period) {
    return std::to_string(weekday + 1) + "/" + std::to_string(period + 1);
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
            const int id = w * kClassPeriodCount + p + 1;
            const bool holds = RowHolds(statements, id, values);
            // A read-only cell goes only where its row lacks its texts, as in a backup's fresh
            // copy; its own row is never written again.
            if (grid[w][p].stored.readOnly && holds)
                continue;
            // Every cell has its row, so a cell is always written, whatever the mode; the report
            // calls it updated only when its row held something else.
            if (!RunReported(context, statements, ClassCellUpdateStatement(id, values)))
                continue;
            if (holds) {
                ++context.counts.skippedEqual;
                continue;
            }
            ++context.counts.updated;
            context.differed.Add({RecordKind::ClassTable, CellName(w, p), DifferedAction::Updated});
        }
    }
}

} // namespace zyntra
