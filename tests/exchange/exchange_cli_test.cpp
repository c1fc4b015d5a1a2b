#include "tests/cli/cli_sandbox.h"
#include "tests/exchange/exchange_test_support.h"
#include "tests/support/personal_db_fixture.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <nlohmann/json.hpp>

namespace zyntra::test {
namespace {

using Json = nlohmann::json;

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The records of a JSON export without what a new device gives them anew.
Json WithoutDeviceFields(const std::string& exported) {
    Json records = Json::parse(exported);
    for (Json& record : records)
        for (const char* field : {"id", "stamp_time", "photo_name"})
            record.erase(field);
    return records;
}

struct KindCase {
    const char* kind;
    const char* json; // the records the first device gets
    std::vector<std::string> exportArgs;
    const char* file; // the name the export is saved as, which chooses the import's format
};

// Records go onto a device, out as a vCard or iCalendar file, into a second device by a
// synchronisation and out again as JSON: every field is as it was.
TEST(ExchangeThroughDevices, EveryMappedFieldSurvivesAnExportAndASyncToAnotherDevice) {
    const char* addresses = R"([
        {"name": "王小明", "category": 3, "email": "wang\"x\"@example.cn",
         "mobile1": "0912,345;678", "mobile2": "0987\\654", "home_phone": "02-2345-6789",
         "home_fax": "02-2345-6780", "home_address": "臺北市信義路五段7號, 3樓; 後門",
         "office_name": "科技公司; 研發部", "office_title": "經理",
         "office_phone": "02-8765-4321", "office_fax": "02-8765-4320",
         "office_address": "高雄市前鎮區", "note": "say \"hi\", then; C:\\tools\nline 2",
         "locked": 1},
        {"name": "Bob", "category": 5}])";
    const char* appointments = R"([
        {"date": "2026/01/05", "start_time": "09:00", "end_time": "10:30",
         "content": "和客户吃午饭, \"带\"; 名片\\", "alarm": 0, "alarm_BStime": -1},
        {"date": "2026/01/06", "start_time": "08:15", "end_time": "08:45", "content": "a",
         "alarm": 1, "alarm_BStime": 0, "locked": 1},
        {"date": "2026/01/07", "start_time": "08:15", "end_time": "", "content": "b",
         "alarm": 2, "alarm_BStime": 30},
        {"date": "2026/01/08", "start_time": "18:00", "end_time": "19:00", "content": "c",
         "alarm": 3, "alarm_BStime": 60},
        {"date": "2026/03/01", "start_time": "", "end_time": "", "content": "全天",
         "alarm": 0, "alarm_BStime": -1}])";
    const char* tasks = R"([
        {"date": "2026/04/01", "content": "交季度報告, \"Q1\"; \\", "category": 0, "priority": 1,
         "status": 1},
        {"date": "2026/04/02", "content": "b", "category": 1, "priority": 2, "status": 0,
         "locked": 1},
        {"date": "2026/04/03", "content": "c", "category": 2, "priority": 3, "status": 0},
        {"date": "2026/04/04", "content": "d", "category": 2, "priority": 0, "status": 1}])";
    const std::vector<KindCase> cases = {
        {"addressbook", addresses, {"--format", "vcard"}, "out.vcf"},
        {"addressbook", addresses, {"--format", "vcard", "--vcard-version", "3.0"}, "out.vcf"},
        {"schedule", appointments, {"--format", "ical"}, "out.ics"},
        {"todo", tasks, {"--format", "ical"}, "out.ics"},
    };
    for (const KindCase& c : cases) {
        SCOPED_TRACE(std::string(c.kind) + " " + c.exportArgs.back());
        CliSandbox first;
        first.AddDevice();
        ProcessResult run =
            first.Run({"import", c.kind, first.WriteInput("in.json", c.json), "--mode", "memory"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        ProcessResult asJson = first.Run({"export", c.kind});
        ASSERT_EQ(asJson.exitCode, 0) << asJson.err;
        ASSERT_EQ(WithoutDeviceFields(asJson.out).size(), Json::parse(c.json).size());
        std::vector<std::string> exportArgs = {"export", c.kind};
        exportArgs.insert(exportArgs.end(), c.exportArgs.begin(), c.exportArgs.end());
        ProcessResult exported = first.Run(exportArgs);
        ASSERT_EQ(exported.exitCode, 0) << exported.err;

        CliSandbox second;
        second.AddDevice();
        run = second.Run({"import", c.kind, second.WriteInput(c.file, exported.out)});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.err.find("not mapped"), std::string::npos) << run.err;
        ProcessResult back = second.Run({"export", c.kind});
        ASSERT_EQ(back.exitCode, 0) << back.err;
        EXPECT_EQ(WithoutDeviceFields(back.out), WithoutDeviceFields(asJson.out));
    }
}

TEST(ExchangeThroughDevices, ImportTellsPerRecordWhatItCouldNotMap) {
    CliSandbox sandbox;
    const std::string root = sandbox.AddDevice();
    const std::string file = sandbox.WriteInput("contacts.vcf", ReadFixture("thunderbird.vcf"));
    ProcessResult run = sandbox.Run({"import", "addressbook", file});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find(file + ": record 1 (line 1): not mapped: EMAIL "
                                  "\"alice.work@example.org\" (a second e-mail)"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("record 2 (line 23): not mapped: TEL \"0933\""), std::string::npos)
        << run.err;
    std::vector<AddressRow> rows = ReadAddresses(DevicePim(root));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].name, "Alice Example");
    EXPECT_EQ(rows[1].locked, 1);

    const std::string calendar = sandbox.WriteInput("cal.ics", ReadFixture("thunderbird.ics"));
    run = sandbox.Run({"import", "schedule", calendar});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("not mapped: RRULE"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("1 VTODO not read"), std::string::npos) << run.err;
    EXPECT_EQ(ReadSchedules(DevicePim(root)).size(), 2u);
}

TEST(ExchangeThroughDevices, AMalformedOrUnfitFileWritesNothing) {
    CliSandbox sandbox;
    const std::string root = sandbox.AddDevice();
    InsertAddress(DevicePim(root), {.id = 1, .name = "Alice"});
    InsertSchedule(DevicePim(root), {.id = 1, .date = "2026/01/01", .content = "kept"});
    const std::string before = FileBytes(DevicePim(root));
    const std::string good = "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Bob\r\nEND:VCARD\r\n";
    const std::string calendar = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:x\r\n";
    struct Bad {
        const char* kind;
        const char* name;
        std::string text;
        const char* message;
    };
    for (const Bad& bad : {
             Bad{"addressbook", "cut.vcf", good + "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Carol\r\n",
                 "line 5: BEGIN:VCARD has no END:VCARD"},
             Bad{"addressbook", "long.vcf",
                 good + "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:" + std::string(101, 'x') +
                     "\r\nEND:VCARD\r\n",
                 "record 2: "},
             // The editors take no entry without a name, and neither does an import.
             Bad{"addressbook", "unnamed.vcf",
                 good + "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:\r\nN:;;;;\r\nEND:VCARD\r\n",
                 "record 2: the name is empty"},
             Bad{"addressbook", "huge.vcf",
                 good + "NOTE:" + std::string(10u * 1024 * 1024, 'x') + "\r\n",
                 "line 5: the line is longer than"},
             Bad{"schedule", "date.ics",
                 calendar + "BEGIN:VEVENT\r\nUID:1\r\nDTSTART:20241345\r\nSUMMARY:x\r\n"
                            "END:VEVENT\r\nEND:VCALENDAR\r\n",
                 "line 4: DTSTART"},
         }) {
        SCOPED_TRACE(bad.name);
        ProcessResult run =
            sandbox.Run({"import", bad.kind, sandbox.WriteInput(bad.name, bad.text)});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find(bad.message), std::string::npos) << run.err;
        EXPECT_EQ(FileBytes(DevicePim(root)), before);
    }
    ProcessResult wrongKind =
        sandbox.Run({"import", "todo", sandbox.WriteInput("people.vcf", good)});
    EXPECT_EQ(wrongKind.exitCode, 2);
    EXPECT_NE(wrongKind.err.find("vCard holds only the address book"), std::string::npos)
        << wrongKind.err;
    ProcessResult badVersion =
        sandbox.Run({"export", "addressbook", "--format", "vcard", "--vcard-version", "2.1"});
    EXPECT_EQ(badVersion.exitCode, 2);
    EXPECT_NE(badVersion.err.find("unknown vCard version 2.1"), std::string::npos);
}

} // namespace
} // namespace zyntra::test
