#pragma once

#include "personal/stored_form.h"
#include "storage/db.h"

#include <optional>
#include <string>
#include <string_view>

namespace zyntra {

// A query on one database that releases its result table when it goes out of scope.
struct ScopedQuery : DbQuery {
    explicit ScopedQuery(sqlite3* database) { db = database; }
    ~ScopedQuery() { db_free(*this); }
    ScopedQuery(const ScopedQuery&) = delete;
    ScopedQuery& operator=(const ScopedQuery&) = delete;
};

// Value of column `column` of data row `row` (1..nrow) of a select; null for SQL NULL.
const char* RowValue(const DbQuery& q, int row, int column);

// Runs a count (or max) statement: its value, or nothing when it fails.
std::optional<int> CountOf(sqlite3* db, std::string_view statement);

// The decimal value of a database text; 0 for NULL or a text that is no number.
int DecimalValue(const char* text);

// Whether a database text is the decimal form of value (a NULL never is).
bool DecimalEquals(const char* text, int value);

// A database text as memory holds it: complemented texts are complemented back, then the
// UTF-8 is converted with the open converter into the interface charset. The stored value is
// kept in `stored` under the column's name; a text that could not be converted whole makes the
// record read-only. Call KeepStoredFormIfReadOnly once the record is complete.
std::string LoadText(const char* value, bool complemented, std::string_view column,
                     StoredForm& stored);
void KeepStoredFormIfReadOnly(StoredForm& stored);
// A text taken as stored (dates, times), kept in `stored` as well: a read-only record is
// written back with everything as it was loaded.
std::string LoadPlainText(const char* value, std::string_view column, StoredForm& stored);

// One text as a writer puts it into a statement: its database form, and whether the text is
// empty (an empty text against NULL is neither equal nor different).
struct DbText {
    std::string form;
    bool empty = true;
};

// A memory text converted with the open converter to UTF-8 and, for the personal tables,
// complemented. A read-only record gives its stored value instead.
DbText WriterText(const StoredForm& stored, std::string_view column, const std::string& text,
                  bool complement);

// A text already in UTF-8 as a writer puts it into a statement: complemented for the personal
// tables. No converter is needed.
DbText Utf8WriterText(const std::string& utf8, bool complement);

// A plain ASCII column (dates, times): written as it is.
DbText PlainText(const std::string& text);
// The same for a column of a record: a read-only record gives its stored value instead.
DbText PlainText(const StoredForm& stored, std::string_view column, const std::string& text);

// Equality of a row's value and a writer's text, byte for byte: what db_text_equal decides for
// the memory text, computed once per record on its database form.
bool TextEquals(const char* dbValue, const DbText& text);

} // namespace zyntra
