#pragma once

#include "cli/record_table.h"

#include <functional>
#include <istream>
#include <string>
#include <vector>

namespace zyntra {

enum class RecordFormat { Json, Csv };

// A JSON array of objects with the fields in record order, or CSV with a
// header row of the field names.
std::string FormatRecords(const RecordTable& table, RecordFormat format);

// Receives each record as soon as it is read.
using RecordSink = std::function<void(ImportedRecord&&)>;

// Reads records of a kind, handing each to sink as it is read; the result is the error, empty
// when the input was read whole (records before a fault may have been handed over). Every
// value must have its field's type (a CSV cell of an integer field must hold an integer; an
// empty cell counts as a missing field); unknown field names and CSV rows with a missing
// column are errors.
std::string ReadRecords(std::istream& in, RecordFormat format, const std::vector<FieldInfo>& fields,
                        const RecordSink& sink);

} // namespace zyntra
