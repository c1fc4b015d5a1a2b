#pragma once

#include "cli/record_table.h"

#include <string>
#include <vector>

namespace zyntra {

enum class RecordFormat { Json, Csv };

// A JSON array of objects with the fields in record order, or CSV with a
// header row of the field names.
std::string FormatRecords(const RecordTable& table, RecordFormat format);

struct ParsedRecords {
    std::vector<ImportedRecord> records;
    std::string error; // empty when the text was read whole
};

// Reads records of a kind. Every value must have its field's type (a CSV
// cell of an integer field must hold an integer; an empty cell counts as a
// missing field); unknown field names and CSV rows with a missing column are
// errors.
ParsedRecords ParseRecords(const std::string& text, RecordFormat format,
                           const std::vector<FieldInfo>& fields);

} // namespace zyntra
