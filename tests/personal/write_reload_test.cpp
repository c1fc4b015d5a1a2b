#include "storage/database_files.h"
#include "tests/personal/engine_fixture.h"

#include <gtest/gtest.h>
#include <tuple>

namespace zyntra {
namespace {

using test::FileExists;
using test::FixtureDatabase;
using test::ReadFile;

auto FieldsOf(const test::AddressRow& r) {
    return std::tie(r.name, r.category, r.email, r.mobile1, r.home_address, r.note, r.photo_name,
                    r.locked);
}
auto FieldsOf(const ADDRESSBOOK& r) {
    return std::tie(r.name, r.category, r.email, r.mobile1, r.home_address, r.note, r.photo_name,
                    r.locked);
}
auto FieldsOf(const test::ToDoRow& r) {
    return std::tie(r.date, r.content, r.category, r.priority, r.status, r.locked);
}
auto FieldsOf(const PLANS& r) {
    return std::tie(r.date, r.content, r.category, r.priority, r.status, r.locked);
}
auto FieldsOf(const test::HeadwordRow& r) {
    return std::tie(r.hw_name, r.hw_match, r.type, r.exp);
}
auto FieldsOf(const UserDictEntry& r) {
    return std::tie(r.storedHeadword, r.hw_match, r.type, r.exp);
}

template <class T> const T& Item(const T& item) {
    return item;
}
template <class T> const T& Item(const std::unique_ptr<T>& item) {
    return *item;
}

std::string Padded(int n) {
    std::string digits = std::to_string(n);
    return std::string(3 - digits.size(), '0') + digits;
}

// Tables with gaps in their ids, as deletions on the device leave them, built with SQLite
// itself.
class WriteReloadTest : public test::PersonalEngineTest {
protected:
    static constexpr int kLastId = 60;
    static bool Deleted(int id) { return id % 7 == 0 || id == 2; }

    void FillDevice() {
        for (int id = 1; id <= kLastId; ++id) {
            if (Deleted(id))
                continue;
            const std::string n = Padded(id);
            test::InsertAddress(DevicePath(1), {id, "Name " + n, id % 4, "m" + n + "@example.org",
                                                "0912-" + n, n + " Long Street",
                                                "note 'quoted' " + n, "p" + n + ".jpg", id % 2});
            test::InsertToDo(DevicePath(1), {id, "2024/03/" + n.substr(1), "Task %" + n, id % 3,
                                             id % 2, (id + 1) % 2, id % 2});
            test::InsertHeadword(DevicePath(2), {id, "word " + n, "word" + n, "n.", "sense " + n});
        }
    }

    // Each loaded record against the row at its place, in id order.
    template <class Rows, class List> static void ExpectSame(const Rows& rows, const List& list) {
        ASSERT_EQ(rows.size(), list.size());
        for (std::size_t i = 0; i < rows.size(); ++i)
            EXPECT_EQ(FieldsOf(rows[i]), FieldsOf(Item(list[i]))) << "record " << i;
    }
};

TEST_F(WriteReloadTest, RowsAroundGapsLoadInIdOrderAndAWriteStoresEveryFieldAsItWas) {
    FillDevice();
    const auto addresses = test::ReadAddresses(DevicePath(1));
    const auto tasks = test::ReadToDos(DevicePath(1));
    const auto headwords = test::ReadHeadwords(DevicePath(2));
    ASSERT_EQ(addresses.size(), 51u);

    ASSERT_TRUE(LoadFromDevice().Clean());
    ExpectSame(addresses, Lists().AddrList);
    for (std::size_t i = 0; i < addresses.size(); ++i)
        EXPECT_EQ(Lists().AddrList[i]->id, addresses[i].id);
    ExpectSame(tasks, Lists().ToDoList);
    ExpectSame(headwords, Lists().ECUserList);

    // Written into an empty device in one run, and read back.
    test::WriteDeviceDatabases(device_.root);
    RunReport report = Sync(SyncMode::MemoryWins);

    EXPECT_TRUE(report.Clean());
    EXPECT_EQ(report.Of(RecordKind::AddressBook).added, 51);
    EXPECT_EQ(report.Of(RecordKind::ToDo).added, 51);
    EXPECT_EQ(report.Of(RecordKind::ECUser).added, 51);
    const auto written = test::ReadAddresses(DevicePath(1));
    ExpectSame(addresses, written);
    // An empty table numbers the records in list order.
    EXPECT_EQ(written.back().id, 51);
    ExpectSame(tasks, test::ReadToDos(DevicePath(1)));
    ExpectSame(headwords, test::ReadHeadwords(DevicePath(2)));
    ExpectSame(addresses, Lists().AddrList);
    EXPECT_FALSE(FileExists(ScratchCopyPath(1)));
}

TEST_F(WriteReloadTest, AnUnreadableRowBetweenGapsIsReportedByItsPlaceAndTheRestStillLoad) {
    // note is computed on reading; once the rows are in, it fails for the rows marked broken.
    FixtureDatabase(DevicePath(1))
        .Exec("drop table telephone;"
              "create table telephone(id integer primary key, broken integer default 0,"
              " name text, category integer, email text, mobile1 text, mobile2 text,"
              " home_phone text, home_fax text, home_address text, office_name text,"
              " office_title text, office_phone text, office_fax text, office_address text,"
              " photo_name text, note text generated always as (case when broken then null end)"
              " virtual, locked integer, stamp_time text);"
              "insert into telephone (id, broken) values (9, 0), (3, 0), (12, 1), (40, 0),"
              " (41, 1), (100, 0);");
    FixtureDatabase(DevicePath(1))
        .Exec("pragma writable_schema = on;"
              "update sqlite_master set sql = replace(sql, 'then null',"
              " 'then abs(-9223372036854775807 - 1)') where name = 'telephone';"
              "pragma writable_schema = off;");

    RunReport report = LoadFromDevice();

    EXPECT_EQ(report.unreadableRows, 2);
    EXPECT_EQ(ShownTexts(),
              (std::vector<std::string>{"tele error, rec=2\n", "tele error, rec=4\n"}));
    std::vector<int> ids;
    for (const auto& record : Lists().AddrList)
        ids.push_back(record->id);
    EXPECT_EQ(ids, (std::vector<int>{3, 9, 40, 100}));
}

TEST_F(WriteReloadTest, AFailedRecordInsideTheWritersTransactionSkipsOnlyThatRecord) {
    test::InsertAddress(DevicePath(1), {1, "Kept"});
    // Only the record named "Refused" has seven characters.
    FixtureDatabase(DevicePath(1))
        .Exec("create trigger refuse before insert on telephone when length(new.name) = 7 "
              "begin select raise(abort, 'refused'); end;");
    AddAddress("Kept");
    AddAddress("Ann");
    AddAddress("Refused");
    AddAddress("Cy");
    AddToDo("2024/04/01", "After the failure");

    RunReport report = Sync();

    std::vector<std::string> names;
    for (const auto& row : test::ReadAddresses(DevicePath(1)))
        names.push_back(row.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Kept", "Ann", "Cy"}));
    EXPECT_EQ(test::ReadToDos(DevicePath(1)).size(), 1u);
    EXPECT_EQ(report.failedStatements, 1);
    EXPECT_EQ(report.Of(RecordKind::AddressBook), (KindCounts{.added = 2, .skippedEqual = 1}));
    EXPECT_TRUE(report.copiesSucceeded);
    ASSERT_EQ(ShownTexts().size(), 1u);
    EXPECT_EQ(ShownTexts()[0].rfind("* SQL error, cmd=insert into telephone values( 3, ", 0), 0u);
    EXPECT_NE(ShownTexts()[0].find(", rc=-19 (refused).\n"), std::string::npos);
}

TEST_F(WriteReloadTest, AnErrorThatEndsTheWritersTransactionLeavesTheDevicesFileAsItWas) {
    test::InsertAddress(DevicePath(1), {1, "Kept"});
    FixtureDatabase(DevicePath(1))
        .Exec("create trigger refuse before insert on telephone when length(new.name) = 7 "
              "begin select raise(rollback, 'gone'); end;");
    const std::string before = ReadFile(DevicePath(1));
    AddAddress("Ann");
    AddAddress("Refused");
    AddAddress("Cy");

    RunReport report = Sync();

    EXPECT_EQ(ReadFile(DevicePath(1)), before);
    EXPECT_FALSE(FileExists(ScratchCopyPath(1)));
    EXPECT_FALSE(report.copiesSucceeded);
    EXPECT_EQ(report.failedStatements, 1);
    EXPECT_EQ(report.failedFiles,
              (std::vector<FailedFile>{{"Secretary/PIM.db", FileFailure::NotReplaced}}));
}

TEST_F(WriteReloadTest, TheRebuildsLookupIndexGoesWithItsWorkTable) {
    FillDevice();
    ASSERT_TRUE(LoadFromDevice().Clean());
    Lists().ECUserList[5]->exp = "changed";
    AddECEntry("word 000", "v.", "first");

    RunReport report = Sync(SyncMode::MemoryWins, DataSelection::Only(RecordKind::ECUser));

    EXPECT_EQ(report.Of(RecordKind::ECUser),
              (KindCounts{.added = 1, .updated = 1, .skippedEqual = 50}));
    const auto rows = test::ReadHeadwords(DevicePath(2));
    ASSERT_EQ(rows.size(), 52u);
    EXPECT_EQ(rows[0].exp, "first");
    EXPECT_EQ(rows[6].exp, "changed");
    EXPECT_EQ(test::QueryRows(DevicePath(2), "select name from sqlite_master where name like "
                                             "'tmp%' or name = 'temp';"),
              std::vector<test::FixtureRow>{});
}

// A name so long that the lookup of its row is too long to run, while its insert is not: the
// record is reported and left as it is, never added a second time.
TEST_F(WriteReloadTest, ARecordWhoseRowCannotBeLookedUpIsNeverAddedAgain) {
    const std::string name(1900, 'n');
    test::InsertAddress(DevicePath(1), {1, name});
    ASSERT_TRUE(LoadFromDevice().Clean());
    ASSERT_EQ(Lists().AddrList.size(), 1u);

    for (SyncMode mode : {SyncMode::KeepBoth, SyncMode::MemoryWins}) {
        ui_.messages.Clear();
        RunReport report = Sync(mode);
        EXPECT_EQ(report.failedStatements, 1);
        EXPECT_EQ(report.Of(RecordKind::AddressBook), KindCounts{});
        ASSERT_EQ(ShownTexts().size(), 1u);
        EXPECT_EQ(ShownTexts()[0].rfind("* SQL error, cmd=select id, name, ", 0), 0u);
        const auto rows = test::ReadAddresses(DevicePath(1));
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].name, name);
    }
}

} // namespace
} // namespace zyntra
