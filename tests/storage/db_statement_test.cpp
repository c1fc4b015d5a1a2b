#include "storage/db_statement.h"
#include "tests/support/program_folder_fixture.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace zyntra {
namespace {

// Prepared statements must run exactly what db_query would run for their text: the writers
// moved to them for speed, and the device's tables must not notice.
class DbStatementsTest : public test::ProgramFolderTest {
protected:
    void SetUp() override {
        db_ = db_open(folder_.File("test.db"));
        ASSERT_NE(db_, nullptr);
        q_.db = db_;
        ASSERT_EQ(db_query(q_, "CREATE TABLE t (id INTEGER PRIMARY KEY, name TEXT NOT NULL, "
                               "note TEXT);"),
                  0);
    }
    void TearDown() override {
        db_free(q_);
        db_close(db_);
    }

    // Every row of t as db_query reads it, cell after cell, NULL as "<null>".
    std::string Table() {
        std::string all;
        int rows = db_query(q_, "select id, name, note from t order by id;");
        for (int row = 1; row <= rows; ++row)
            for (int column = 0; column < q_.ncol; ++column) {
                const char* value = q_.table[row * q_.ncol + column];
                all += std::string(value != nullptr ? value : "<null>") + "|";
            }
        db_free(q_);
        return all;
    }

    sqlite3* db_ = nullptr;
    DbQuery q_;
};

BoundStatement Insert(long long id, std::string name, DbValue note) {
    return {"insert into t values( ?, ?, ?);",
            {DbValue::Integer(id), DbValue::Text(std::move(name)), std::move(note)}};
}

TEST_F(DbStatementsTest, ABoundStatementStoresWhatItsTextStores) {
    const std::string tricky = "don't ? \xE4\xB8\xAD\xE6\x96\x87 100%s";
    const BoundStatement bound = Insert(1, tricky, DbValue::Null());
    EXPECT_EQ(bound.Text(),
              "insert into t values( 1, 'don''t ? \xE4\xB8\xAD\xE6\x96\x87 100%s', NULL);");
    {
        DbStatements statements(db_);
        ASSERT_EQ(statements.Run(bound), 0);
        ASSERT_EQ(statements.Run(Insert(2, "", DbValue::Text("n"))), 0);
    }
    const std::string byStatement = Table();
    ASSERT_EQ(db_query(q_, "delete from t;"), 0);
    ASSERT_EQ(db_query(q_, bound.Text()), 0);
    ASSERT_EQ(db_query(q_, Insert(2, "", DbValue::Text("n")).Text()), 0);
    EXPECT_EQ(Table(), byStatement);
    EXPECT_EQ(byStatement, "1|" + tricky + "|<null>|2||n|");
}

TEST_F(DbStatementsTest, ASelectGivesTheRowsAsDbQueryGivesThem) {
    ASSERT_EQ(db_query(q_, "insert into t values (5, 'five', NULL), (6, 'six', 'x');"), 0);
    DbStatements statements(db_);
    const BoundStatement select{"select id, note from t where id >= ? order by id;",
                                {DbValue::Integer(5)}};
    ASSERT_EQ(statements.Run(select), 2);
    DbRows rows = statements.Rows();
    ASSERT_EQ(rows.ncol, 2);
    EXPECT_STREQ(rows.cells[0], "id");
    EXPECT_STREQ(rows.Value(1, 0), "5");
    EXPECT_EQ(rows.Value(1, 1), nullptr);
    EXPECT_STREQ(rows.Value(2, 1), "x");
    EXPECT_EQ(rows.Value(3, 0), nullptr);

    // Visited, the same rows arrive one at a time, and none is kept.
    std::vector<std::string> visited;
    EXPECT_EQ(statements.Run(select,
                             [&](const DbRows& row) {
                                 ASSERT_EQ(row.nrow, 1);
                                 visited.push_back(std::string(row.cells[0]) + "=" +
                                                   row.Value(1, 0) + "," +
                                                   (row.Value(1, 1) ? row.Value(1, 1) : "null"));
                             }),
              2);
    EXPECT_EQ(visited, (std::vector<std::string>{"id=5,null", "id=6,x"}));
    EXPECT_EQ(statements.Rows().Value(1, 0), nullptr);

    // The same prepared statement, bound anew; no row leaves no table, as db_query does.
    EXPECT_EQ(statements.Run({select.sql, {DbValue::Integer(7)}}), 0);
    EXPECT_EQ(statements.Rows().ncol, 0);
    EXPECT_EQ(statements.Rows().Value(1, 0), nullptr);
}

TEST_F(DbStatementsTest, RefusesWhatDbQueryRefusesAndGoesOnAfterAFailure) {
    DbStatements statements(db_);
    // Its text would be 2048 characters: refused whole, and shown as the buffer would hold it.
    const std::string prefix = "insert into t values( 1, '";
    const std::string suffix = "', NULL);";
    const BoundStatement tooLong =
        Insert(1, std::string(2048 - prefix.size() - suffix.size(), 'y'), DbValue::Null());
    ASSERT_EQ(tooLong.Text().size(), 2048u);
    EXPECT_EQ(statements.Run(tooLong), -SQLITE_TOOBIG);
    EXPECT_EQ(statements.LastText().size(), 2047u);
    EXPECT_EQ(statements.Error(), "statement too long: 2048 characters, at most 2047");
    // A zero byte inside a value is refused as it is inside a text.
    EXPECT_EQ(statements.Run(Insert(2, std::string("a\0b", 3), DbValue::Null())), -SQLITE_MISUSE);

    // A failed statement (NULL name) is undone alone; the same statement then runs again.
    EXPECT_EQ(statements.Run(Insert(3, "ok", DbValue::Null())), 0);
    BoundStatement nullName{"insert into t values( ?, ?, ?);",
                            {DbValue::Integer(4), DbValue::Null(), DbValue::Null()}};
    EXPECT_EQ(statements.Run(nullName), -SQLITE_CONSTRAINT);
    EXPECT_EQ(statements.LastText(), "insert into t values( 4, NULL, NULL);");
    EXPECT_NE(statements.Error().find("NOT NULL"), std::string::npos);
    EXPECT_EQ(statements.Run(Insert(5, "again", DbValue::Null())), 0);
    EXPECT_EQ(statements.Run({"select id from missing where id = ?;", {DbValue::Integer(1)}}),
              -SQLITE_ERROR);
    EXPECT_EQ(statements.Error(), "no such table: missing");
    EXPECT_EQ(Table(), "3|ok|<null>|5|again|<null>|");
}

} // namespace
} // namespace zyntra
