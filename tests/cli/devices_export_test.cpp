#include "exchange/csv.h"
#include "tests/cli/cli_sandbox.h"
#include "tests/support/personal_db_fixture.h"

#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>

namespace zyntra::test {
namespace {

using Json = nlohmann::json;

// The CSV output as rows of named cells, after its header.
std::vector<std::map<std::string, std::string>> CsvRecords(const std::string& text) {
    CsvTable table = ReadCsv(text);
    EXPECT_EQ(table.error, "");
    std::vector<std::map<std::string, std::string>> records;
    for (std::size_t r = 1; r < table.rows.size(); ++r) {
        std::map<std::string, std::string> record;
        for (std::size_t c = 0; c < table.rows[0].size() && c < table.rows[r].size(); ++c)
            record[table.rows[0][c]] = table.rows[r][c];
        records.push_back(record);
    }
    return records;
}

TEST(CliDevices, ListsTheUsableDeviceWithItsCard) {
    CliSandbox sandbox;
    const std::string internal = sandbox.AddDevice();
    const std::string card = sandbox.AddCard("card");
    ProcessResult run = sandbox.Run({"devices"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Json listing = Json::parse(run.out);
    EXPECT_EQ(listing["usable"], true);
    ASSERT_EQ(listing["devices"].size(), 1u);
    const Json& device = listing["devices"][0];
    EXPECT_EQ(device["model"], "QX740");
    EXPECT_EQ(device["ident"], "QX-0001");
    EXPECT_EQ(device["internal"], internal);
    EXPECT_EQ(device["card"], card);
    EXPECT_EQ(device["locked"], false);
    EXPECT_EQ(device["mainClass"], "B");
    EXPECT_EQ(device["subClass"], "02");
}

TEST(CliDevices, ACardAloneOrTwoDevicesAreNotUsable) {
    CliSandbox sandbox;
    const std::string card = sandbox.AddCard("card");
    ProcessResult alone = sandbox.Run({"devices"});
    ASSERT_EQ(alone.exitCode, 0) << alone.err;
    Json listing = Json::parse(alone.out);
    EXPECT_EQ(listing["usable"], false);
    ASSERT_EQ(listing["devices"].size(), 1u);
    EXPECT_EQ(listing["devices"][0]["internal"], "");
    EXPECT_EQ(listing["devices"][0]["card"], card);
    EXPECT_EQ(sandbox.Run({"export", "addressbook"}).exitCode, 3);

    const std::string first = sandbox.AddDevice("first", CliSandbox::InternalHeader("QX-0001"));
    const std::string second = sandbox.AddDevice("second", CliSandbox::InternalHeader("QX-0002"));
    sandbox.SetPlugged({first, second});
    ProcessResult two = sandbox.Run({"devices"});
    ASSERT_EQ(two.exitCode, 0) << two.err;
    listing = Json::parse(two.out);
    EXPECT_EQ(listing["usable"], false);
    ASSERT_EQ(listing["devices"].size(), 2u);
    EXPECT_EQ(listing["devices"][1]["ident"], "QX-0002");
    ProcessResult refused = sandbox.Run({"export", "addressbook"});
    EXPECT_EQ(refused.exitCode, 3);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(sandbox.Run({"import", "addressbook", "in.json", "--mode", "merge"}).exitCode, 2);
}

TEST(CliExport, TraditionalChineseFromTheDeviceInBothFormats) {
    CliSandbox sandbox;
    const std::string root = sandbox.AddDevice();
    InsertAddress(DevicePim(root), {.id = 1,
                                    .name = "陳大文",
                                    .category = 2,
                                    .email = "chen@example.tw",
                                    .mobile1 = "0912-000-111",
                                    .home_address = "臺北市信義路五段7號",
                                    .note = "生日：三月"});
    InsertSchedule(DevicePim(root), {.id = 1,
                                     .date = "2026/03/01",
                                     .start_time = "09:00",
                                     .end_time = "10:00",
                                     .content = "開會：台中辦公室",
                                     .alarm = 2,
                                     .alarm_BStime = 30});
    const std::string before = ReadFile(DevicePim(root));

    ProcessResult json = sandbox.Run({"export", "addressbook"}, kTraditionalLocale);
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const Json addresses = Json::parse(json.out);
    ASSERT_EQ(addresses.size(), 1u);
    EXPECT_EQ(addresses[0]["id"], 1);
    EXPECT_EQ(addresses[0]["name"], "陳大文");
    EXPECT_EQ(addresses[0]["category"], 2);
    EXPECT_EQ(addresses[0]["home_address"], "臺北市信義路五段7號");
    EXPECT_EQ(addresses[0]["note"], "生日：三月");
    EXPECT_EQ(addresses[0]["mobile2"], "");

    ProcessResult csv = sandbox.Run({"export", "schedule", "--format", "csv"}, kTraditionalLocale);
    ASSERT_EQ(csv.exitCode, 0) << csv.err;
    EXPECT_EQ(csv.out.substr(0, csv.out.find("\r\n")),
              "id,date,start_time,end_time,content,alarm_BStime,locked,alarm,stamp_time");
    auto schedules = CsvRecords(csv.out);
    ASSERT_EQ(schedules.size(), 1u);
    EXPECT_EQ(schedules[0]["content"], "開會：台中辦公室");
    EXPECT_EQ(schedules[0]["date"], "2026/03/01");
    EXPECT_EQ(schedules[0]["alarm_BStime"], "30");

    // An export reads; it leaves the device and the backup alone.
    EXPECT_EQ(ReadFile(DevicePim(root)), before);
    EXPECT_FALSE(FileExists(sandbox.ProgramFolderPath() + "backup/default-1.dat"));
}

// A text longer than the conversion buffer is read cut, so its record is read-only: the
// messages name it in the system language, the name converted from the records' UTF-8.
TEST(CliExport, AReadOnlyEntryIsNamedInTheSystemLanguage) {
    CliSandbox sandbox;
    sandbox.SetLanguage("TChinese");
    const std::string root = sandbox.AddDevice();
    InsertAddress(DevicePim(root), {.id = 1, .name = "王小明", .note = std::string(3000, 'x')});

    ProcessResult run = sandbox.Run({"export", "addressbook"}, kTraditionalLocale);

    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Json::parse(run.out).at(0)["name"], "王小明");
    EXPECT_NE(run.err.find("下列項目含有這個語言無法顯示的字元，只顯示讀得出的部分，"
                           "無法在這裡修改，並保留電子辭典儲存的原樣：\n通訊錄: 王小明\n"),
              std::string::npos)
        << run.err;
}

TEST(CliExport, SimplifiedChineseToDosAndDictionaryFromTheDevice) {
    CliSandbox sandbox;
    const std::string root = sandbox.AddDevice();
    InsertToDo(DevicePim(root),
               {.id = 1, .date = "2026/04/02", .content = "买牛奶和面包", .priority = 1});
    InsertHeadword(DeviceCEDict(root), {.hw_id = 1,
                                        .hw_name = "你好",
                                        .hw_match = "你好",
                                        .type = "叹词",
                                        .exp = "hello; how are you",
                                        .dict_id = 72});

    ProcessResult todos = sandbox.Run({"export", "todo", "--format", "csv"}, kSimplifiedLocale);
    ASSERT_EQ(todos.exitCode, 0) << todos.err;
    auto records = CsvRecords(todos.out);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0]["content"], "买牛奶和面包");
    EXPECT_EQ(records[0]["priority"], "1");

    ProcessResult words = sandbox.Run({"export", "cedict", "--from", "device"}, kSimplifiedLocale);
    ASSERT_EQ(words.exitCode, 0) << words.err;
    const Json entries = Json::parse(words.out);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0],
              Json({{"hw_name", "你好"}, {"type", "叹词"}, {"exp", "hello; how are you"}}));
}

TEST(CliExport, CsvFieldsWithCommasQuotesAndLineBreaksOpenAsTheSameRecords) {
    CliSandbox sandbox;
    const std::string root = sandbox.AddDevice();
    const AddressRow awkward{.id = 1,
                             .name = "Lee, \"Ace\"",
                             .email = "ace@example.com",
                             .home_address = "12 Main St,\r\nSpringfield",
                             .note = "said \"hi\", twice"};
    InsertAddress(DevicePim(root), awkward);
    InsertAddress(DevicePim(root), {.id = 2, .name = "Plain", .note = " padded "});

    ProcessResult csv = sandbox.Run({"export", "addressbook", "--format", "csv"});
    ASSERT_EQ(csv.exitCode, 0) << csv.err;
    EXPECT_NE(csv.out.find("\"Lee, \"\"Ace\"\"\""), std::string::npos) << csv.out;
    auto records = CsvRecords(csv.out);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0]["name"], awkward.name);
    EXPECT_EQ(records[0]["home_address"], awkward.home_address);
    EXPECT_EQ(records[0]["note"], awkward.note);
    EXPECT_EQ(records[1]["note"], " padded ");

    // The same file read back in makes the same rows on a fresh device.
    const std::string file = sandbox.WriteInput("addresses.csv", csv.out);
    WriteDeviceDatabases(root);
    ProcessResult import =
        sandbox.Run({"import", "addressbook", file, "--format", "csv", "--mode", "memory"});
    ASSERT_EQ(import.exitCode, 0) << import.err;
    std::vector<AddressRow> rows = ReadAddresses(DevicePim(root));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].name, awkward.name);
    EXPECT_EQ(rows[0].home_address, awkward.home_address);
    EXPECT_EQ(rows[0].note, awkward.note);
    EXPECT_EQ(rows[1].note, " padded ");
}

} // namespace
} // namespace zyntra::test
