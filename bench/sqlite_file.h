#pragma once

#include <string>
#include <variant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace zyntra::bench {

// A column value as SQLite holds it; monostate is NULL.
using SqliteValue = std::variant<std::monostate, long long, double, std::string>;
using SqliteRow = std::vector<SqliteValue>;

// A database opened with SQLite itself, without the program's layers. Failures throw
// std::runtime_error with SQLite's message.
class SqliteFile {
public:
    explicit SqliteFile(const std::string& path);
    ~SqliteFile();
    SqliteFile(const SqliteFile&) = delete;
    SqliteFile& operator=(const SqliteFile&) = delete;

    void Exec(const std::string& sql);
    // One statement, values bound in order, so any bytes reach the table unchanged.
    void Run(const std::string& sql, const std::vector<SqliteValue>& values);
    // Every row of a query, each value as stored.
    std::vector<SqliteRow> Select(const std::string& sql);

    // A statement prepared once and run once per row.
    class Statement {
    public:
        Statement(SqliteFile& file, const std::string& sql);
        ~Statement();
        Statement(const Statement&) = delete;
        Statement& operator=(const Statement&) = delete;
        void Run(const std::vector<SqliteValue>& values);

    private:
        SqliteFile& file_;
        sqlite3_stmt* statement_ = nullptr;
    };

private:
    [[noreturn]] void Fail(const std::string& what);

    sqlite3* db_ = nullptr;
};

} // namespace zyntra::bench
