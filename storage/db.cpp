#include "storage/db.h"

#include "platform/program_folder.h"
#include "storage/sqlite_binding.h"
#include "storage/stdout_line.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>

namespace zyntra {
namespace {

SqliteBinding sqlite;
char statementBuffer[kStatementBufferSize];

const char* const kRule = "--------------------------------------\n";

template <typename Fn> bool Resolve(void* handle, const char* name, Fn& fn) {
    fn = reinterpret_cast<Fn>(dlsym(handle, name));
    return fn != nullptr;
}

bool Bind(void* handle, SqliteBinding& lib) {
    // A missing entry point would be called later through a null pointer.
    return Resolve(handle, "sqlite3_open_v2", lib.open) &&
           Resolve(handle, "sqlite3_close", lib.close) &&
           Resolve(handle, "sqlite3_exec", lib.exec) &&
           Resolve(handle, "sqlite3_get_table", lib.getTable) &&
           Resolve(handle, "sqlite3_free_table", lib.freeTable) &&
           Resolve(handle, "sqlite3_errmsg", lib.errmsg) &&
           Resolve(handle, "sqlite3_free", lib.free) &&
           Resolve(handle, "sqlite3_prepare_v2", lib.prepare) &&
           Resolve(handle, "sqlite3_bind_int64", lib.bindInteger) &&
           Resolve(handle, "sqlite3_bind_text", lib.bindText) &&
           Resolve(handle, "sqlite3_bind_null", lib.bindNull) &&
           Resolve(handle, "sqlite3_step", lib.step) &&
           Resolve(handle, "sqlite3_column_count", lib.columnCount) &&
           Resolve(handle, "sqlite3_column_name", lib.columnName) &&
           Resolve(handle, "sqlite3_column_text", lib.columnText) &&
           Resolve(handle, "sqlite3_column_bytes", lib.columnBytes) &&
           Resolve(handle, "sqlite3_reset", lib.reset) &&
           Resolve(handle, "sqlite3_clear_bindings", lib.clearBindings) &&
           Resolve(handle, "sqlite3_finalize", lib.finalize);
}

// Each reference is one dlopen, so the loader unloads the library with the last.
void ReleaseDll() {
    if (sqlite.refs == 0)
        return;
    dlclose(sqlite.handle);
    if (--sqlite.refs == 0)
        sqlite = SqliteBinding{};
}

bool IsSelect(std::string_view statement) {
    return statement.substr(0, 6) == "select";
}

int Run(DbQuery& q, bool select) {
    char* error = nullptr;
    int code = select ? sqlite.getTable(q.db, statementBuffer, &q.table, &q.nrow, &q.ncol, &error)
                      : sqlite.exec(q.db, statementBuffer, nullptr, nullptr, &error);
    if (error != nullptr) {
        q.errmsg = error;
        sqlite.free(error);
    } else if (code != SQLITE_OK) {
        q.errmsg = sqlite.errmsg(q.db);
    }
    if (code != SQLITE_OK)
        db_free(q);
    return code;
}

void TraceSelect(const DbQuery& q, int result) {
    StdoutLine(kRule);
    StdoutLine("SELECT: row=%d, col=%d, rc=%d.\n", q.nrow, q.ncol, result);
    StdoutLine(kRule);
    for (int i = 0; i <= q.nrow; ++i) {
        for (int j = 0; j < q.ncol; ++j) {
            const char* value = q.table[i * q.ncol + j];
            int width = q.widths != nullptr ? q.widths[j] : 16;
            std::fprintf(LowLevelLineStream(), "%-*s", width, value != nullptr ? value : "NULL");
        }
        if (q.nrow != 0)
            StdoutLine("\n");
    }
    StdoutLine(kRule);
}

} // namespace

SqliteBinding& BoundSqlite() {
    return sqlite;
}

int StatementRefusal(sqlite3* db, std::size_t length, bool zeroByte, std::string& why) {
    if (length > kMaxStatementLength) {
        why = "statement too long: " + std::to_string(length) + " characters, at most " +
              std::to_string(kMaxStatementLength);
        return SQLITE_TOOBIG;
    }
    // SQLite would silently run only the part before the zero byte.
    if (zeroByte) {
        why = "statement contains a zero byte";
        return SQLITE_MISUSE;
    }
    if (sqlite.refs == 0 || db == nullptr) {
        why = "no open database";
        return SQLITE_MISUSE;
    }
    return SQLITE_OK;
}

int load_dll(const std::string& fileName) {
    void* handle = dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr)
        return -1;
    // One binding per process: open handles belong to the library already bound.
    bool foreign = sqlite.refs > 0 && handle != sqlite.handle;
    if (foreign || (sqlite.refs == 0 && !Bind(handle, sqlite))) {
        dlclose(handle);
        if (sqlite.refs == 0)
            sqlite = SqliteBinding{};
        return -1;
    }
    sqlite.handle = handle;
    ++sqlite.refs;
    StdoutLine("Load dll ok.\n");
    return 1;
}

sqlite3* db_open(const std::string& path) {
    if (load_dll(ProgramFolder() + "kvdb.dll") < 0) {
        StdoutLine("load_dll() failed, dll=%s\n", "kvdb.dll");
        return nullptr;
    }
    sqlite3* handle = nullptr;
    // What sqlite3_open does, without locking each call: the program uses a connection from one
    // thread at a time, and the locks were a tenth of a writer's time.
    int code =
        sqlite.open(path.c_str(), &handle,
                    SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code != SQLITE_OK) {
        StdoutLine("sqlite3_open() failed, db='%s', err=%d (%s).\n", path.c_str(), code,
                   sqlite.errmsg(handle));
        // SQLite hands out a handle even when the open fails; it must be closed too.
        sqlite.close(handle);
        ReleaseDll();
        return nullptr;
    }
    return handle;
}

int db_query(DbQuery& q, std::string_view statement) {
    db_free(q);
    q.sql = statementBuffer;
    q.rc = 0;
    q.nrow = 0;
    q.ncol = 0;
    q.errmsg.clear();

    std::size_t kept = std::min(statement.size(), kMaxStatementLength);
    std::memcpy(statementBuffer, statement.data(), kept);
    statementBuffer[kept] = '\0';

    int code = StatementRefusal(q.db, statement.size(),
                                statement.find('\0') != std::string_view::npos, q.errmsg);
    if (code == SQLITE_OK)
        code = Run(q, IsSelect(statement));
    if (code != SQLITE_OK) {
        if (q.flags & kDbTrace)
            StdoutLine("* SQL error! cmd='%s', err=%d (%s).\n", statementBuffer, code,
                       q.errmsg.c_str());
        return -code;
    }

    int result = 0;
    if (IsSelect(statement)) {
        result = q.nrow;
        if (q.flags & kDbTrace)
            TraceSelect(q, result);
        if (q.flags & kDbFreeTable)
            db_free(q);
    }
    q.rc = result;
    return result;
}

void db_free(DbQuery& q) {
    if (q.table == nullptr)
        return;
    if (sqlite.refs > 0)
        sqlite.freeTable(q.table);
    q.table = nullptr;
}

void db_close(sqlite3* db) {
    if (db == nullptr || sqlite.refs == 0)
        return;
    sqlite.close(db);
    ReleaseDll();
}

} // namespace zyntra
