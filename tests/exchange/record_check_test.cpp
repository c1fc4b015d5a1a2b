#include "exchange/charset_codec.h"
#include "exchange/record_check.h"
#include "exchange/record_table.h"

#include <gtest/gtest.h>

namespace zyntra {
namespace {

TEST(RecordCheck, DatesAndTimesMustBeTheStoredFormsOfRealDaysAndTimes) {
    for (const char* date : {"2024/02/29", "2000/02/29", "2026/12/31", "0001/01/01"})
        EXPECT_TRUE(IsStoredDate(date)) << date;
    for (const char* date :
         {"not a date", "2023/02/29", "1900/02/29", "2024/13/01", "2024/04/31", "2024/00/10",
          "2024-01-05", "2024/1/5", "20240105", "0000/01/01", "2024/01/05 ", "+024/01/05", ""})
        EXPECT_FALSE(IsStoredDate(date)) << date;
    for (const char* time : {"00:00", "23:59", "09:05"})
        EXPECT_TRUE(IsStoredTime(time)) << time;
    for (const char* time : {"99:99", "24:00", "12:60", "9:30", "09:5", "0930", "09.30", "-1:30"})
        EXPECT_FALSE(IsStoredTime(time)) << time;

    EXPECT_EQ(TextFault("date", 10, "2024/02/30"),
              "field \"date\" must be a date written yyyy/mm/dd");
    EXPECT_EQ(TextFault("start_time", 5, "99:99"),
              "field \"start_time\" must be a time written hh:mm, or empty");
    EXPECT_EQ(TextFault("end_time", 5, ""), "");
    // Only the named fields have a form: a note may say anything.
    EXPECT_EQ(TextFault("note", 100, "not a date"), "");
}

TEST(RecordCheck, TextsAreCountedInCharactersAndMayHoldNoZeroByte) {
    std::string hundred;
    for (int i = 0; i < 100; ++i)
        hundred += "\xE5\xAF\xAB"; // three bytes, one character
    EXPECT_EQ(CharacterCount(hundred), 100u);
    EXPECT_EQ(TextFault("content", 100, hundred), "");
    EXPECT_EQ(TextFault("content", 100, hundred + "x"),
              "field \"content\" is longer than 100 characters");
    EXPECT_EQ(TextFault("name", 100, std::string("Al\0ce", 5)), "field \"name\" holds a zero byte");

    EXPECT_EQ(IntegerFault("alarm", 0, 3, 3), "");
    EXPECT_EQ(IntegerFault("alarm", 0, 3, 17), "field \"alarm\" must be 0..3");
    EXPECT_EQ(IntegerFault("alarm_BStime", -1, 1440, -2),
              "field \"alarm_BStime\" must be -1..1440");
}

ImportedRecord Task(std::string content,
                    std::vector<std::pair<std::string, FieldValue>> more = {}) {
    ImportedRecord record{{{"content", std::move(content)}}};
    record.values.insert(record.values.end(), more.begin(), more.end());
    return record;
}

// Each field is held to what the editors let a user store, and every record is checked even
// after one did not fit: all faults are told, and nothing reaches memory.
TEST(RecordCheck, AnImportTellsEveryRecordThatDoesNotFitAndKeepsNone) {
    RecordLists lists;
    const CharsetCodec codec("UTF-8");
    RecordImport import(lists, RecordKind::ToDo, codec, "2026/01/05", "2026-01-05 10:00:00");
    import.Add(Task("fine"));
    import.Add(Task(std::string(5000, 'x')));
    import.Add(Task("ok", {{"priority", 4LL}, {"category", 3LL}, { "status", 2LL }}));
    import.Add(Task("ok", {{"id", 2147483647LL}, {"locked", -1LL}, { "date", std::string("") }}));
    import.Add(Task("fine too", {{"id", 2147483646LL}, {"priority", 3LL}, { "category", 2LL }}));
    const std::vector<std::string> expected = {
        "record 2: field \"content\" is longer than 100 characters",
        "record 3: field \"priority\" must be 0..3; field \"category\" must be 0..2; "
        "field \"status\" must be 0..1",
        "record 4: field \"id\" must be 0..2147483646; field \"locked\" must be 0..1; "
        "field \"date\" must be a date written yyyy/mm/dd"};
    EXPECT_EQ(import.Faults(), expected);
    EXPECT_EQ(import.FaultCount(), 3u);
    import.Commit();
    EXPECT_TRUE(lists.ToDoList.empty());

    // Past the faults that are told, the others are counted.
    RecordImport many(lists, RecordKind::Schedule, codec, "2026/01/05", "");
    for (int i = 0; i < 30; ++i)
        many.Add({{{"content", std::string("x")}, {"alarm", 17LL}}});
    ASSERT_EQ(many.Faults().size(), RecordImport::kKeptFaults);
    EXPECT_EQ(many.Faults().back(), "record 20: field \"alarm\" must be 0..3");
    EXPECT_EQ(many.FaultCount(), 30u);
    many.Commit();
    EXPECT_TRUE(lists.ScheList.empty());

    // Past the most records an import takes, the rest is refused unread.
    RecordImport huge(lists, RecordKind::ToDo, codec, "2026/01/05", "");
    for (std::size_t i = 0; i < RecordImport::kMostRecords + 3; ++i)
        huge.Add(Task("t"));
    ASSERT_EQ(huge.Faults().size(), 1u);
    EXPECT_EQ(huge.Faults()[0], "record " + std::to_string(RecordImport::kMostRecords + 1) +
                                    ": an import takes at most 200000 records; the records from "
                                    "here on are not read");
    huge.Commit();
    EXPECT_TRUE(lists.ToDoList.empty());
}

TEST(RecordCheck, EveryKindKeepsItsTextsToTheEditorsLimits) {
    struct Case {
        RecordKind kind;
        ImportedRecord record;
        const char* fault; // empty: fits
    };
    const std::string long101(101, 'a');
    const Case cases[] = {
        {RecordKind::AddressBook,
         {{{"name", std::string("Al")}, {"mobile1", std::string(51, '1')}}},
         "record 1: field \"mobile1\" is longer than 50 characters"},
        {RecordKind::AddressBook,
         {{{"name", std::string("Al")}, {"category", 6LL}}},
         "record 1: field \"category\" must be 0..5"},
        {RecordKind::AddressBook,
         {{{"name", std::string("Al")}, {"note", long101}}},
         "record 1: field \"note\" is longer than 100 characters"},
        {RecordKind::Schedule, {{{"content", std::string("c")}, {"alarm_BStime", 15LL}}}, ""},
        {RecordKind::ClassTable,
         {{{"weekday", 8LL}, {"class_no", 1LL}, {"abbreviation", std::string("1234567")}}},
         "record 1: field \"weekday\" must be 1..7; field \"abbreviation\" is longer than 6 "
         "characters"},
        {RecordKind::ClassTable,
         {{{"weekday", 1LL}, {"class_no", 1LL}, {"color", 6LL}}},
         "record 1: field \"color\" must be 0..5"},
        {RecordKind::ECUser,
         {{{"hw_name", std::string("tea")}, {"exp", std::string(1001, 'e')}}},
         "record 1: field \"exp\" is longer than 1000 characters"},
        {RecordKind::CEUser,
         {{{"hw_name", long101}}},
         "record 1: field \"hw_name\" is longer than 100 characters"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        RecordLists lists;
        EXPECT_EQ(ImportRecords(lists, c.kind, {c.record}, CharsetCodec("UTF-8"), "2026/01/05", ""),
                  c.fault);
    }
}

std::string Repeated(const std::string& text, int times) {
    std::string repeated;
    for (int i = 0; i < times; ++i)
        repeated += text;
    return repeated;
}

// Texts within their limits still make a statement longer than the device takes when their
// characters take three bytes each; such a record is refused before anything is written,
// while the same lengths in ASCII fit.
TEST(RecordCheck, ARecordWhoseStatementWouldBeTooLongIsRefused) {
    const CharsetCodec codec("UTF-8");
    auto address = [](const std::string& longText) {
        ImportedRecord record;
        for (const char* field : {"name", "email", "home_address", "office_name", "office_title",
                                  "office_address", "note"})
            record.values.emplace_back(field, longText);
        return record;
    };
    RecordLists lists;
    EXPECT_EQ(ImportRecords(lists, RecordKind::AddressBook, {address(std::string(100, 'a'))}, codec,
                            "", ""),
              "");
    const std::string fault = ImportRecords(
        lists, RecordKind::AddressBook, {address(Repeated("\xE8\x98\x8B", 100))}, codec, "", "");
    EXPECT_EQ(fault.rfind("record 1: its texts make a database statement of ", 0), 0u) << fault;
    EXPECT_NE(fault.find("the device takes at most 2047"), std::string::npos) << fault;

    auto entry = [](const std::string& exp) {
        return ImportedRecord{{{"hw_name", std::string("apple")}, {"exp", exp}}};
    };
    EXPECT_EQ(ImportRecords(lists, RecordKind::ECUser, {entry(Repeated("\xE8\x98\x8B", 600))},
                            codec, "", ""),
              "");
    EXPECT_NE(ImportRecords(lists, RecordKind::ECUser, {entry(Repeated("\xE8\x98\x8B", 1000))},
                            codec, "", "")
                  .find("its texts make a database statement of"),
              std::string::npos);
}

} // namespace
} // namespace zyntra
