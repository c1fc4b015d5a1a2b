#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zyntra {

using CsvRow = std::vector<std::string>;

// Fields quoted when they hold a comma, a quote, a line break or leading or
// trailing blanks; quotes inside doubled; rows end with CR LF.
std::string WriteCsvRow(const CsvRow& fields);

struct CsvTable {
    std::vector<CsvRow> rows;
    std::string error; // empty when the text parsed
};

// Parses comma-separated text: quoted fields may hold commas, doubled
// quotes and line breaks; rows end with LF or CR LF; a final line break is
// optional; a UTF-8 byte-order mark is skipped. An unterminated quote or a
// quote inside an unquoted field is an error naming the line.
CsvTable ReadCsv(std::string_view text);

// The same, handing each row over as soon as it is parsed instead of keeping the table, so that
// a long file is never held twice; the result is the error, empty when the text parsed. The rows
// before a fault have been handed over.
using CsvRowSink = std::function<void(CsvRow&&)>;
std::string ReadCsvRows(std::string_view text, const CsvRowSink& sink);

} // namespace zyntra
