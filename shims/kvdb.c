#include <sqlite3.h>

/* The SQLite functions themselves come from this library's dependency on the
 * system libsqlite3. This one function only lets a look at the file tell
 * which SQLite it carries. */
__attribute__((visibility("default"))) const char* kvdb_sqlite_version(void) {
    return sqlite3_libversion();
}
