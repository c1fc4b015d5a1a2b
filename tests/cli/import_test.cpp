#include "tests/cli/cli_sandbox.h"
#include "tests/support/device_fixture.h"
#include "tests/support/personal_db_fixture.h"

#include <ctime>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace zyntra::test {
namespace {

std::string Today() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y/%m/%d", &local);
    return text;
}

// The device knows Alice with its own note; the file has her with another
// note (enough other fields equal to be the same person) and a new Bob.
struct ModeCase {
    const char* mode;
    std::vector<std::string> expectedNotes; // Alice's rows, in id order
    std::string action;                     // what the report says was done with her
};

TEST(CliImport, EachModeDecidesBetweenTheFileAndTheDevice) {
    const std::string file =
        R"([{"id": 1, "name": "Alice", "category": 1, "email": "alice@example.com",
             "mobile1": "0912", "note": "from the file"},
            {"name": "Bob", "email": "bob@example.com"}])";
    for (const ModeCase& c : {ModeCase{"memory", {"from the file"}, "updated"},
                              ModeCase{"device", {"on the device"}, "leftAlone"},
                              ModeCase{"both", {"on the device", "from the file"}, "keptTwice"}}) {
        SCOPED_TRACE(c.mode);
        CliSandbox sandbox;
        const std::string root = sandbox.AddDevice();
        InsertAddress(DevicePim(root), {.id = 1,
                                        .name = "Alice",
                                        .category = 1,
                                        .email = "alice@example.com",
                                        .mobile1 = "0912",
                                        .note = "on the device"});
        ProcessResult run = sandbox.Run(
            {"import", "addressbook", sandbox.WriteInput("in.json", file), "--mode", c.mode});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const nlohmann::json report = nlohmann::json::parse(run.out);
        ASSERT_EQ(report.at("kinds").size(), 1u) << run.out;
        const nlohmann::json& addresses = report.at("kinds").at("addressbook");
        EXPECT_EQ(addresses.at("added"), 1);
        EXPECT_EQ(addresses.at(c.action), 1);
        EXPECT_EQ(addresses.at("skippedEqual"), 0);
        EXPECT_EQ(addresses.at("differed"),
                  nlohmann::json::array({{{"name", "Alice"}, {"action", c.action}}}));
        EXPECT_EQ(report.at("differedNotListed"), 0);
        std::vector<std::string> aliceNotes;
        int bobs = 0;
        for (const AddressRow& row : ReadAddresses(DevicePim(root))) {
            if (row.name == "Alice")
                aliceNotes.push_back(row.note);
            bobs += row.name == "Bob" && row.email == "bob@example.com";
        }
        EXPECT_EQ(aliceNotes, c.expectedNotes);
        EXPECT_EQ(bobs, 1);
    }
}

TEST(CliImport, BothIsTheDefaultModeAndOtherKindsTakeNewRecordDefaults) {
    CliSandbox sandbox;
    const std::string root = sandbox.AddDevice();
    InsertToDo(DevicePim(root), {.id = 1, .date = "2026/01/05", .content = "寫報告"});
    const std::string todos = sandbox.WriteInput(
        "todo.csv", "content,priority,date\r\n寫報告,2,2026/01/05\r\n買菜,1,\r\n");
    ProcessResult run =
        sandbox.Run({"import", "todo", todos, "--format", "csv"}, kTraditionalLocale);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::vector<ToDoRow> rows = ReadToDos(DevicePim(root));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].content, "寫報告");
    EXPECT_EQ(rows[0].priority, 0);
    EXPECT_EQ(rows[1].content, "寫報告");
    EXPECT_EQ(rows[1].priority, 2);
    EXPECT_EQ(rows[2].content, "買菜");
    EXPECT_EQ(rows[2].date, Today());

    const std::string schedule =
        sandbox.WriteInput("schedule.json", R"([{"content": "复诊", "alarm": 3}])");
    run = sandbox.Run({"import", "schedule", schedule}, kSimplifiedLocale);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::vector<ScheduleRow> meetings = ReadSchedules(DevicePim(root));
    ASSERT_EQ(meetings.size(), 1u);
    EXPECT_EQ(meetings[0].content, "复诊");
    EXPECT_EQ(meetings[0].date, Today());
    EXPECT_EQ(meetings[0].alarm, 3);
    EXPECT_EQ(meetings[0].alarm_BStime, 60);

    const std::string words = sandbox.WriteInput(
        "ec.json", R"([{"hw_name": "don't stop", "type": "v.", "exp": "100% 不要停"}])");
    run = sandbox.Run({"import", "ecdict", words, "--mode", "memory"}, kTraditionalLocale);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::vector<HeadwordRow> entries = ReadHeadwords(DeviceECDict(root));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].hw_name, "don't stop");
    EXPECT_EQ(entries[0].exp, "100% 不要停");
}

TEST(CliImport, TimetableCellsAreNamedByWeekdayAndPeriod) {
    CliSandbox sandbox;
    const std::string root = sandbox.AddDevice();
    const std::string file =
        sandbox.WriteInput("cells.json", R"([{"weekday": 3, "class_no": 4, "abbreviation": "物理",
                           "course_name": "物理學", "color": 2}])");
    ProcessResult run =
        sandbox.Run({"import", "classtable", file, "--mode", "memory"}, kTraditionalLocale);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::vector<FixtureRow> rows =
        QueryRows(DevicePim(root), "select course_name, color, setting from classtable "
                                   "where weekday = 3 and class_no = 4");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(Uncomplemented(rows[0][0]), "物理學");
    EXPECT_EQ(rows[0][1], "2");
    EXPECT_EQ(rows[0][2], "1");
    // The report names a cell as the export numbers it.
    EXPECT_EQ(nlohmann::json::parse(run.out)["kinds"]["classtable"]["differed"],
              nlohmann::json::array({{{"name", "3/4"}, {"action", "updated"}}}));

    ProcessResult exported = sandbox.Run({"export", "classtable"}, kTraditionalLocale);
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    const nlohmann::json cells = nlohmann::json::parse(exported.out);
    ASSERT_EQ(cells.size(), 84u);
    EXPECT_EQ(cells[1]["weekday"], 1);
    EXPECT_EQ(cells[1]["class_no"], 2);
    EXPECT_EQ(cells[12]["weekday"], 2);
    EXPECT_EQ(cells[2 * 12 + 3]["abbreviation"], "物理");
}

TEST(CliImport, BadInputExitsOneAndLeavesTheDeviceAlone) {
    CliSandbox sandbox;
    const std::string root = sandbox.AddDevice();
    InsertAddress(DevicePim(root), {.id = 1, .name = "Alice"});
    const std::string before = ReadFile(DevicePim(root));
    struct BadFile {
        const char* name;
        const char* text;
        const char* format;
        const char* expected; // in the message
    };
    for (const BadFile& bad : {
             BadFile{"broken.json", R"([{"name": "Bob",)", "json", "not valid JSON"},
             BadFile{"type.json", R"([{"name": "Bob"}, {"name": "Carol", "category": "two"}])",
                     "json", "record 2"},
             BadFile{"unknown.json", R"([{"name": "Bob", "nickname": "B"}])", "json", "nickname"},
             BadFile{"short.csv", "name,email\r\nBob,bob@example.com\r\nCarol\r\n", "csv",
                     "record 2"},
             BadFile{"number.csv", "name,category\r\nBob,first\r\n", "csv", "category"},
             BadFile{"nameless.json", R"([{"email": "x@example.com"}])", "json", "name"},
         }) {
        SCOPED_TRACE(bad.name);
        ProcessResult run =
            sandbox.Run({"import", "addressbook", sandbox.WriteInput(bad.name, bad.text),
                         "--format", bad.format, "--mode", "memory"});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find(bad.expected), std::string::npos) << run.err;
        EXPECT_EQ(ReadFile(DevicePim(root)), before);
    }
    ProcessResult missing = sandbox.Run({"import", "addressbook", "/nonexistent/in.json"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("/nonexistent/in.json"), std::string::npos) << missing.err;
    EXPECT_EQ(ReadFile(DevicePim(root)), before);
}

TEST(CliImport, ADeviceWithoutTheKindsTableIsAFailure) {
    CliSandbox sandbox;
    const std::string root = sandbox.AddDevice();
    FixtureDatabase(DevicePim(root)).Exec("drop table telephone;");
    ProcessResult run = sandbox.Run(
        {"import", "addressbook", sandbox.WriteInput("in.json", R"([{"name": "Bob"}])")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("addressbook"), std::string::npos) << run.err;
}

// Records cross the command line as UTF-8 whatever the locale: what one locale's charset
// lacks (Traditional characters under zh_CN, Chinese or accents under an English locale) is
// neither refused nor cut, and an export imports again as the same records.
TEST(CliImport, AnyTextIsAcceptedAndExportedWhole) {
    CliSandbox sandbox;
    const std::string root = sandbox.AddDevice();
    InsertAddress(DevicePim(root), {.id = 1, .name = "王小明", .note = "同學"});
    InsertHeadword(
        DeviceECDict(root),
        {.hw_id = 1, .hw_name = "apple", .hw_match = "apple", .type = "n.", .exp = "蘋果"});

    ProcessResult csv = sandbox.Run({"export", "addressbook", "--format", "csv"});
    ASSERT_EQ(csv.exitCode, 0) << csv.err;
    EXPECT_NE(csv.out.find("王小明"), std::string::npos) << csv.out;
    ProcessResult words = sandbox.Run({"export", "ecdict"});
    ASSERT_EQ(words.exitCode, 0) << words.err;
    EXPECT_EQ(nlohmann::json::parse(words.out).at(0)["exp"], "蘋果");

    const std::string added = sandbox.WriteInput(
        "added.json", R"([{"name": "José Müller"}, {"name": "臺灣", "note": "ß ñ ø"}])");
    for (const char* locale : {kEnglishLocale, kSimplifiedLocale}) {
        SCOPED_TRACE(locale);
        ProcessResult run = sandbox.Run({"import", "addressbook", added}, locale);
        ASSERT_EQ(run.exitCode, 0) << run.err;
    }
    std::vector<std::string> names;
    for (const AddressRow& row : ReadAddresses(DevicePim(root)))
        names.push_back(row.name);
    EXPECT_EQ(names, (std::vector<std::string>{"王小明", "José Müller", "臺灣"}));

    // The exported CSV goes back in: every record is found equal, nothing is added.
    ProcessResult again = sandbox.Run(
        {"import", "addressbook", sandbox.WriteInput("again.csv", csv.out), "--format", "csv"});
    ASSERT_EQ(again.exitCode, 0) << again.err;
    EXPECT_NE(again.err.find("Address Book, 1 already there"), std::string::npos) << again.err;
    EXPECT_EQ(ReadAddresses(DevicePim(root)).size(), 3u);
}

TEST(CliImport, TextThatIsNoUtf8IsRefused) {
    CliSandbox sandbox;
    const std::string root = sandbox.AddDevice();
    const std::string before = ReadFile(DevicePim(root));
    const std::string file = sandbox.WriteInput("in.csv", "name,note\r\nBad\xff\xfeName,x\r\n");
    ProcessResult run = sandbox.Run({"import", "addressbook", file, "--format", "csv"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("record 1"), std::string::npos) << run.err;
    EXPECT_EQ(ReadFile(DevicePim(root)), before);
}

} // namespace
} // namespace zyntra::test
