#pragma once

#include <cstddef>
#include <string>
#include <string_view>

struct sqlite3;

namespace zyntra {

// The one statement buffer of the process holds the last statement run.
inline constexpr std::size_t kStatementBufferSize = 2048;
inline constexpr std::size_t kMaxStatementLength = kStatementBufferSize - 1;

// Flag bits of DbQuery::flags.
inline constexpr int kDbTrace = 0x01;     // trace the call on standard output
inline constexpr int kDbFreeTable = 0x80; // release a select's table before returning

// One query in progress, owned by the caller and reused statement after
// statement. A select's table stays with the record until db_free.
struct DbQuery {
    sqlite3* db = nullptr;
    const char* sql = nullptr; // the statement buffer, after db_query
    int flags = 0;
    int rc = 0;                  // result of the last successful statement, else 0
    const int* widths = nullptr; // trace column widths; null means 16 each
    int nrow = 0;
    int ncol = 0;
    // (nrow + 1) x ncol entries, row 0 the column names; null entry = SQL NULL.
    // Column k of a one-row result is table[ncol + k].
    char** table = nullptr;
    // A copy of SQLite's text; the text SQLite allocated is freed at once.
    std::string errmsg;
};

// Binds the SQLite library from fileName and takes one reference on it.
// Returns 1, or -1 when the file cannot be loaded or lacks an entry point.
int load_dll(const std::string& fileName);

// Opens a database through the program folder's kvdb.dll; null on failure.
sqlite3* db_open(const std::string& path);

// Runs one complete statement; it is never used as a format, so its text
// reaches SQLite unchanged. A table that q still holds is released first.
// Returns the number of rows of a select (a statement starting with
// lower-case "select"), 0 for any other statement, or a negative SQLite
// result code. A statement longer than kMaxStatementLength is refused with
// -SQLITE_TOOBIG, one containing a zero byte with -SQLITE_MISUSE.
int db_query(DbQuery& q, std::string_view statement);

// Releases q's result table, if any.
void db_free(DbQuery& q);

// Closes a handle from db_open and drops its reference on the library. A
// null handle holds no reference, so closing it does nothing.
void db_close(sqlite3* db);

} // namespace zyntra
