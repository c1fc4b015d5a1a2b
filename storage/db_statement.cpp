#include "storage/db_statement.h"

#include "storage/sql_text.h"
#include "storage/sqlite_binding.h"

#include <stdexcept>

namespace zyntra {
namespace {

std::string Literal(const DbValue& value) {
    switch (value.kind) {
    case DbValue::Kind::Integer:
        return std::to_string(value.integer);
    case DbValue::Kind::Text:
        return SqlQuoted(value.text);
    case DbValue::Kind::Null:
        break;
    }
    return "NULL";
}

bool IsSelect(std::string_view sql) {
    return sql.substr(0, 6) == "select";
}

int Bind(sqlite3_stmt* statement, int index, const DbValue& value) {
    const SqliteBinding& sqlite = BoundSqlite();
    switch (value.kind) {
    case DbValue::Kind::Integer:
        return sqlite.bindInteger(statement, index, value.integer);
    case DbValue::Kind::Text:
        // The value outlives the run, and the bindings are cleared after it.
        return sqlite.bindText(statement, index, value.text.data(),
                               static_cast<int>(value.text.size()), SQLITE_STATIC);
    case DbValue::Kind::Null:
        break;
    }
    return sqlite.bindNull(statement, index);
}

} // namespace

const char* DbRows::Value(int row, int column) const {
    if (cells == nullptr || row < 1 || row > nrow || column < 0 || column >= ncol)
        return nullptr;
    return cells[row * ncol + column];
}

DbRows RowsOf(const DbQuery& q) {
    return {q.nrow, q.ncol, q.table};
}

std::string BoundStatement::Text() const {
    std::string text;
    text.reserve(sql.size() + 16 * values.size());
    std::size_t next = 0;
    for (char c : sql) {
        if (c != '?') {
            text += c;
            continue;
        }
        if (next == values.size())
            throw std::logic_error("more parameters than values in: " + sql);
        text += Literal(values[next++]);
    }
    if (next != values.size())
        throw std::logic_error("more values than parameters in: " + sql);
    return text;
}

struct DbStatements::Prepared {
    std::string sql;
    sqlite3_stmt* statement = nullptr;
};

DbStatements::DbStatements(sqlite3* db) : db_(db) {}

DbStatements::~DbStatements() {
    if (BoundSqlite().refs == 0)
        return;
    for (const auto& prepared : prepared_)
        BoundSqlite().finalize(prepared->statement);
}

DbStatements::Prepared* DbStatements::Find(const std::string& sql) {
    for (const auto& prepared : prepared_)
        if (prepared->sql == sql)
            return prepared.get();
    sqlite3_stmt* statement = nullptr;
    int code = BoundSqlite().prepare(db_, sql.c_str(), static_cast<int>(sql.size() + 1), &statement,
                                     nullptr);
    if (code != SQLITE_OK || statement == nullptr) {
        error_ = BoundSqlite().errmsg(db_);
        BoundSqlite().finalize(statement);
        return nullptr;
    }
    prepared_.push_back(std::make_unique<Prepared>(Prepared{sql, statement}));
    return prepared_.back().get();
}

int DbStatements::Run(const BoundStatement& statement) {
    return Execute(statement, nullptr);
}

int DbStatements::Run(const BoundStatement& statement, const RowVisitor& row) {
    return Execute(statement, &row);
}

int DbStatements::Execute(const BoundStatement& statement, const RowVisitor* visit) {
    nrow_ = 0;
    ncol_ = 0;
    error_.clear();
    std::string text = statement.Text();
    lastText_ = text.substr(0, kMaxStatementLength);
    int code = StatementRefusal(db_, text.size(), text.find('\0') != std::string::npos, error_);
    if (code != SQLITE_OK)
        return -code;
    Prepared* prepared = Find(statement.sql);
    if (prepared == nullptr)
        return -SQLITE_ERROR;
    const bool select = IsSelect(statement.sql);
    code = Step(*prepared, statement, select, visit);
    BoundSqlite().reset(prepared->statement);
    BoundSqlite().clearBindings(prepared->statement);
    if (code != SQLITE_OK) {
        nrow_ = 0;
        return -code;
    }
    const int rows = nrow_;
    if (visit != nullptr)
        nrow_ = 0;
    return select ? rows : 0;
}

int DbStatements::Step(Prepared& prepared, const BoundStatement& statement, bool select,
                       const RowVisitor* visit) {
    const SqliteBinding& sqlite = BoundSqlite();
    for (std::size_t i = 0; i < statement.values.size(); ++i) {
        int code = Bind(prepared.statement, static_cast<int>(i + 1), statement.values[i]);
        if (code != SQLITE_OK) {
            error_ = sqlite.errmsg(db_);
            return code;
        }
    }
    const int ncol = sqlite.columnCount(prepared.statement);
    if (select) {
        texts_.resize(ncol);
        nulls_.assign(ncol, false);
        for (int c = 0; c < ncol; ++c)
            texts_[c] = sqlite.columnName(prepared.statement, c);
    }
    for (;;) {
        int code = sqlite.step(prepared.statement);
        if (code == SQLITE_DONE)
            break;
        if (code != SQLITE_ROW) {
            error_ = sqlite.errmsg(db_);
            return code;
        }
        if (select && visit != nullptr)
            VisitRow(prepared, ncol, *visit);
        else if (select)
            KeepRow(prepared, ncol);
    }
    if (visit != nullptr)
        return SQLITE_OK;
    // A select without rows leaves no table, as sqlite3_get_table does.
    ncol_ = select && nrow_ > 0 ? ncol : 0;
    cells_.resize(static_cast<std::size_t>(nrow_ + 1) * ncol_);
    for (std::size_t i = 0; i < cells_.size(); ++i)
        cells_[i] = nulls_[i] ? nullptr : texts_[i].c_str();
    return SQLITE_OK;
}

void DbStatements::KeepRow(Prepared& prepared, int ncol) {
    const SqliteBinding& sqlite = BoundSqlite();
    const std::size_t first = static_cast<std::size_t>(nrow_ + 1) * ncol;
    texts_.resize(first + ncol);
    nulls_.resize(first + ncol);
    for (int c = 0; c < ncol; ++c) {
        const unsigned char* text = sqlite.columnText(prepared.statement, c);
        nulls_[first + c] = text == nullptr;
        if (text != nullptr)
            texts_[first + c].assign(reinterpret_cast<const char*>(text),
                                     sqlite.columnBytes(prepared.statement, c));
    }
    ++nrow_;
}

void DbStatements::VisitRow(Prepared& prepared, int ncol, const RowVisitor& visit) {
    const SqliteBinding& sqlite = BoundSqlite();
    cells_.resize(2 * static_cast<std::size_t>(ncol));
    for (int c = 0; c < ncol; ++c) {
        cells_[c] = texts_[c].c_str();
        cells_[ncol + c] = reinterpret_cast<const char*>(sqlite.columnText(prepared.statement, c));
    }
    ++nrow_;
    visit(DbRows{1, ncol, cells_.data()});
}

DbRows DbStatements::Rows() const {
    return {nrow_, ncol_, cells_.empty() ? nullptr : cells_.data()};
}

} // namespace zyntra
