#include "personal/record_statements.h"
#include "storage/db.h"
#include "storage/text_conv.h"
#include "tests/personal/engine_fixture.h"
#include "tests/personal/text_round_trip.h"
#include "tests/support/charset.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace zyntra {
namespace {

using test::Append;
using test::ExpectSameTextsOrReadOnly;
using test::Fits;
using test::FuzzedTexts;
using test::UniqueKeys;
using test::UserTexts;

constexpr int kRecordsPerKind = 30;
constexpr int kRounds = 2;

template <class Record> std::vector<Record> Copies(const RecordList<Record>& list) {
    std::vector<Record> copies;
    for (const auto& record : list)
        copies.push_back(*record);
    return copies;
}

template <class Record> const Record* WithId(const RecordList<Record>& list, int id) {
    for (const auto& record : list)
        if (record->id == id)
            return record.get();
    return nullptr;
}

template <class Entry>
const Entry* WithHeadword(const RecordList<Entry>& list, const std::string& stored) {
    for (const auto& entry : list)
        if (entry->storedHeadword == stored)
            return entry.get();
    return nullptr;
}

// Texts typed into the editors, in the interface charset of the parameter, synchronised into
// an empty device and loaded back from it.
class MemoryTextsRoundTrip : public test::PersonalEngineTest,
                             public ::testing::WithParamInterface<const char*> {
protected:
    const char* Charset() const { return GetParam(); }

    // A user's text: characters the charset holds, in the charset.
    std::string Typed(FuzzedTexts& texts, int limit, bool nonEmpty = false) {
        const std::string utf8 = nonEmpty ? texts.NextNonEmpty(limit) : texts.Next(limit);
        std::optional<std::string> typed = test::FromUtf8(Charset(), utf8);
        EXPECT_TRUE(typed.has_value()) << test::Escaped(utf8);
        return typed.value_or("");
    }

    // Every user text of the record; the key one unique and never empty.
    template <class Record>
    void Fill(Record& record, const RecordFields<Record>& table, const char* key,
              FuzzedTexts& texts, UniqueKeys& keys) {
        for (const Field<Record>* field : UserTexts(table)) {
            if (field->name != std::string_view(key)) {
                record.*field->text = Typed(texts, field->maxLength);
                continue;
            }
            do
                record.*field->text = Typed(texts, field->maxLength, true);
            while (!keys.Take(record.*field->text));
        }
    }

    template <class Entry> void AddEntries(RecordList<Entry>& list, FuzzedTexts& texts) {
        UniqueKeys keys;
        for (int i = 0; i < kRecordsPerKind; ++i) {
            Entry entry;
            do {
                entry.hw_name = Typed(texts, kHeadwordLength, true);
                DeriveHeadwordForms(entry, Charset());
            } while (entry.hw_match.empty() || !keys.Take(entry.hw_match) ||
                     !keys.Take("name:" + entry.storedHeadword));
            entry.type = Typed(texts, kPartOfSpeechLength);
            entry.exp = Typed(texts, kExplanationLength);
            Append(list, std::move(entry));
        }
    }

    void FillMemory(FuzzedTexts& texts) {
        UniqueKeys names, dates, days;
        for (int i = 0; i < kRecordsPerKind; ++i) {
            Fill(Append(Lists().AddrList, ADDRESSBOOK{}), kAddressBookFields, "name", texts, names);
            SCHEDULE appointment;
            appointment.alarm_BStime = -1;
            Fill(Append(Lists().ScheList, appointment), kScheduleFields, "date", texts, dates);
            Fill(Append(Lists().ToDoList, PLANS{}), kToDoFields, "date", texts, days);
        }
        UniqueKeys none;
        for (auto& day : Lists().classGrid)
            for (CLASSTABLE& cell : day)
                Fill(cell, kClassTableFields, "", texts, none);
        AddEntries(Lists().ECUserList, texts);
        AddEntries(Lists().CEUserList, texts);
    }

    // Each record of a list comes back by the id its insert gave it, or was refused for a
    // statement too long to run: its find, after which it takes no id, or its insert. The
    // result is the number refused.
    template <class Record>
    int ExpectListBack(const RecordFields<Record>& table, const ListStatements<Record>& statements,
                       const std::vector<Record>& originals, const RecordList<Record>& loaded) {
        int refused = 0;
        int lastId = 0;
        for (std::size_t i = 0; i < originals.size(); ++i) {
            const FieldValues values = WriterValues(table, originals[i]);
            const std::string what = std::string(table.table) + " record " + std::to_string(i);
            if (!Fits(statements.Find(values))) {
                ++refused;
                continue;
            }
            const int id = ++lastId;
            const Record* back = WithId(loaded, id);
            if (!Fits(statements.Insert(id, values))) {
                EXPECT_EQ(back, nullptr) << what;
                ++refused;
            } else if (back == nullptr) {
                ADD_FAILURE() << what << " was not written";
            } else {
                readOnly_ += ExpectSameTextsOrReadOnly(table, originals[i], *back, what);
            }
        }
        EXPECT_EQ(loaded.size(), originals.size() - static_cast<std::size_t>(refused));
        return refused;
    }

    int ExpectCellsBack(const ClassGrid& originals) {
        int refused = 0;
        for (int n = 0; n < kWeekdayCount * kClassPeriodCount; ++n) {
            const CLASSTABLE& original = originals[n / kClassPeriodCount][n % kClassPeriodCount];
            const CLASSTABLE& back =
                Lists().classGrid[n / kClassPeriodCount][n % kClassPeriodCount];
            const std::string what = "cell " + std::to_string(n + 1);
            if (!Fits(ClassCellUpdateStatement(n + 1, WriterValues(kClassTableFields, original)))) {
                for (const Field<CLASSTABLE>* field : UserTexts(kClassTableFields))
                    EXPECT_EQ(back.*field->text, "") << what << ", field " << field->name;
                ++refused;
            } else {
                readOnly_ += ExpectSameTextsOrReadOnly(kClassTableFields, original, back, what);
            }
        }
        return refused;
    }

    template <class Entry>
    int ExpectEntriesBack(int dictId, const std::vector<Entry>& originals,
                          const RecordList<Entry>& loaded) {
        int refused = 0;
        for (const Entry& original : originals) {
            const Entry* back = WithHeadword(loaded, original.storedHeadword);
            const std::string what = "headword " + test::Escaped(original.storedHeadword);
            const FieldValues values = HeadwordValues(dictId, original);
            if (!Fits(HeadwordFindStatement(values)) || !Fits(HeadwordInsertStatement(values))) {
                EXPECT_EQ(back, nullptr) << what;
                ++refused;
            } else if (back == nullptr) {
                ADD_FAILURE() << what << " was not written";
            } else {
                readOnly_ += ExpectSameTextsOrReadOnly<UserDictEntry>(kUserDictFields, original,
                                                                      *back, what);
            }
        }
        EXPECT_EQ(loaded.size(), originals.size() - static_cast<std::size_t>(refused));
        return refused;
    }

    std::string DeviceSlot(int slot) const { return DevicePath(slot); }

    int readOnly_ = 0;
};

TEST_P(MemoryTextsRoundTrip, EveryTextComesBackAsTypedOrItsStatementIsRefused) {
    engine_.SetInterfaceCharset(Charset());
    int refusedInAll = 0;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        test::WriteDeviceDatabases(device_.root);
        Lists().ResetList(RecordKind::AddressBook);
        Lists().ResetList(RecordKind::Schedule);
        Lists().ResetList(RecordKind::ToDo);
        Lists().ResetList(RecordKind::ECUser);
        Lists().ResetList(RecordKind::CEUser);
        FuzzedTexts texts(7919u * (round + 1), test::AlphabetOf(Charset()), false);
        FillMemory(texts);
        const auto addresses = Copies(Lists().AddrList);
        const auto appointments = Copies(Lists().ScheList);
        const auto tasks = Copies(Lists().ToDoList);
        const ClassGrid cells = Lists().classGrid;
        const auto ecEntries = Copies(Lists().ECUserList);
        const auto ceEntries = Copies(Lists().CEUserList);

        const RunReport report = Sync(SyncMode::MemoryWins);

        // The statements as the writers built them, to know which were too long to run.
        ASSERT_EQ(conv_open(Charset(), "UTF-8"), 1);
        int refused = ExpectListBack(kAddressBookFields, AddressBookStatements(), addresses,
                                     Lists().AddrList);
        refused +=
            ExpectListBack(kScheduleFields, ScheduleStatements(), appointments, Lists().ScheList);
        refused += ExpectListBack(kToDoFields, ToDoStatements(), tasks, Lists().ToDoList);
        refused += ExpectCellsBack(cells);
        refused += ExpectEntriesBack(71, ecEntries, Lists().ECUserList);
        refused += ExpectEntriesBack(72, ceEntries, Lists().CEUserList);
        conv_close();
        EXPECT_EQ(report.failedStatements, refused);
        EXPECT_TRUE(report.copiesSucceeded);
        refusedInAll += refused;

        // Nothing that came back differs from its row, so a second run writes nothing.
        test::FixtureDatabase(DeviceSlot(1))
            .Exec("update telephone set stamp_time = '2001/02/03 04:05:06';"
                  "update schedule set stamp_time = '2001/02/03 04:05:06';"
                  "update todolist set stamp_time = '2001/02/03 04:05:06';");
        const test::DeviceTables before =
            test::ReadDeviceTables(DeviceSlot(1), DeviceSlot(2), DeviceSlot(3));
        const RunReport again = Sync(SyncMode::MemoryWins);
        EXPECT_EQ(again.failedStatements, 0);
        test::DeviceTables after =
            test::ReadDeviceTables(DeviceSlot(1), DeviceSlot(2), DeviceSlot(3));
        // Every cell with a text is written on every run, whatever it holds: only its stamp
        // may change.
        after["classtable stamps"] = before.at("classtable stamps");
        test::ExpectSameTables(before, after);
    }
    // The texts were long enough that some statements were refused, and most were not.
    EXPECT_GT(refusedInAll, 0);
    EXPECT_EQ(readOnly_, 0);
}

INSTANTIATE_TEST_SUITE_P(InterfaceCharsets, MemoryTextsRoundTrip, test::InterfaceCharsets(),
                         test::CharsetTestName);

} // namespace
} // namespace zyntra
