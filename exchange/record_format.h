#pragma once

#include "exchange/record_table.h"

#include <cstdio>
#include <functional>
#include <istream>
#include <string>
#include <vector>

namespace zyntra {

enum class RecordFormat { Json, Csv };

// Writes records as they come, so that an export never holds its output: a JSON array of
// objects with the fields in record order (as a whole-array dump with an indent of two would
// write it), or CSV with a header row of the field names.
class RecordWriter {
public:
    RecordWriter(std::FILE* out, RecordFormat format, const std::vector<FieldInfo>& fields);
    // One record, its values in the order of the fields.
    void Write(const std::vector<FieldValue>& row);
    // Ends the output; call once, after the last record.
    void Finish();

private:
    void Put(const std::string& text);

    std::FILE* out_;
    RecordFormat format_;
    const std::vector<FieldInfo>& fields_;
    std::size_t written_ = 0;
};

// The rest of a stream, as one text (for the readers that take a whole text).
std::string ReadAll(std::istream& in);

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
