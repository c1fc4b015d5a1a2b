#include "tests/support/program_folder_fixture.h"

#include <algorithm>
#include <filesystem>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace zyntra {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// Opens one template read-only and answers queries as rows of texts ("NULL"
// for an SQL NULL).
class Template {
public:
    explicit Template(int slot) {
        std::string path =
            test::BuiltProgramFolder() + "init/default-" + std::to_string(slot) + ".dat";
        if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
            ADD_FAILURE() << "cannot open " << path;
    }
    ~Template() { sqlite3_close(db_); }

    Rows Query(const std::string& sql) const {
        Rows rows;
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
            ADD_FAILURE() << sql << ": " << sqlite3_errmsg(db_);
            return rows;
        }
        while (sqlite3_step(statement) == SQLITE_ROW) {
            std::vector<std::string>& row = rows.emplace_back();
            for (int c = 0; c < sqlite3_column_count(statement); ++c) {
                const unsigned char* text = sqlite3_column_text(statement, c);
                row.push_back(text ? reinterpret_cast<const char*>(text) : "NULL");
            }
        }
        sqlite3_finalize(statement);
        return rows;
    }

    std::vector<std::string> Column(const std::string& sql) const {
        std::vector<std::string> values;
        for (const auto& row : Query(sql))
            values.push_back(row.at(0));
        return values;
    }

    // "name TYPE notnull default" per column, in table order.
    std::vector<std::string> Declarations(const std::string& table) const {
        std::vector<std::string> columns;
        for (const auto& row : Query("PRAGMA table_info(" + table + ")"))
            columns.push_back(row[1] + " " + row[2] + (row[3] == "1" ? " NOT NULL" : "") +
                              (row[4] != "NULL" ? " DEFAULT " + row[4] : "") +
                              (row[5] != "0" ? " KEY" : ""));
        return columns;
    }

    // "index(column)" for the named indexes of a table, in name order.
    std::vector<std::string> Indexes(const std::string& table) const {
        std::vector<std::string> indexes;
        for (const auto& name : Column("select name from sqlite_master where type = 'index' and "
                                       "tbl_name = '" +
                                       table + "' and sql is not null order by name"))
            for (const auto& info : Query("PRAGMA index_info(" + name + ")"))
                indexes.push_back(name + "(" + info[2] + ")");
        return indexes;
    }

private:
    sqlite3* db_ = nullptr;
};

// The expected "i_name<n>(column)" list, in the name order that Indexes() uses.
std::vector<std::string> Numbered(const std::string& prefix,
                                  const std::vector<std::string>& columns) {
    std::vector<std::string> names;
    for (size_t i = 0; i < columns.size(); ++i)
        names.push_back(prefix + std::to_string(i + 1) + "(" + columns[i] + ")");
    std::sort(names.begin(), names.end());
    return names;
}

TEST(PimTemplate, HoldsTheSixTablesWithTheirColumnsInOrder) {
    Template pim(1);
    EXPECT_EQ(pim.Column("select name from sqlite_master where type = 'table' order by name"),
              (std::vector<std::string>{"classtable", "classtime", "file", "schedule", "telephone",
                                        "todolist"}));
    const std::string stamp = "stamp_time TEXT NOT NULL DEFAULT CURRENT_TIMESTAMP";
    EXPECT_EQ(pim.Declarations("telephone"),
              (std::vector<std::string>{"id INTEGER NOT NULL KEY", "name TEXT NOT NULL",
                                        "category INTEGER NOT NULL DEFAULT 0", "email TEXT",
                                        "mobile1 TEXT", "mobile2 TEXT", "home_phone TEXT",
                                        "home_fax TEXT", "home_address TEXT", "office_name TEXT",
                                        "office_title TEXT", "office_phone TEXT", "office_fax TEXT",
                                        "office_address TEXT", "photo_name TEXT", "note TEXT",
                                        "locked INTEGER NOT NULL DEFAULT 0", stamp}));
    EXPECT_EQ(pim.Declarations("schedule"),
              (std::vector<std::string>{"id INTEGER NOT NULL KEY", "date TEXT NOT NULL",
                                        "start_time TEXT NOT NULL", "end_time TEXT NOT NULL",
                                        "content TEXT NOT NULL", "alarm INTEGER NOT NULL DEFAULT 0",
                                        "locked INTEGER NOT NULL DEFAULT 0", stamp,
                                        "alarm_BStime INTEGER"}));
    EXPECT_EQ(
        pim.Declarations("todolist"),
        (std::vector<std::string>{
            "id INTEGER NOT NULL KEY", "date TEXT NOT NULL", "content TEXT NOT NULL",
            "category INTEGER NOT NULL DEFAULT 0", "priority INTEGER NOT NULL DEFAULT 0",
            "status INTEGER NOT NULL DEFAULT 0", "locked INTEGER NOT NULL DEFAULT 0", stamp}));
    EXPECT_EQ(pim.Declarations("classtable"),
              (std::vector<std::string>{
                  "id INTEGER NOT NULL KEY", "weekday INTEGER NOT NULL",
                  "class_no INTEGER NOT NULL", "abbreviation TEXT", "course_name TEXT",
                  "teacher TEXT", "place TEXT", "note TEXT", "color INTEGER NOT NULL DEFAULT 0",
                  "locked INTEGER NOT NULL DEFAULT 0", stamp, "setting INTEGER"}));
    auto classtime = pim.Declarations("classtime");
    ASSERT_EQ(classtime.size(), 5u);
    EXPECT_EQ(classtime[0].substr(0, 3), "id ");
    EXPECT_EQ(classtime[4].substr(0, 14), "class_end_min ");
    EXPECT_TRUE(pim.Query("select 1 from pragma_table_info('file') where name in ('field_01', "
                          "'field_02', 'field_04', 'mainClass', 'subClass', 'hw_name', "
                          "'hw_path')")
                    .size() == 7);
}

TEST(PimTemplate, CarriesTheIndexesOfEveryPersonalTable) {
    Template pim(1);
    EXPECT_EQ(pim.Indexes("telephone"),
              Numbered("i_telephone",
                       {"id", "name", "email", "mobile1", "mobile2", "home_phone", "home_fax",
                        "home_address", "office_phone", "office_fax", "office_address", "locked"}));
    EXPECT_EQ(pim.Indexes("schedule"),
              Numbered("i_schedule",
                       {"id", "date", "start_time", "end_time", "content", "alarm", "locked"}));
    EXPECT_EQ(pim.Indexes("todolist"), Numbered("i_todolist", {"id", "date", "content", "category",
                                                               "priority", "status", "locked"}));
    EXPECT_EQ(pim.Indexes("classtable"),
              Numbered("i_classtable", {"id", "weekday", "class_no", "abbreviation", "course_name",
                                        "teacher", "place", "note", "color", "locked"}));
}

TEST(PimTemplate, HasEmptyListsAnd84BlankCellsAndTwelvePeriods) {
    Template pim(1);
    for (const char* table : {"telephone", "schedule", "todolist"})
        EXPECT_EQ(pim.Column(std::string("select count(*) from ") + table)[0], "0") << table;

    Rows cells = pim.Query("select id, weekday, class_no, abbreviation, course_name, teacher, "
                           "place, note, color, locked, setting from classtable order by id");
    ASSERT_EQ(cells.size(), 84u);
    for (int n = 0; n < 84; ++n) {
        int w = n / 12, p = n % 12;
        EXPECT_EQ(cells[n], (std::vector<std::string>{std::to_string(n + 1), std::to_string(w + 1),
                                                      std::to_string(p + 1), "NULL", "NULL", "NULL",
                                                      "NULL", "NULL", "0", "0", "0"}))
            << "cell " << n;
    }
    // Cell (3, 5) is id 42 and the 42nd row when read by position.
    EXPECT_EQ(pim.Query("select id, weekday, class_no from classtable limit 41, 1")[0],
              (std::vector<std::string>{"42", "4", "6"}));

    Rows periods = pim.Query("select id, class_start_hour, class_start_min, class_end_hour, "
                             "class_end_min from classtime order by id");
    ASSERT_EQ(periods.size(), 12u);
    const int startHours[12] = {8, 9, 10, 11, 13, 14, 15, 16, 18, 19, 20, 21};
    for (int p = 0; p < 12; ++p) {
        std::string hour = std::to_string(startHours[p]);
        EXPECT_EQ(periods[p],
                  (std::vector<std::string>{std::to_string(p + 1), hour, "0", hour, "50"}))
            << "period " << p;
    }
}

TEST(PimTemplate, ContentIndexNamesCardBaseCategoriesBookClassesAndDatabases) {
    Template pim(1);
    Rows rows = pim.Query(
        "select field_04, mainClass, subClass, hw_name, hw_path from file order by rowid");
    ASSERT_GE(rows.size(), 14u);
    ASSERT_LE(rows.size(), 100u);

    // Row 0: the card's base folder under both names, and the device's codes.
    EXPECT_EQ(rows[0][0], "0");
    EXPECT_EQ(rows[0][1], "B");
    EXPECT_EQ(rows[0][2], "02");
    EXPECT_EQ(rows[0][3], rows[0][4]);
    EXPECT_FALSE(rows[0][3].empty());

    const std::vector<std::string> categories = {"MUSIC",  "VIDEO", "FLASH", "PICTURE",
                                                 "RECORD", "TEXT",  "EBOOK"};
    for (size_t i = 0; i < categories.size(); ++i)
        EXPECT_EQ(rows[i + 1], (std::vector<std::string>{"0", rows[i + 1][1], rows[i + 1][2],
                                                         categories[i], ""}))
            << "row " << i + 1;

    std::vector<std::string> databases;
    size_t bookClasses = 0;
    for (size_t r = 8; r < rows.size(); ++r) {
        const auto& row = rows[r];
        for (const std::string& name : {row[3], row[4]}) {
            EXPECT_EQ(name.find(".."), std::string::npos);
            EXPECT_NE(name.substr(0, 1), "/");
        }
        if (row[0] == "0") {
            EXPECT_TRUE(databases.empty()) << "folder rows come before the database rows";
            EXPECT_EQ(row[4], "EBOOK");
            EXPECT_FALSE(row[1].empty());
            EXPECT_FALSE(row[2].empty());
            ++bookClasses;
        } else {
            EXPECT_EQ(row[4], "Secretary");
            databases.push_back(row[3]);
        }
    }
    EXPECT_GE(bookClasses, 2u);
    EXPECT_EQ(databases, (std::vector<std::string>{"PIM.db", "ECDIY_Dict.db", "CEDIY_Dict.db",
                                                   "JCDIY_Dict.db", "CJDIY_Dict.db"}));
}

TEST(DictionaryTemplates, HoldTheEmptyHeadwordTableExactlyAsDeclared) {
    for (int slot = 2; slot <= 5; ++slot) {
        Template dict(slot);
        EXPECT_EQ(dict.Column("select sql from sqlite_master where type = 'table'"),
                  (std::vector<std::string>{
                      "CREATE TABLE headword(dict_id INTEGER NOT NULL, hw_id INTEGER PRIMARY KEY, "
                      "hw_name TEXT\tNOT NULL COLLATE NOCASE, hw_match TEXT NOT NULL COLLATE "
                      "NOCASE, type TEXT NOT NULL, exp TEXT NOT NULL)"}))
            << "slot " << slot;
        EXPECT_EQ(dict.Column("select sql from sqlite_master where type = 'index' order by name"),
                  (std::vector<std::string>{"CREATE INDEX i_headword1 ON headword (hw_id)",
                                            "CREATE INDEX i_headword2 ON headword (hw_name)",
                                            "CREATE INDEX i_headword3 ON headword (hw_match)"}))
            << "slot " << slot;
        EXPECT_EQ(dict.Column("select count(*) from headword")[0], "0");
    }
}

TEST(ProgramFolder, ShipsEveryRequiredFileAndABackupFolder) {
    // data/ and backup/ change as soon as the program runs in the built folder, so only their
    // presence is checked here; a fresh layout is checked through TempProgramFolder's users.
    const std::string& folder = test::BuiltProgramFolder();
    for (int slot = 1; slot <= 5; ++slot) {
        std::string name = "default-" + std::to_string(slot) + ".dat";
        EXPECT_TRUE(test::FileExists(folder + "data/" + name)) << name;
        EXPECT_TRUE(test::FileExists(folder + "init/" + name)) << name;
    }
    for (const char* name : {"kvdb.dll", "iconv.dll", "Lang.ini"})
        EXPECT_TRUE(test::FileExists(folder + name)) << name;
    EXPECT_TRUE(std::filesystem::is_directory(folder + "backup"));
}

} // namespace
} // namespace zyntra
