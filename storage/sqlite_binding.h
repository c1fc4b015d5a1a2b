#pragma once

// Storage's own: the SQLite entry points bound from the program folder's kvdb.dll. Nothing
// outside storage/ calls SQLite; it goes through db.h and db_statement.h.

#include <cstddef>
#include <sqlite3.h>
#include <string>

namespace zyntra {

// The entry points, found by name in the library that kvdb.dll brings in. sqlite3_free is
// needed only to release the error texts SQLite allocates.
struct SqliteBinding {
    void* handle = nullptr;
    int refs = 0;
    decltype(&::sqlite3_open_v2) open = nullptr;
    decltype(&::sqlite3_close) close = nullptr;
    decltype(&::sqlite3_exec) exec = nullptr;
    decltype(&::sqlite3_get_table) getTable = nullptr;
    decltype(&::sqlite3_free_table) freeTable = nullptr;
    decltype(&::sqlite3_errmsg) errmsg = nullptr;
    decltype(&::sqlite3_free) free = nullptr;
    decltype(&::sqlite3_prepare_v2) prepare = nullptr;
    decltype(&::sqlite3_bind_int64) bindInteger = nullptr;
    decltype(&::sqlite3_bind_text) bindText = nullptr;
    decltype(&::sqlite3_bind_null) bindNull = nullptr;
    decltype(&::sqlite3_step) step = nullptr;
    decltype(&::sqlite3_column_count) columnCount = nullptr;
    decltype(&::sqlite3_column_name) columnName = nullptr;
    decltype(&::sqlite3_column_text) columnText = nullptr;
    decltype(&::sqlite3_column_bytes) columnBytes = nullptr;
    decltype(&::sqlite3_reset) reset = nullptr;
    decltype(&::sqlite3_clear_bindings) clearBindings = nullptr;
    decltype(&::sqlite3_finalize) finalize = nullptr;
};

// The process's one binding; refs == 0 while no library is bound.
SqliteBinding& BoundSqlite();

// Why a statement of this length may not run on db: a text longer than the statement buffer
// (kMaxStatementLength), one holding a zero byte, or no open database. SQLITE_OK when it may
// run; otherwise the SQLite code to report, with `why` set.
int StatementRefusal(sqlite3* db, std::size_t length, bool zeroByte, std::string& why);

} // namespace zyntra
