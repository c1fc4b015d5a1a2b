#pragma once

#include "personal/merge_rules.h"
#include "personal/record_statements.h"

namespace zyntra {

// The fields a list writer compares between a record and a row that its find statement
// returned: each counted field adds a match or a difference, each differing field (an integer)
// can only add a difference.
template <class Record> struct ComparedFields {
    const RecordFields<Record>& table;
    FieldList<Record> counted;
    FieldList<Record> differing;

    // `found` is the find statement's column list.
    MatchCount Count(const FieldList<Record>& found, const DbRows& rows, int row,
                     const Record& record, const FieldValues& values) const {
        MatchCount count;
        for (const Field<Record>& field : counted) {
            const char* rowValue = rows.Value(row, found.PositionOf(field.name));
            if (field.Type() == FieldType::Integer)
                count.CompareInteger(rowValue, record.*field.integer);
            else
                count.CompareText(rowValue, values.at(table.IndexOf(field)));
        }
        for (const Field<Record>& field : differing)
            count.DifferIfInteger(rows.Value(row, found.PositionOf(field.name)),
                                  record.*field.integer);
        return count;
    }
};

} // namespace zyntra
