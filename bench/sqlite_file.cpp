#include "bench/sqlite_file.h"

#include <sqlite3.h>
#include <stdexcept>

namespace zyntra::bench {
namespace {

void Bind(sqlite3_stmt* statement, const std::vector<SqliteValue>& values) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        const int at = static_cast<int>(i + 1);
        const SqliteValue& value = values[i];
        if (auto* integer = std::get_if<long long>(&value))
            sqlite3_bind_int64(statement, at, *integer);
        else if (auto* real = std::get_if<double>(&value))
            sqlite3_bind_double(statement, at, *real);
        else if (auto* text = std::get_if<std::string>(&value))
            sqlite3_bind_text(statement, at, text->data(), static_cast<int>(text->size()),
                              SQLITE_STATIC);
        else
            sqlite3_bind_null(statement, at);
    }
}

SqliteValue ColumnValue(sqlite3_stmt* statement, int column) {
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        return static_cast<long long>(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(statement, column);
    case SQLITE_NULL:
        return std::monostate{};
    default: {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, column));
        return std::string(bytes == nullptr ? "" : bytes,
                           static_cast<std::size_t>(sqlite3_column_bytes(statement, column)));
    }
    }
}

} // namespace

SqliteFile::SqliteFile(const std::string& path) {
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        Fail("cannot open " + path);
}

SqliteFile::~SqliteFile() {
    sqlite3_close(db_);
}

void SqliteFile::Fail(const std::string& what) {
    throw std::runtime_error(what + ": " + sqlite3_errmsg(db_));
}

void SqliteFile::Exec(const std::string& sql) {
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        Fail(sql);
}

void SqliteFile::Run(const std::string& sql, const std::vector<SqliteValue>& values) {
    Statement(*this, sql).Run(values);
}

std::vector<SqliteRow> SqliteFile::Select(const std::string& sql) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
        Fail(sql);
    std::vector<SqliteRow> rows;
    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        SqliteRow& row = rows.emplace_back();
        for (int column = 0; column < sqlite3_column_count(statement); ++column)
            row.push_back(ColumnValue(statement, column));
    }
    sqlite3_finalize(statement);
    if (rc != SQLITE_DONE)
        Fail(sql);
    return rows;
}

SqliteFile::Statement::Statement(SqliteFile& file, const std::string& sql) : file_(file) {
    if (sqlite3_prepare_v2(file.db_, sql.c_str(), -1, &statement_, nullptr) != SQLITE_OK)
        file.Fail(sql);
}

SqliteFile::Statement::~Statement() {
    sqlite3_finalize(statement_);
}

void SqliteFile::Statement::Run(const std::vector<SqliteValue>& values) {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
    Bind(statement_, values);
    if (sqlite3_step(statement_) != SQLITE_DONE)
        file_.Fail(sqlite3_sql(statement_));
}

} // namespace zyntra::bench
