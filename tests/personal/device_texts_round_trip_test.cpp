#include "personal/record_statements.h"
#include "storage/text_conv.h"
#include "tests/personal/engine_fixture.h"
#include "tests/personal/text_round_trip.h"
#include "tests/support/charset.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace zyntra {
namespace {

using test::Fits;
using test::FixtureColumn;
using test::FuzzedTexts;
using test::UniqueKeys;
using test::UserTexts;

constexpr int kRowsPerTable = 40;
constexpr char kOldStamp[] = "2001/02/03 04:05:06";

// The UTF-8 texts a row was given, by column.
using RowTexts = std::map<std::string, std::string, std::less<>>;

std::string AsciiLower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return text;
}

// Texts written straight into the device's tables, as another program or the device itself
// leaves them: characters the interface charset of the parameter lacks, bytes that are no
// UTF-8, texts longer than a conversion buffer holds. Each is loaded whole or its record is
// read-only, and a read-only record is never written back.
class DeviceTextsRoundTrip : public test::PersonalEngineTest,
                             public ::testing::WithParamInterface<const char*> {
protected:
    const char* Charset() const { return GetParam(); }

    template <class Record>
    RowTexts InsertRow(const std::string& path, const RecordFields<Record>& table, int id,
                       const char* key, UniqueKeys& keys, int dictId = 0) {
        RowTexts texts;
        std::vector<FixtureColumn> columns;
        for (const Field<Record>& field : table.fields) {
            const std::string name = field.name;
            if (name == kRowIdColumn || name == "hw_id")
                columns.push_back(test::Integer(name, id));
            else if (name == "dict_id")
                columns.push_back(test::Integer(name, dictId));
            else if (name == kStampColumn)
                columns.push_back(test::Text(name, kOldStamp));
            else if (field.Type() == FieldType::Integer)
                columns.push_back(test::Integer(name, texts_.Between(field.low, field.high)));
            else if (name == "hw_match")
                continue; // made from the headword below
            else
                columns.push_back(TextColumn(table, field, name == key, keys, texts[name]));
        }
        if (dictId != 0) {
            std::string match = HeadwordKey(texts.at("hw_name"));
            columns.push_back(test::Text("hw_match", dictId == 71 ? AsciiLower(match) : match));
        }
        test::FixtureDatabase(path).Insert(table.table, columns);
        return texts;
    }

    template <class Record>
    FixtureColumn TextColumn(const RecordFields<Record>& table, const Field<Record>& field,
                             bool isKey, UniqueKeys& keys, std::string& utf8) {
        do
            utf8 = isKey ? texts_.NextNonEmpty(field.maxLength) : texts_.Next(field.maxLength);
        while (isKey && (!keys.Take(utf8) || HeadwordKey(utf8).empty()));
        if (utf8.empty() && table.emptyTextIsNull)
            return test::Null(field.name);
        if (field.form == ColumnForm::Complemented)
            return test::Complemented(field.name, utf8);
        return test::Text(field.name, utf8);
    }

    // What memory holds of a stored text: nothing when it cannot hold all of it.
    std::optional<std::string> Whole(const std::string& utf8) const {
        if (utf8.size() > kConvBufferSize - 1)
            return std::nullopt;
        std::optional<std::string> shown = test::FromUtf8(Charset(), utf8);
        if (shown && shown->size() > kConvBufferSize - 1)
            return std::nullopt;
        return shown;
    }

    template <class Record>
    void ExpectLoaded(const RecordFields<Record>& table, const RowTexts& stored, const Record* back,
                      const std::string& what) {
        ASSERT_NE(back, nullptr) << what;
        bool whole = true;
        for (const Field<Record>* field : UserTexts(table)) {
            const std::string& utf8 = stored.at(field->name);
            std::optional<std::string> expected =
                field->form == ColumnForm::Plain ? std::optional(utf8) : Whole(utf8);
            whole = whole && expected.has_value();
            if (expected && !back->stored.readOnly) {
                EXPECT_EQ(test::Escaped(back->*field->text), test::Escaped(*expected))
                    << what << ", field " << field->name;
            }
        }
        EXPECT_EQ(back->stored.readOnly, !whole) << what;
        ++(whole ? wholeRecords_ : readOnlyRecords_);
    }

    template <class Record> static const Record* WithId(const RecordList<Record>& list, int id) {
        for (const auto& record : list)
            if (record->id == id)
                return record.get();
        return nullptr;
    }

    template <class Entry>
    static const UserDictEntry* WithHeadword(const RecordList<Entry>& list,
                                             const std::string& stored) {
        for (const auto& entry : list)
            if (entry->storedHeadword == stored)
                return entry.get();
        return nullptr;
    }

    // A user's edit of every read-only record's texts, which must not reach the device.
    template <class Record>
    static void EditReadOnly(Record& record, const RecordFields<Record>& t) {
        if (!record.stored.readOnly)
            return;
        for (const Field<Record>* field : UserTexts(t))
            record.*field->text = "edited";
    }

    void EditEveryReadOnlyRecord() {
        for (auto& record : Lists().AddrList)
            EditReadOnly(*record, kAddressBookFields);
        for (auto& record : Lists().ScheList)
            EditReadOnly(*record, kScheduleFields);
        for (auto& record : Lists().ToDoList)
            EditReadOnly(*record, kToDoFields);
        for (auto& day : Lists().classGrid)
            for (CLASSTABLE& cell : day)
                EditReadOnly(cell, kClassTableFields);
        for (auto& entry : Lists().ECUserList)
            EditReadOnly<UserDictEntry>(*entry, kUserDictFields);
        for (auto& entry : Lists().CEUserList)
            EditReadOnly<UserDictEntry>(*entry, kUserDictFields);
    }

    // The records whose statements are too long to run on every sync: a find for a long key, or
    // the update of a cell that memory holds whole.
    int TooLongToRun() {
        EXPECT_EQ(conv_open(Charset(), "UTF-8"), 1);
        int count = 0;
        for (const auto& record : Lists().AddrList)
            count += !Fits(AddressBookStatements().Find(WriterValues(kAddressBookFields, *record)));
        for (const auto& record : Lists().ScheList)
            count += !Fits(ScheduleStatements().Find(WriterValues(kScheduleFields, *record)));
        for (const auto& record : Lists().ToDoList)
            count += !Fits(ToDoStatements().Find(WriterValues(kToDoFields, *record)));
        for (const auto& entry : Lists().ECUserList)
            count += !Fits(HeadwordFindStatement(HeadwordValues(71, *entry)));
        for (const auto& entry : Lists().CEUserList)
            count += !Fits(HeadwordFindStatement(HeadwordValues(72, *entry)));
        for (int n = 0; n < kWeekdayCount * kClassPeriodCount; ++n) {
            const CLASSTABLE& cell =
                Lists().classGrid[n / kClassPeriodCount][n % kClassPeriodCount];
            count += !cell.stored.readOnly &&
                     !Fits(ClassCellUpdateStatement(n + 1, WriterValues(kClassTableFields, cell)));
        }
        conv_close();
        return count;
    }

    FuzzedTexts texts_{104729u, test::AlphabetOf(GetParam()), true};
    int wholeRecords_ = 0;
    int readOnlyRecords_ = 0;
};

TEST_P(DeviceTextsRoundTrip, ATextIsLoadedWholeOrItsRecordIsReadOnlyAndNeverWrittenBack) {
    engine_.SetInterfaceCharset(Charset());
    const std::string pim = DevicePath(1);
    test::FixtureDatabase(pim).Exec("delete from classtable;");
    std::vector<RowTexts> addresses, appointments, tasks, cells, ecEntries, ceEntries;
    UniqueKeys names, dates, days, none, ecWords, ceWords;
    for (int id = 1; id <= kRowsPerTable; ++id) {
        addresses.push_back(InsertRow(pim, kAddressBookFields, id, "name", names));
        appointments.push_back(InsertRow(pim, kScheduleFields, id, "date", dates));
        tasks.push_back(InsertRow(pim, kToDoFields, id, "date", days));
        ecEntries.push_back(InsertRow(DevicePath(2), kUserDictFields, id, "hw_name", ecWords, 71));
        ceEntries.push_back(InsertRow(DevicePath(3), kUserDictFields, id, "hw_name", ceWords, 72));
    }
    for (int id = 1; id <= kWeekdayCount * kClassPeriodCount; ++id)
        cells.push_back(InsertRow(pim, kClassTableFields, id, "", none));

    ASSERT_EQ(LoadFromDevice().unreadableRows, 0);

    for (int id = 1; id <= kRowsPerTable; ++id) {
        const std::string row = " row " + std::to_string(id);
        ExpectLoaded(kAddressBookFields, addresses[id - 1], WithId(Lists().AddrList, id),
                     "telephone" + row);
        ExpectLoaded(kScheduleFields, appointments[id - 1], WithId(Lists().ScheList, id),
                     "schedule" + row);
        ExpectLoaded(kToDoFields, tasks[id - 1], WithId(Lists().ToDoList, id), "todolist" + row);
        ExpectLoaded(kUserDictFields, ecEntries[id - 1],
                     WithHeadword(Lists().ECUserList, ecEntries[id - 1].at("hw_name")), "ec" + row);
        ExpectLoaded(kUserDictFields, ceEntries[id - 1],
                     WithHeadword(Lists().CEUserList, ceEntries[id - 1].at("hw_name")), "ce" + row);
    }
    for (int n = 0; n < kWeekdayCount * kClassPeriodCount; ++n)
        ExpectLoaded(kClassTableFields, cells[n],
                     &Lists().classGrid[n / kClassPeriodCount][n % kClassPeriodCount],
                     "cell " + std::to_string(n + 1));
    // The seed reaches both outcomes.
    EXPECT_GT(wholeRecords_, 0);
    EXPECT_GT(readOnlyRecords_, 0);

    EditEveryReadOnlyRecord();
    const test::DeviceTables before = test::ReadDeviceTables(pim, DevicePath(2), DevicePath(3));
    for (SyncMode mode : {SyncMode::MemoryWins, SyncMode::KeepBoth, SyncMode::DatabaseWins}) {
        SCOPED_TRACE("mode " + std::to_string(static_cast<int>(mode)));
        std::vector<bool> readOnlyCells;
        for (const auto& day : Lists().classGrid)
            for (const CLASSTABLE& cell : day)
                readOnlyCells.push_back(cell.stored.readOnly);
        const int tooLong = TooLongToRun();
        const RunReport report = Sync(mode);
        EXPECT_EQ(report.failedStatements, tooLong);
        EXPECT_EQ(report.Of(RecordKind::AddressBook).added, 0);
        EXPECT_EQ(report.Of(RecordKind::AddressBook).updated, 0);
        test::DeviceTables after = test::ReadDeviceTables(pim, DevicePath(2), DevicePath(3));
        // A cell that memory holds whole is written on every run; its stamp may change.
        for (std::size_t n = 0; n < readOnlyCells.size(); ++n)
            if (!readOnlyCells[n])
                after["classtable stamps"].at(n) = before.at("classtable stamps").at(n);
        test::ExpectSameTables(before, after);
        EditEveryReadOnlyRecord();
    }
}

INSTANTIATE_TEST_SUITE_P(InterfaceCharsets, DeviceTextsRoundTrip, test::InterfaceCharsets(),
                         test::CharsetTestName);

} // namespace
} // namespace zyntra
