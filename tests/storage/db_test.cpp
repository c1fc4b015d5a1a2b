#include "storage/db.h"
#include "storage/sql_text.h"
#include "tests/storage/stdout_capture.h"
#include "tests/support/program_folder_fixture.h"

#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <filesystem>
#include <sqlite3.h>
#include <string>

namespace zyntra {
namespace {

using test::StdoutOf;

const std::string kRule = "--------------------------------------\n";

class DbTest : public test::ProgramFolderTest {
protected:
    void SetUp() override {
        db_ = db_open(folder_.File("test.db"));
        ASSERT_NE(db_, nullptr);
        q_.db = db_;
        ASSERT_EQ(db_query(q_, "CREATE TABLE t (id INTEGER, name TEXT)"), 0);
    }
    void TearDown() override {
        db_free(q_);
        db_close(db_);
    }

    int Count() {
        DbQuery count;
        count.db = db_;
        int rows = db_query(count, "select count(*) from t");
        int value = rows == 1 ? std::atoi(count.table[count.ncol]) : -1;
        db_free(count);
        return value;
    }

    sqlite3* db_ = nullptr;
    DbQuery q_;
};

class DbLibraryTest : public test::ProgramFolderTest {};

// Whether the kvdb.dll of the test's program folder is loaded in the process.
bool KvdbLoaded(const std::string& file) {
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle != nullptr)
        dlclose(handle);
    return handle != nullptr;
}

TEST_F(DbTest, OnlyLowerCaseSelectReturnsRows) {
    ASSERT_EQ(db_query(q_, "INSERT INTO t VALUES (7, 'seven')"), 0);
    ASSERT_EQ(db_query(q_, "INSERT INTO t VALUES (8, NULL)"), 0);

    EXPECT_EQ(db_query(q_, "select name, id from t order by id"), 2);
    EXPECT_EQ(q_.rc, 2);
    EXPECT_EQ(q_.nrow, 2);
    ASSERT_EQ(q_.ncol, 2);
    ASSERT_NE(q_.table, nullptr);
    EXPECT_STREQ(q_.table[0], "name");
    EXPECT_STREQ(q_.table[q_.ncol], "seven");
    EXPECT_STREQ(q_.table[q_.ncol + 1], "7");
    EXPECT_EQ(q_.table[2 * q_.ncol], nullptr);
    EXPECT_STREQ(q_.sql, "select name, id from t order by id");

    // Upper-case SELECT goes through sqlite3_exec: no rows, no table.
    db_free(q_);
    EXPECT_EQ(db_query(q_, "SELECT name FROM t"), 0);
    EXPECT_EQ(q_.table, nullptr);
    EXPECT_EQ(q_.nrow, 0);

    EXPECT_EQ(db_query(q_, "select name from t where id = 99"), 0);
    EXPECT_EQ(q_.ncol, 0);
    db_free(q_);
    db_free(q_);
    EXPECT_EQ(q_.table, nullptr);
}

TEST_F(DbTest, FailingStatementReportsOnlyWhenTraced) {
    std::string quiet = StdoutOf([&] { EXPECT_EQ(db_query(q_, "selec id from t"), -1); });
    EXPECT_EQ(quiet, "");
    EXPECT_EQ(q_.table, nullptr);
    EXPECT_EQ(q_.rc, 0);
    EXPECT_EQ(q_.errmsg, "near \"selec\": syntax error");

    q_.flags = kDbTrace;
    std::string traced = StdoutOf([&] { EXPECT_EQ(db_query(q_, "select x from missing"), -1); });
    EXPECT_EQ(traced,
              "* SQL error! cmd='select x from missing', err=1 (no such table: missing).\n");
    EXPECT_EQ(q_.table, nullptr);
}

TEST_F(DbTest, StatementLengthIsLimitedTo2047) {
    const std::string head = "INSERT INTO t VALUES (1, '";
    const std::string tail = "')";
    std::string longest = head + std::string(2047 - head.size() - tail.size(), 'x') + tail;
    ASSERT_EQ(longest.size(), 2047u);
    EXPECT_EQ(db_query(q_, longest), 0);
    EXPECT_EQ(std::strlen(q_.sql), 2047u);

    std::string tooLong = head + std::string(2048 - head.size() - tail.size(), 'y') + tail;
    q_.flags = kDbTrace;
    std::string out = StdoutOf([&] { EXPECT_EQ(db_query(q_, tooLong), -SQLITE_TOOBIG); });
    EXPECT_EQ(out.rfind("* SQL error! cmd='INSERT INTO t VALUES (1, 'yyy", 0), 0u);
    EXPECT_NE(out.find("', err=18 (statement too long: 2048 characters, at most 2047).\n"),
              std::string::npos);
    EXPECT_FALSE(q_.errmsg.empty());
    EXPECT_EQ(std::strlen(q_.sql), 2047u);

    // A zero byte would leave SQLite to run only the part before it.
    std::string cut("DELETE FROM t\0 WHERE id = 2", 27);
    q_.flags = 0;
    EXPECT_EQ(db_query(q_, cut), -SQLITE_MISUSE);
    EXPECT_EQ(Count(), 1);
}

TEST_F(DbTest, QuotedTextArrivesUnchanged) {
    EXPECT_EQ(SqlQuoted("don't"), "'don''t'");
    EXPECT_EQ(SqlEscaped("''"), "''''");
    const std::string value = "100% don't %s%n%d";
    ASSERT_EQ(db_query(q_, "INSERT INTO t VALUES (1, " + SqlQuoted(value) + ")"), 0);
    ASSERT_EQ(db_query(q_, "select name from t where name = " + SqlQuoted(value)), 1);
    EXPECT_EQ(q_.table[q_.ncol], value);
}

TEST_F(DbTest, TracedSelectPrintsTheTable) {
    ASSERT_EQ(db_query(q_, "INSERT INTO t VALUES (1, 'ab')"), 0);
    ASSERT_EQ(db_query(q_, "INSERT INTO t VALUES (2, NULL)"), 0);
    const int widths[] = {4, 6};
    q_.widths = widths;
    q_.flags = kDbTrace | kDbFreeTable;
    std::string out = StdoutOf([&] { EXPECT_EQ(db_query(q_, "select id, name from t"), 2); });
    EXPECT_EQ(out, kRule + "SELECT: row=2, col=2, rc=2.\n" + kRule +
                       "id  name  \n"
                       "1   ab    \n"
                       "2   NULL  \n" +
                       kRule);
    EXPECT_EQ(q_.table, nullptr);
    EXPECT_EQ(q_.rc, 2);

    q_.widths = nullptr;
    out = StdoutOf([&] { EXPECT_EQ(db_query(q_, "select id from t where id = 0"), 0); });
    EXPECT_EQ(out, kRule + "SELECT: row=0, col=0, rc=0.\n" + kRule + kRule);
}

TEST_F(DbLibraryTest, OpenAndCloseCountLibraryReferences) {
    const std::string dll = folder_.File("kvdb.dll");
    sqlite3* first = nullptr;
    std::string out = StdoutOf([&] { first = db_open(folder_.File("a.db")); });
    EXPECT_EQ(out, "Load dll ok.\n");
    sqlite3* second = db_open(folder_.File("b.db"));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);

    // A null handle holds no reference to drop.
    db_close(nullptr);
    db_close(first);
    EXPECT_TRUE(KvdbLoaded(dll));
    DbQuery q;
    q.db = second;
    EXPECT_EQ(db_query(q, "CREATE TABLE still_usable (x)"), 0);
    db_close(second);
    EXPECT_FALSE(KvdbLoaded(dll));

    // A failed open keeps no reference and no handle.
    const std::string bad = folder_.File("no/such/dir.db");
    sqlite3* none = first;
    out = StdoutOf([&] { none = db_open(bad); });
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(out, "Load dll ok.\nsqlite3_open() failed, db='" + bad +
                       "', err=14 (unable to open database file).\n");
    EXPECT_FALSE(KvdbLoaded(dll));
}

TEST_F(DbLibraryTest, MissingKvdbFailsTheOpen) {
    // A library without the SQLite entry points is refused.
    EXPECT_EQ(load_dll(folder_.File("iconv.dll")), -1);

    std::filesystem::remove(folder_.File("kvdb.dll"));
    sqlite3* db = nullptr;
    std::string out = StdoutOf([&] { db = db_open(folder_.File("x.db")); });
    EXPECT_EQ(db, nullptr);
    EXPECT_EQ(out, "load_dll() failed, dll=kvdb.dll\n");
    EXPECT_FALSE(std::filesystem::exists(folder_.File("x.db")));

    DbQuery q;
    EXPECT_EQ(db_query(q, "select 1"), -SQLITE_MISUSE);
    EXPECT_EQ(q.table, nullptr);
}

} // namespace
} // namespace zyntra
