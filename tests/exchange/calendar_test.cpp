#include "exchange/calendar_exchange.h"
#include "personal/schedule_alarm.h"
#include "tests/exchange/exchange_test_support.h"

#include <gtest/gtest.h>

namespace zyntra::test {
namespace {

const std::initializer_list<std::string_view> kNotExchanged = {"id", "stamp_time"};

SCHEDULE Appointment(const std::string& date, const std::string& start, const std::string& end,
                     const std::string& content, int minutes, int locked = 0) {
    SCHEDULE a;
    a.date = date;
    a.start_time = start;
    a.end_time = end;
    a.content = content;
    a.alarm_BStime = minutes;
    a.alarm = AlarmChoice(minutes);
    a.locked = locked;
    return a;
}

PLANS Task(const std::string& date, const std::string& content, int category, int priority,
           int status, int locked = 0) {
    PLANS t;
    t.date = date;
    t.content = content;
    t.category = category;
    t.priority = priority;
    t.status = status;
    t.locked = locked;
    return t;
}

TEST(CalendarRoundTrip, AppointmentsOfEveryKindInBothInterfaceCharsets) {
    for (const auto& [charset, chinese] : {std::pair{"BIG5", "和客戶吃午飯，記得帶名片"},
                                           std::pair{"GB2312", "和客户吃午饭，记得带名片"}}) {
        SCOPED_TRACE(charset);
        auto in = [&charset = charset](const std::string& utf8) {
            return InCharset(utf8, charset);
        };
        const std::vector<SCHEDULE> appointments = {
            Appointment("2026/01/05", "09:00", "10:30", in(chinese), -1),
            Appointment("2026/01/06", "08:15", "08:45", in("at the start"), 0),
            Appointment("2026/02/28", "23:00", "23:59", in("half an hour; \"before\""), 30),
            Appointment("2026/12/31", "07:00", "", in("an hour, no end \\ time"), 60, 1),
            Appointment("2026/03/01", "", "", in("all day, 全天"), -1),
            Appointment("2024/02/29", "12:00", "13:00", in("device minutes"), 15)};
        const CharsetConverter toUtf8("UTF-8", charset);
        std::string text = CalendarBegin();
        for (const SCHEDULE& a : appointments)
            text += VEventOf(a, toUtf8);
        text += CalendarEnd();
        CalendarRecords read = ReadAppointments(text);
        ASSERT_EQ(read.error, "");
        ASSERT_EQ(read.records.size(), appointments.size());
        EXPECT_TRUE(read.notes.empty());
        for (std::size_t i = 0; i < appointments.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_TRUE(read.records[i].unmapped.empty()) << read.records[i].unmapped.front();
            ExpectSameMembers(appointments[i], RecordOf(read.records[i], kScheduleFields, charset),
                              kScheduleFields, kNotExchanged);
        }
    }
}

TEST(CalendarRoundTrip, WrittenEventsSayWhatOtherProgramsRead) {
    const CharsetConverter toUtf8("UTF-8", "UTF-8");
    const std::string allDay = VEventOf(Appointment("2026/03/01", "", "", "x", -1), toUtf8);
    EXPECT_NE(allDay.find("DTSTART;VALUE=DATE:20260301\r\n"), std::string::npos) << allDay;
    EXPECT_NE(allDay.find("DTEND;VALUE=DATE:20260302\r\n"), std::string::npos) << allDay;
    EXPECT_EQ(allDay.find("VALARM"), std::string::npos);
    const std::string timed = VEventOf(Appointment("2026/03/01", "09:05", "", "a, b", 30), toUtf8);
    EXPECT_NE(timed.find("DTSTART:20260301T090500\r\n"), std::string::npos) << timed;
    EXPECT_EQ(timed.find("DTEND"), std::string::npos);
    EXPECT_NE(timed.find("TRIGGER:-PT30M\r\n"), std::string::npos) << timed;
    EXPECT_NE(timed.find("SUMMARY:a\\, b\r\n"), std::string::npos) << timed;
    EXPECT_NE(timed.find("UID:"), std::string::npos);
}

TEST(CalendarRoundTrip, TasksOfEveryPriorityStatusAndType) {
    for (const auto& [charset, chinese] :
         {std::pair{"BIG5", "交季度報告"}, std::pair{"GB2312", "交季度报告"}}) {
        SCOPED_TRACE(charset);
        auto in = [&charset = charset](const std::string& utf8) {
            return InCharset(utf8, charset);
        };
        std::vector<PLANS> tasks;
        for (int priority = 0; priority < kToDoPriorityCount; ++priority)
            for (int category = 0; category < kToDoTypeCount; ++category)
                tasks.push_back(Task("2026/04/0" + std::to_string(priority + 1),
                                     in(chinese) + in(", \"q\"; \\ ") + std::to_string(category),
                                     category, priority, (priority + category) % 2, category == 1));
        const CharsetConverter toUtf8("UTF-8", charset);
        std::string text = CalendarBegin();
        for (const PLANS& t : tasks)
            text += VTodoOf(t, toUtf8);
        text += CalendarEnd();
        CalendarRecords read = ReadTasks(text);
        ASSERT_EQ(read.error, "");
        ASSERT_EQ(read.records.size(), tasks.size());
        for (std::size_t i = 0; i < tasks.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_TRUE(read.records[i].unmapped.empty()) << read.records[i].unmapped.front();
            ExpectSameMembers(tasks[i], RecordOf(read.records[i], kToDoFields, charset),
                              kToDoFields, kNotExchanged);
        }
    }
}

// A file read, written again and read back keeps every mapped field.
template <class R>
void ExpectNoLoss(const CalendarRecords& first, const RecordFields<R>& table,
                  std::string (*write)(const R&, const CharsetConverter&),
                  CalendarRecords (*read)(std::string_view)) {
    const CharsetConverter toUtf8("UTF-8", "UTF-8");
    std::string text = CalendarBegin();
    for (const ExchangeRecord& record : first.records)
        text += write(RecordOf(record, table, "UTF-8"), toUtf8);
    CalendarRecords again = read(text + CalendarEnd());
    ASSERT_EQ(again.error, "");
    ASSERT_EQ(again.records.size(), first.records.size());
    for (std::size_t i = 0; i < first.records.size(); ++i) {
        std::map<std::string, ExchangeValue> expected = ValueMap(first.records[i]);
        // What our files always say.
        if constexpr (std::is_same_v<R, PLANS>) {
            expected.try_emplace("status", 0LL);
            expected.try_emplace("category", 0LL);
            expected.try_emplace("priority", 0LL);
        }
        EXPECT_EQ(ValueMap(again.records[i]), expected) << "record " << i;
    }
}

TEST(CalendarFixtures, ThunderbirdWithTimeZoneRecurrenceAndAlarm) {
    const std::string file = ReadFixture("thunderbird.ics");
    CalendarRecords events = ReadAppointments(file);
    ASSERT_EQ(events.error, "");
    ASSERT_EQ(events.records.size(), 2u);
    const std::map<std::string, ExchangeValue> meeting = {
        {"content", "Team meeting, weekly; bring notes"},
        {"date", "2024/01/08"},
        {"start_time", "09:30"},
        {"end_time", "10:30"},
        {"alarm_BStime", 30LL},
        {"alarm", 2LL}};
    EXPECT_EQ(ValueMap(events.records[0]), meeting);
    EXPECT_EQ(events.records[0].lineNumber, 21u);
    const std::vector<std::string>& notes = events.records[0].unmapped;
    EXPECT_TRUE(Noted(notes, "RRULE \"FREQ=WEEKLY;BYDAY=MO\" (a recurrence rule"));
    EXPECT_TRUE(Noted(notes, "the time zone Europe/Berlin"));
    EXPECT_TRUE(Noted(notes, "LOCATION \"Room 4\""));
    EXPECT_TRUE(Noted(notes, "TRANSP"));
    EXPECT_EQ(notes.size(), 4u);
    const std::map<std::string, ExchangeValue> holiday = {
        {"content", "Labour Day"}, {"date", "2024/05/01"}, {"alarm_BStime", -1LL}, {"alarm", 0LL}};
    EXPECT_EQ(ValueMap(events.records[1]), holiday);
    EXPECT_TRUE(Noted(events.notes, "1 VTODO not read"));
    ExpectNoLoss(events, kScheduleFields, VEventOf, ReadAppointments);

    CalendarRecords tasks = ReadTasks(file);
    ASSERT_EQ(tasks.records.size(), 1u);
    const std::map<std::string, ExchangeValue> passport = {{"content", "Renew passport"},
                                                           {"date", "2024/02/15"},
                                                           {"priority", 2LL},
                                                           {"status", 0LL},
                                                           {"category", 1LL}};
    EXPECT_EQ(ValueMap(tasks.records[0]), passport);
    EXPECT_TRUE(tasks.records[0].unmapped.empty());
    EXPECT_TRUE(Noted(tasks.notes, "2 VEVENT not read"));
    ExpectNoLoss(tasks, kToDoFields, VTodoOf, ReadTasks);
}

TEST(CalendarFixtures, EvolutionWithUtcTimesTwoAlarmsAndCompletedTasks) {
    const std::string file = ReadFixture("evolution.ics");
    CalendarRecords events = ReadAppointments(file);
    ASSERT_EQ(events.error, "");
    ASSERT_EQ(events.records.size(), 1u);
    const std::map<std::string, ExchangeValue> dentist = {
        {"content", "牙醫複診"}, {"date", "2024/01/10"}, {"start_time", "08:00"},
        {"end_time", "09:00"},   {"alarm_BStime", 60LL}, {"alarm", 3LL}};
    EXPECT_EQ(ValueMap(events.records[0]), dentist);
    const std::vector<std::string>& notes = events.records[0].unmapped;
    EXPECT_TRUE(Noted(notes, "the time zone UTC"));
    EXPECT_TRUE(Noted(notes, "a second alarm"));
    EXPECT_TRUE(Noted(notes, "CLASS"));
    EXPECT_TRUE(Noted(notes, "X-EVOLUTION-CALDAV-ETAG"));
    ExpectNoLoss(events, kScheduleFields, VEventOf, ReadAppointments);

    CalendarRecords tasks = ReadTasks(file);
    ASSERT_EQ(tasks.error, "");
    ASSERT_EQ(tasks.records.size(), 2u);
    const std::map<std::string, ExchangeValue> report = {{"content", "交季度報告"},
                                                         {"date", "2024/03/31"},
                                                         {"priority", 1LL},
                                                         {"status", 1LL},
                                                         {"category", 0LL}};
    EXPECT_EQ(ValueMap(tasks.records[0]), report);
    const std::map<std::string, ExchangeValue> plants = {{"content", "Water the plants"},
                                                         {"date", "2024/04/01"},
                                                         {"priority", 3LL},
                                                         {"status", 0LL},
                                                         {"category", 2LL}};
    EXPECT_EQ(ValueMap(tasks.records[1]), plants);
    EXPECT_TRUE(Noted(tasks.records[1].unmapped, "the due time 18:00"));
    EXPECT_TRUE(Noted(tasks.records[1].unmapped, "PERCENT-COMPLETE \"40\""));
    EXPECT_TRUE(Noted(tasks.records[1].unmapped, "the category \"Garden\": filed under Others"));
    ExpectNoLoss(tasks, kToDoFields, VTodoOf, ReadTasks);
}

TEST(CalendarFixtures, PhoneWithDurationAlarmAtTheStartAndSeveralDays) {
    CalendarRecords events = ReadAppointments(ReadFixture("phone.ics"));
    ASSERT_EQ(events.error, "");
    ASSERT_EQ(events.records.size(), 2u);
    const std::map<std::string, ExchangeValue> lunch = {
        {"content", "和客戶吃午飯，地點：台北車站附近的那家餐廳；記得帶名片"},
        {"date", "2024/03/15"},
        {"start_time", "14:00"},
        {"end_time", "15:30"},
        {"alarm_BStime", 0LL},
        {"alarm", 1LL}};
    EXPECT_EQ(ValueMap(events.records[0]), lunch);
    EXPECT_TRUE(events.records[0].unmapped.empty());
    EXPECT_TRUE(Noted(events.records[1].unmapped, "lasts 3 days: only the first is kept"));
    ExpectNoLoss(events, kScheduleFields, VEventOf, ReadAppointments);
}

TEST(CalendarMalformed, AFaultAnywhereRefusesTheWholeFile) {
    const std::string head = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:x\r\n";
    const std::string good =
        "BEGIN:VEVENT\r\nUID:1\r\nDTSTART:20240105T090000\r\nSUMMARY:ok\r\nEND:VEVENT\r\n";
    auto event = [](const std::string& start) {
        return "BEGIN:VEVENT\r\nUID:2\r\nDTSTART" + start + "\r\nSUMMARY:bad\r\nEND:VEVENT\r\n";
    };
    const std::vector<std::pair<std::string, std::string>> cases = {
        {head + good + "BEGIN:VEVENT\r\nSUMMARY:cut\r\nEND:VCALENDAR\r\n",
         "line 11: END:VCALENDAR closes BEGIN:VEVENT of line 9"},
        {head + good, "line 1: BEGIN:VCALENDAR has no END:VCALENDAR"},
        {head + good + "DESCRIPTION:" + std::string(10u * 1024 * 1024, 'x') +
             "\r\nEND:VCALENDAR\r\n",
         "line 9: the line is longer than"},
        {head + good + event(":20241345T090000") + "END:VCALENDAR\r\n", "line 9: DTSTART"},
        {head + good + event(":20240230") + "END:VCALENDAR\r\n", "is no date"},
        {head + good + event(":20240105T256000") + "END:VCALENDAR\r\n", "is no date"},
        {head + good + event(";VALUE=DATE:yesterday") + "END:VCALENDAR\r\n", ""},
        {head + "BEGIN:VEVENT\r\nUID:3\r\nSUMMARY:no start\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n",
         "line 4: the VEVENT has no DTSTART"},
        {head + good + "this is no property\r\nEND:VCALENDAR\r\n", "line 9: no ':'"},
        {"BEGIN:VCARD\r\nEND:VCARD\r\n", "line 1: BEGIN:VCARD is no calendar"},
        {"", "the file holds no calendar"},
        {head + std::string("SUMMARY:a\0b", 11) + "\r\nEND:VCALENDAR\r\n", "zero byte"},
    };
    for (const auto& [text, message] : cases) {
        SCOPED_TRACE(message);
        CalendarRecords read = ReadAppointments(text);
        EXPECT_NE(read.error, "");
        EXPECT_NE(read.error.find(message), std::string::npos) << read.error;
        EXPECT_TRUE(read.records.empty());
    }
}

} // namespace
} // namespace zyntra::test
