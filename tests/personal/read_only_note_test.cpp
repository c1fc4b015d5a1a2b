#include "tests/personal/engine_fixture.h"
#include "tests/support/charset.h"
#include "texts/lang_text.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>

namespace zyntra {
namespace {

using test::FixtureDatabase;

constexpr const char* kEnglishNote =
    "These entries hold characters this language cannot show. They are shown as far as they "
    "could be read, cannot be changed here, and are kept as the device stored them:";

// Texts in the interface charset BIG5, which lacks the simplified 国: a text holding it is
// read up to it and its record is read-only.
class ReadOnlyNoteTest : public test::PersonalEngineTest {
protected:
    ReadOnlyNoteTest() { engine_.SetInterfaceCharset("BIG5"); }

    void UseLanguageSection(const std::string& section) {
        std::string text = test::ReadFile(folder_.File("Lang.ini"));
        const std::string from = "Language=English";
        text.replace(text.find(from), from.size(), "Language=" + section);
        test::WriteFile(folder_.File("Lang.ini"), text);
    }

    void AddUnreadableContact(int id, const std::string& name) {
        test::InsertAddress(DevicePath(1), {id, name + "国", 0, "x@example.org"});
    }
};

TEST_F(ReadOnlyNoteTest, EachEntryIsNamedAsTheUserKnowsIt) {
    test::InsertAddress(DevicePath(1), {1, "中国", 0, "zg@example.org"});
    // Nothing of the name could be read: the contact goes by its next text.
    test::InsertAddress(DevicePath(1), {2, "国", 0, "guo@example.org"});
    test::InsertAddress(DevicePath(1), {3, "Bob", 0, "bob@example.org"});
    test::InsertSchedule(DevicePath(1), {1, "2024/01/02", "09:00", "10:00", "去国外"});
    test::InsertToDo(DevicePath(1), {1, "2024/01/03", "Take the long way round to 国外"});
    test::InsertHeadword(DevicePath(2), {1, "国家", "国家", "n.", "country"});
    FixtureDatabase(DevicePath(1))
        .Exec("update classtable set course_name = '" + test::ComplementedBytes("Math 国") +
              "' where id = 2;");
    engine_.SetWeekdayNames([](int w) { return w == 0 ? "Mon" : "Day"; });

    RunReport load = LoadFromDevice();

    EXPECT_EQ(load.readOnlyRecords,
              (std::vector<std::string>{"tele rec=0", "tele rec=1", "sche rec=0", "todo rec=0",
                                        "class rec=1", "ec user rec=0"}));
    EXPECT_EQ(ShownTexts(),
              std::vector<std::string>{std::string(kEnglishNote) +
                                       "\nAddress Book: \xA4\xA4"
                                       "\nAddress Book: guo@example.org"
                                       "\nSchedule: 2024/01/02 09:00 \xA5\x68"
                                       "\nTo-Do List: 2024/01/03 Take the long way ro..."
                                       "\nClass Timetable: Mon Class 2 Math"
                                       "\nUser Dictionaries: country"});
}

TEST_F(ReadOnlyNoteTest, TheSameEntriesAreNamedOnceASessionANewOneAgain) {
    AddUnreadableContact(1, "中");
    LoadFromDevice();
    ASSERT_EQ(ShownTexts().size(), 1u);

    // Every run loads again: from the device after a sync, from the working copies after a
    // backup or a restore.
    AddAddress("Ann");
    std::vector<RunReport> reloads = {Sync(SyncMode::KeepBoth), engine_.Backup(),
                                      engine_.Restore()};
    for (const RunReport& report : reloads)
        EXPECT_EQ(report.readOnlyRecords.size(), 1u);
    EXPECT_EQ(ShownTexts().size(), 1u);
    EXPECT_EQ(Lists().AddrList.size(), 2u);

    AddUnreadableContact(9, "美");
    RunReport load = LoadFromDevice();
    EXPECT_EQ(load.readOnlyRecords.size(), 2u);
    ASSERT_EQ(ShownTexts().size(), 2u);
    EXPECT_EQ(ShownTexts()[1], std::string(kEnglishNote) + "\nAddress Book: \xAC\xFC");
}

TEST_F(ReadOnlyNoteTest, TenAreNamedAndTheRestCounted) {
    for (int id = 1; id <= 13; ++id)
        AddUnreadableContact(id, "P" + std::to_string(id));

    RunReport load = LoadFromDevice();

    EXPECT_EQ(load.readOnlyRecords.size(), 13u);
    ASSERT_EQ(ShownTexts().size(), 1u);
    const std::string note = ShownTexts()[0];
    EXPECT_EQ(std::count(note.begin(), note.end(), '\n'), 11);
    EXPECT_NE(note.find("\nAddress Book: P10\n... and 3 more"), std::string::npos) << note;
    EXPECT_EQ(note.find("P11"), std::string::npos);
}

TEST_F(ReadOnlyNoteTest, TheNoteIsInTheLanguageOfTheLanguageFile) {
    UseLanguageSection("TChinese");
    AddUnreadableContact(1, "中");

    LoadFromDevice();

    ASSERT_EQ(ShownTexts().size(), 1u);
    EXPECT_EQ(test::ToUtf8("BIG5", ShownTexts()[0]),
              "下列項目含有這個語言無法顯示的字元，只顯示讀得出的部分，無法在這裡修改，"
              "並保留電子辭典儲存的原樣：\n通訊錄: 中");
}

// The command line keeps its records in UTF-8 and its messages in the system language's
// charset; there only a text too long for the conversion buffer makes a record read-only.
TEST_F(ReadOnlyNoteTest, NamesReachTheMessagesInTheirCharset) {
    UseLanguageSection("TChinese");
    engine_.SetInterfaceCharset("UTF-8");
    engine_.SetMessageCharset("BIG5");
    test::InsertAddress(DevicePath(1), {.id = 1, .name = "王小明", .note = std::string(3000, 'x')});

    RunReport load = LoadFromDevice();

    EXPECT_EQ(load.readOnlyRecords, std::vector<std::string>{"tele rec=0"});
    ASSERT_EQ(ShownTexts().size(), 1u);
    const std::optional<std::string> note = test::ToUtf8("BIG5", ShownTexts()[0]);
    ASSERT_TRUE(note.has_value());
    EXPECT_TRUE(note->ends_with("\n通訊錄: 王小明")) << *note;
}

} // namespace
} // namespace zyntra
