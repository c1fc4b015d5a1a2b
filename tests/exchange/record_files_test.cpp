#include "exchange/record_files.h"
#include "personal/record_fields.h"
#include "personal/schedule_alarm.h"
#include "platform/file_faults.h"
#include "storage/text_conv.h"
#include "tests/exchange/exchange_test_support.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace zyntra::test {
namespace {

constexpr const char* kToday = "2026/12/10";
constexpr const char* kNow = "2026/12/10 10:00:00";

// One record of every kind, their texts in the charset and full of what formats escape.
RecordLists EveryKind(const std::string& charset, const std::string& chinese) {
    const auto in = [&](const std::string& utf8) { return InCharset(utf8, charset); };
    RecordLists lists;
    auto address = std::make_unique<ADDRESSBOOK>();
    address->id = 12;
    address->name = in(chinese + " \"Ann\", Lee; \\");
    address->email = "ann@example.org";
    address->mobile1 = "0912 345 678";
    address->home_address = in("1 Road, Town; " + chinese);
    address->note = in("line one\nline two, \\ ;");
    address->locked = 1;
    lists.AddrList.push_back(std::move(address));
    auto appointment = std::make_unique<SCHEDULE>();
    appointment->date = "2026/03/01";
    appointment->start_time = "09:00";
    appointment->end_time = "10:30";
    appointment->content = in(chinese + ", \"quoted\"; \\");
    appointment->alarm_BStime = 30;
    appointment->alarm = AlarmChoice(30);
    lists.ScheList.push_back(std::move(appointment));
    auto task = std::make_unique<PLANS>();
    task->date = "2026/03/02";
    task->content = in("task; " + chinese);
    task->priority = 2;
    task->status = 1;
    lists.ToDoList.push_back(std::move(task));
    for (int day = 0; day < kWeekdayCount; ++day)
        for (int period = 0; period < kClassPeriodCount; ++period) {
            lists.classGrid[day][period].weekday = day + 1;
            lists.classGrid[day][period].class_no = period + 1;
        }
    CLASSTABLE& cell = lists.classGrid[1][2];
    cell.abbreviation = in("Ma");
    cell.course_name = in(chinese);
    cell.setting = 1;
    auto entry = std::make_unique<ECUSER>();
    entry->hw_name = in("word, \"w\"");
    entry->exp = in(chinese);
    lists.ECUserList.push_back(std::move(entry));
    auto ceEntry = std::make_unique<CEUSER>();
    ceEntry->hw_name = in(chinese);
    ceEntry->exp = in("meaning; \\");
    lists.CEUserList.push_back(std::move(ceEntry));
    return lists;
}

// The type an import offers for what an export of `written` wrote.
RecordFileType ImportTypeFor(const RecordFileType& written) {
    for (const RecordFileType& type : ImportFileTypes())
        if (type.kinds == written.kinds &&
            (type.format == written.format || (type.format == RecordFileFormat::VCard40 &&
                                               written.format == RecordFileFormat::VCard30)))
            return type;
    ADD_FAILURE() << "no import type for " << FormatName(written.format);
    return written;
}

void ExpectSameKinds(const RecordLists& written, const RecordLists& read,
                     const RecordFileType& type) {
    for (RecordKind kind : type.kinds) {
        switch (kind) {
        case RecordKind::AddressBook:
            ASSERT_EQ(read.AddrList.size(), 1u);
            ExpectSameMembers(*written.AddrList[0], *read.AddrList[0], kAddressBookFields,
                              {"id", "stamp_time"});
            EXPECT_EQ(read.AddrList[0]->id, 0) << "an appended record is new to the device";
            break;
        case RecordKind::Schedule:
            ASSERT_EQ(read.ScheList.size(), 1u);
            ExpectSameMembers(*written.ScheList[0], *read.ScheList[0], kScheduleFields,
                              {"id", "stamp_time"});
            break;
        case RecordKind::ToDo:
            ASSERT_EQ(read.ToDoList.size(), 1u);
            ExpectSameMembers(*written.ToDoList[0], *read.ToDoList[0], kToDoFields,
                              {"id", "stamp_time"});
            break;
        case RecordKind::ClassTable:
            ExpectSameMembers(written.classGrid[1][2], read.classGrid[1][2], kClassTableFields,
                              {"stamp_time"});
            break;
        case RecordKind::ECUser:
            ASSERT_EQ(read.ECUserList.size(), 1u);
            EXPECT_EQ(read.ECUserList[0]->hw_name, written.ECUserList[0]->hw_name);
            EXPECT_EQ(read.ECUserList[0]->exp, written.ECUserList[0]->exp);
            break;
        case RecordKind::CEUser:
            ASSERT_EQ(read.CEUserList.size(), 1u);
            EXPECT_EQ(read.CEUserList[0]->hw_name, written.CEUserList[0]->hw_name);
            EXPECT_EQ(read.CEUserList[0]->exp, written.CEUserList[0]->exp);
            break;
        }
    }
}

TEST(RecordFiles, EveryTypeTheWindowWritesItReadsBackInBothInterfaceCharsets) {
    TempDir dir;
    for (const auto& [charset, chinese] :
         {std::pair{"BIG5", "和客戶吃午飯"}, std::pair{"GB2312", "和客户吃午饭"}}) {
        const RecordLists written = EveryKind(charset, chinese);
        for (const RecordFileType& type : ExportFileTypes()) {
            SCOPED_TRACE(std::string(charset) + " " + FormatName(type.format) + " " +
                         std::to_string(static_cast<int>(type.kinds.front())));
            const std::string path = dir.Path() + "records." + ExtensionsOf(type.format).front();
            const RecordFileExport exported = WriteRecordFile(written, path, type, charset);
            ASSERT_EQ(exported.fault, "");
            // The timetable is written whole, a row for each cell.
            const std::size_t records = type.kinds.front() == RecordKind::ClassTable
                                            ? kWeekdayCount * kClassPeriodCount
                                            : type.kinds.size();
            EXPECT_EQ(exported.written, records);
            RecordLists read;
            const RecordFileImport imported =
                AppendRecordFile(read, path, ImportTypeFor(type), charset, kToday, kNow);
            ASSERT_TRUE(imported.faults.empty()) << imported.faults.front();
            EXPECT_TRUE(imported.notes.empty()) << imported.notes.front();
            EXPECT_EQ(imported.AppendedCount(), records);
            ExpectSameKinds(written, read, type);
        }
    }
}

TEST(RecordFiles, AnImportAppendsToWhatTheListsHoldAndACalendarFillsBothLists) {
    RecordLists lists = EveryKind("BIG5", "舊的");
    const RecordFileType vcard{RecordFileFormat::VCard40, {RecordKind::AddressBook}};
    const RecordFileImport cards = AppendRecordFile(
        lists, std::string(ZYNTRA_EXCHANGE_FIXTURES) + "phone.vcf", vcard, "UTF-8", kToday, kNow);
    ASSERT_TRUE(cards.faults.empty()) << cards.faults.front();
    ASSERT_EQ(lists.AddrList.size(), 3u);
    EXPECT_EQ(lists.AddrList[0]->id, 12) << "the list's own record is kept as it was";
    EXPECT_EQ(lists.AddrList[1]->id, 0);
    EXPECT_EQ(lists.AddrList[2]->stamp_time, kNow);

    const RecordFileType calendar = ImportFileTypes()[1];
    ASSERT_EQ(calendar.format, RecordFileFormat::ICalendar);
    const RecordFileImport events =
        AppendRecordFile(lists, std::string(ZYNTRA_EXCHANGE_FIXTURES) + "thunderbird.ics", calendar,
                         "BIG5", kToday, kNow);
    ASSERT_TRUE(events.faults.empty()) << events.faults.front();
    EXPECT_EQ(lists.ScheList.size(), 1u + 2u);
    EXPECT_EQ(lists.ToDoList.size(), 1u + 1u);
    EXPECT_EQ(events.AppendedCount(), 3u);
    EXPECT_EQ(lists.ScheList[1]->content, "Team meeting, weekly; bring notes");
    // Both lists take their components, so nothing is "the other list's".
    EXPECT_FALSE(Noted(events.notes, "other list"));
    EXPECT_TRUE(Noted(events.notes, "RRULE")) << "a recurrence is told, not dropped";
}

TEST(RecordFiles, AFilesExtensionNamesItsFormatWhereTheChosenTypeHasAnother) {
    const std::vector<RecordFileType> types = ImportFileTypes();
    const auto typeOf = [&](std::size_t chosen, const std::string& path) {
        const RecordFileType& type = ImportTypeOfFile(types, chosen, path);
        return std::pair{type.format, type.kinds.front()};
    };
    const std::size_t todoCsv = 2 + 2;
    ASSERT_EQ(types[todoCsv].kinds.front(), RecordKind::ToDo);
    EXPECT_EQ(typeOf(0, "/a/b.ICS"), std::pair(RecordFileFormat::ICalendar, RecordKind::Schedule));
    EXPECT_EQ(typeOf(todoCsv, "x.vcf"),
              std::pair(RecordFileFormat::VCard40, RecordKind::AddressBook));
    EXPECT_EQ(typeOf(todoCsv, "x.csv"), std::pair(RecordFileFormat::Csv, RecordKind::ToDo));
    // CSV names no kind, and a file without an extension names nothing: the choice stands.
    EXPECT_EQ(typeOf(0, "x.csv"), std::pair(RecordFileFormat::VCard40, RecordKind::AddressBook));
    EXPECT_EQ(typeOf(1, "calendar"), std::pair(RecordFileFormat::ICalendar, RecordKind::Schedule));
}

TEST(RecordFiles, AFileWithOneRecordThatDoesNotFitOrABrokenEndChangesNothing) {
    TempDir dir;
    const std::string json = dir.Path() + "addresses.json";
    WriteFile(json, "[{\"name\": \"Fits\"}, {\"name\": \"\"}]");
    const std::string ics = dir.Path() + "cut.ics";
    WriteFile(ics, "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nSUMMARY:x\r\n"
                   "DTSTART:20260101T090000\r\nEND:VEVENT\r\n");
    RecordLists lists = EveryKind("BIG5", "舊的");
    const RecordFileImport refused = AppendRecordFile(
        lists, json, {RecordFileFormat::Json, {RecordKind::AddressBook}}, "BIG5", kToday, kNow);
    ASSERT_EQ(refused.faults.size(), 1u);
    EXPECT_NE(refused.faults[0].find("record 2"), std::string::npos) << refused.faults[0];
    const RecordFileImport broken =
        AppendRecordFile(lists, ics, ImportFileTypes()[1], "BIG5", kToday, kNow);
    EXPECT_FALSE(broken.faults.empty());
    const RecordFileImport missing = AppendRecordFile(lists, dir.Path() + "none.vcf",
                                                      ImportFileTypes()[0], "BIG5", kToday, kNow);
    ASSERT_FALSE(missing.faults.empty());
    EXPECT_NE(missing.faults[0].find("none.vcf"), std::string::npos);
    EXPECT_EQ(lists.AddrList.size(), 1u);
    EXPECT_EQ(lists.ScheList.size(), 1u);
    EXPECT_EQ(lists.ToDoList.size(), 1u);
}

// A device text the interface charset cannot show: memory holds what could be shown, the
// record is read-only, and the stored form (complemented, as the personal tables keep texts)
// is what the device has.
TEST(RecordFiles, AReadOnlyRecordIsWrittenWithTheDevicesTextNotWhatMemoryCouldShow) {
    TempDir dir;
    RecordLists lists;
    auto address = std::make_unique<ADDRESSBOOK>();
    address->name = "?";
    address->email = "wang@example.com";
    address->stored.readOnly = true;
    for (std::string column : {"name", "email"}) {
        std::string stored = column == "name" ? "王小明" : "wang@example.com";
        complement_copy(stored.data(), stored.size(), stored.data());
        address->stored.columns.insert_or_assign(column, stored);
    }
    lists.AddrList.push_back(std::move(address));
    for (const RecordFileType& type : ExportFileTypes()) {
        if (type.kinds.front() != RecordKind::AddressBook)
            continue;
        SCOPED_TRACE(FormatName(type.format));
        const std::string path = dir.Path() + "read-only." + ExtensionsOf(type.format).front();
        ASSERT_EQ(WriteRecordFile(lists, path, type, "ARMSCII-8").fault, "");
        RecordLists read;
        const RecordFileImport imported =
            AppendRecordFile(read, path, ImportTypeFor(type), "UTF-8", kToday, kNow);
        ASSERT_TRUE(imported.faults.empty()) << imported.faults.front();
        ASSERT_EQ(read.AddrList.size(), 1u);
        EXPECT_EQ(read.AddrList[0]->name, "王小明");
        EXPECT_EQ(read.AddrList[0]->email, "wang@example.com");
    }
}

TEST(RecordFiles, AnExportThatCannotBeFlushedLeavesTheFileThatWasThere) {
    TempDir dir;
    const std::string path = dir.Path() + "contacts.vcf";
    WriteFile(path, "what was there");
    SetFileFaultHook(
        [](FileStep step, const std::string&) { return step == FileStep::Flush ? ENOSPC : 0; });
    const RecordFileExport result =
        WriteRecordFile(EveryKind("BIG5", "舊的"), path, ExportFileTypes()[0], "BIG5");
    SetFileFaultHook({});
    EXPECT_NE(result.fault.find("contacts.vcf"), std::string::npos) << result.fault;
    EXPECT_EQ(ReadFile(path), "what was there");
    EXPECT_FALSE(FileExists(path + ".part"));
}

} // namespace
} // namespace zyntra::test
