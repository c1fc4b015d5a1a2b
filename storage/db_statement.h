#pragma once

#include "storage/db.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace zyntra {

// The rows of a select as db_query's table holds them: (nrow + 1) x ncol cells, row 0 the
// column names, a null cell SQL NULL.
struct DbRows {
    int nrow = 0;
    int ncol = 0;
    const char* const* cells = nullptr;

    // Column `column` of data row `row` (1..nrow); null for SQL NULL or a place outside.
    const char* Value(int row, int column) const;
};

DbRows RowsOf(const DbQuery& q);

// A value for one parameter of a statement.
struct DbValue {
    enum class Kind { Null, Integer, Text };
    Kind kind = Kind::Null;
    long long integer = 0;
    std::string text;

    static DbValue Null() { return {}; }
    static DbValue Integer(long long value) { return {Kind::Integer, value, {}}; }
    static DbValue Text(std::string value) { return {Kind::Text, 0, std::move(value)}; }
};

// A statement whose values are parameters: `sql` holds one "?" per value, in order, and no
// other question mark. Its text is the statement with every value written in as a literal
// ('text' with quotes doubled, a decimal, NULL); that is the statement that runs, and the one
// a message shows.
struct BoundStatement {
    std::string sql;
    std::vector<DbValue> values;

    std::string Text() const;
};

// The prepared statements of one open database, kept by their sql and bound anew for each
// run: a writer runs the same few statements for thousands of records, and parsing one new
// text per record was most of its work. Destroy it before the database is closed.
class DbStatements {
public:
    explicit DbStatements(sqlite3* db);
    ~DbStatements();
    DbStatements(const DbStatements&) = delete;
    DbStatements& operator=(const DbStatements&) = delete;

    // Runs the statement as db_query runs its text: refused as db_query refuses it (longer
    // than kMaxStatementLength, a zero byte); the number of rows of a select (sql starting
    // with lower-case "select"), 0 for any other statement, or a negative SQLite result code.
    int Run(const BoundStatement& statement);

    // Runs a select the same way, but hands each row to `row` while the statement stands on it
    // instead of keeping the rows: nothing is copied, and the view holds only that row (row 1),
    // valid during the call. The result is Run's; Rows() is empty afterwards.
    using RowVisitor = std::function<void(const DbRows& row)>;
    int Run(const BoundStatement& statement, const RowVisitor& row);

    // The last select's rows, until the next run.
    DbRows Rows() const;
    // The last statement's text, cut as the statement buffer would hold it.
    const std::string& LastText() const { return lastText_; }
    // SQLite's message for the last failure; empty after a success.
    const std::string& Error() const { return error_; }

private:
    struct Prepared;
    Prepared* Find(const std::string& sql);
    int Execute(const BoundStatement& statement, const RowVisitor* visit);
    int Step(Prepared& prepared, const BoundStatement& statement, bool select,
             const RowVisitor* visit);
    void KeepRow(Prepared& prepared, int ncol);
    void VisitRow(Prepared& prepared, int ncol, const RowVisitor& visit);

    sqlite3* db_;
    std::vector<std::unique_ptr<Prepared>> prepared_;
    std::vector<std::string> texts_;
    std::vector<bool> nulls_;
    std::vector<const char*> cells_;
    int nrow_ = 0;
    int ncol_ = 0;
    std::string lastText_;
    std::string error_;
};

} // namespace zyntra
