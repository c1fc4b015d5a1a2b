#include "app/main_window_state.h"
#include "device/device_link.h"
#include "kit/controls.h"
#include "personal/editors/sync_page.h"
#include "personal/personal_engine.h"
#include "storage/database_copy.h"
#include "storage/database_files.h"
#include "tests/support/device_fixture.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/personal_db_fixture.h"
#include "tests/support/temp_dir.h"
#include "tests/support/ui_doubles.h"
#include "texts/lang_text.h"

#include <filesystem>
#include <initializer_list>

namespace zyntra {
namespace {

using test::FileExists;
using test::ReadFile;

// The synchronisation page's handlers in the window model, on one plugged-in device.
class SyncPageTest : public ::testing::Test {
protected:
    ~SyncPageTest() override { SetCopyFaultHook({}); }

    void Start(const InfoHeader& header = test::DeviceHeader("A1", DriveKind::InternalMemory)) {
        internal_ = drives_.AddInternalMemory("internal", header);
        ASSERT_TRUE(harness_.Create());
        harness_.ui.messages.Clear();
    }

    template <class T> T& Get(const char* name) {
        return harness_.Window().Controls().Get<T>(name);
    }
    SyncPage& Page() { return harness_.Window().Sync(); }
    RecordLists& Lists() { return harness_.Window().Personal().Lists(); }
    std::string DevicePath(int slot) const { return DeviceDatabasePath(internal_, slot); }

    std::vector<std::string> ShownTexts() const {
        std::vector<std::string> texts;
        for (const ShownMessage& shown : harness_.ui.messages.Shown())
            texts.push_back(shown.text);
        return texts;
    }

    ADDRESSBOOK& AddAddress(const std::string& name, const std::string& email) {
        auto record = std::make_unique<ADDRESSBOOK>();
        record->name = name;
        record->email = email;
        Lists().AddrList.push_back(std::move(record));
        return *Lists().AddrList.back();
    }

    // Mode 0, 1, 2 = rbSync1, rbSync2, rbSync3.
    void ChooseMode(int mode) {
        harness_.Window()
            .Controls()
            .Get<RadioButton>("rbSync" + std::to_string(mode + 1))
            .SetChecked(true);
    }

    void SelectOnly(std::initializer_list<RecordKind> kinds) {
        auto& list = Get<CheckList>("clbSyncData");
        for (int item = 0; item < list.ItemCount(); ++item)
            list.SetChecked(item, false);
        for (RecordKind kind : kinds)
            list.SetChecked(SelectionItemOf(kind), true);
    }

    test::MainWindowHarness harness_;
    test::FixtureDrives drives_{harness_.volumes};
    std::string internal_;
};

TEST_F(SyncPageTest, SyncRunsTheCheckedKindsInTheModeOfTheRadioButtons) {
    Start();
    test::InsertAddress(DevicePath(1), {1, "Ann", 0, "device@example.org"});
    test::InsertSchedule(DevicePath(1), {1, "2024/02/01", "08:00", "09:00", "Device's", 0, -1});
    SelectOnly({RecordKind::AddressBook});
    struct Case {
        int button;
        KindCounts counts;
        std::size_t rows;
        const char* countKey;  // the count's words in the result's details
        const char* actionKey; // what the details say was done with Ann
    };
    for (const Case& c : {Case{1, {.leftAlone = 1}, 1, "SM_CliLeftAlone", "SM_ReportLeftAlone"},
                          Case{0, {.updated = 1}, 1, "SM_CliUpdated", "SM_ReportUpdated"},
                          Case{2, {.keptTwice = 1}, 2, "SM_CliKeptTwice", "SM_ReportKeptTwice"}}) {
        Lists().ResetAllLists();
        AddAddress("Ann", "memory" + std::to_string(c.button) + "@example.org");
        ChooseMode(c.button);
        const std::size_t cursorShapes = harness_.ui.waitCursor.History().size();

        Get<SpeedButton>("sbSync").Click();

        EXPECT_EQ(Page().LastReport().Of(RecordKind::AddressBook), c.counts) << c.button;
        EXPECT_EQ(test::ReadAddresses(DevicePath(1)).size(), c.rows) << c.button;
        EXPECT_EQ(ShownTexts().back(), LangText("SM_SyncOK"));
        EXPECT_EQ(harness_.ui.messages.Shown().back().details,
                  LangText("SM_ReportAddressBook") + ": " + FormatCount(LangText(c.countKey), 1) +
                      "\n    Ann (" + LangText(c.actionKey) + ")\n");
        EXPECT_NE(LangText(c.actionKey), "");
        const auto& history = harness_.ui.waitCursor.History();
        EXPECT_EQ(std::vector<CursorShape>(history.begin() + cursorShapes, history.end()),
                  (std::vector<CursorShape>{CursorShape::Wait, CursorShape::Default}));
    }
    EXPECT_EQ(test::ReadAddresses(DevicePath(1))[0].email, "memory0@example.org");
    EXPECT_EQ(test::ReadSchedules(DevicePath(1)).size(), 1u);
    EXPECT_TRUE(Lists().ScheList.empty());
    EXPECT_EQ(ShownTexts().size(), 3u);
    EXPECT_FALSE(FileExists(internal_ + "_sync.dat"));
    EXPECT_TRUE(Get<Control>("tabSyncSet").Enabled());
}

TEST_F(SyncPageTest, ALockedDeviceRunsOnlyWithItsPassword) {
    Start(test::LockedDeviceHeader("A1", DriveKind::InternalMemory, "1234"));
    AddAddress("Ann", "ann@example.org");
    const std::string before = ReadFile(DevicePath(1));
    harness_.ui.passwordDialog.QueuePassword("9999");
    harness_.ui.passwordDialog.QueueCancel();

    Page().sbSyncClick(); // wrong
    Page().sbSyncClick(); // cancelled
    EXPECT_EQ(ReadFile(DevicePath(1)), before);
    EXPECT_EQ(ShownTexts(), std::vector<std::string>(2, LangText("SM_PasswordIncorrectSync")));
    EXPECT_EQ(Lists().AddrList.size(), 1u);

    harness_.ui.passwordDialog.QueuePassword("1234");
    Page().sbSyncClick();
    EXPECT_EQ(harness_.ui.passwordDialog.Shown().size(), 3u);
    EXPECT_EQ(test::ReadAddresses(DevicePath(1)).size(), 1u);
    EXPECT_EQ(ShownTexts().back(), LangText("SM_SyncOK"));
}

TEST_F(SyncPageTest, AFailedCopyShowsItsLineAndThenSyncNG) {
    Start();
    AddAddress("Ann", "ann@example.org");
    const std::string before = ReadFile(DevicePath(1));
    SetCopyFaultHook([](const std::string& target) { return target != ScratchCopyPath(1); });

    Get<SpeedButton>("sbSync").Click();

    EXPECT_EQ(ReadFile(DevicePath(1)), before);
    EXPECT_EQ(ShownTexts(), (std::vector<std::string>{"db_open() failed, file=Secretary/PIM.db\n",
                                                      LangText("SM_SyncNG")}));
    EXPECT_FALSE(FileExists(internal_ + "_sync.dat"));
}

TEST_F(SyncPageTest, AKindThatCouldNotBeWrittenIsAFailedRun) {
    Start();
    test::FixtureDatabase(DevicePath(1)).Exec("drop table telephone;");
    AddAddress("Ann", "ann@example.org");
    Get<SpeedButton>("sbSync").Click();
    EXPECT_EQ(ShownTexts().back(), LangText("SM_SyncNG"));

    // A contact whose text no statement can hold is not backed up: the backup fails.
    harness_.ui.messages.Clear();
    AddAddress("Bob", "bob@example.org").note = std::string(2100, 'n');
    Get<SpeedButton>("sbBackup").Click();
    EXPECT_EQ(ShownTexts().back(), LangText("SM_ExportNG"));
    EXPECT_FALSE(FileExists(BackupPath(1)));
}

TEST_F(SyncPageTest, APageSyncButtonOnlyShowsTheSyncPage) {
    Start();
    AddAddress("Ann", "ann@example.org");
    auto& pages = Get<PageControl>("pgcDataSet");
    for (const char* name :
         {"tbAddrSync", "tbScheSync", "tbToDoSync", "tbClassSync", "tbUserSync"}) {
        pages.SetActivePageIndex(0);
        harness_.Window().Shell().statusRecordCount = 7;
        Get<ToolButton>(name).Click();
        EXPECT_EQ(pages.ActivePageIndex(), 1) << name;
        EXPECT_EQ(harness_.Window().Shell().statusRecordCount, 0) << name;
    }
    EXPECT_TRUE(test::ReadAddresses(DevicePath(1)).empty());
    EXPECT_TRUE(ShownTexts().empty());
}

TEST_F(SyncPageTest, BackupAndRestoreShowTheirResultOrNothing) {
    Start();
    AddAddress("Ann", "ann@example.org");
    SetCopyFaultHook([](const std::string& target) { return target != BackupPath(3); });
    Get<SpeedButton>("sbBackup").Click();
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{LangText("SM_ExportNG")});
    // The backup's own mode leaves the page's choice alone.
    EXPECT_TRUE(Get<RadioButton>("rbSync3").Checked());

    SetCopyFaultHook({});
    for (int slot = 1; slot <= kDatabaseSlotCount; ++slot)
        std::filesystem::remove(BackupPath(slot));
    harness_.ui.messages.Clear();
    Get<SpeedButton>("sbRestore").Click();
    EXPECT_TRUE(ShownTexts().empty());
    EXPECT_FALSE(Page().LastReport().restoredAnything);
    EXPECT_EQ(Lists().AddrList.size(), 1u);
}

TEST_F(SyncPageTest, ClosingOffersABackupOnlyWhenSomethingIsInMemory) {
    Start();
    Lists().classGrid[0][0].abbreviation = "not a list";
    EXPECT_TRUE(Page().OfferBackupOnClose());
    EXPECT_TRUE(harness_.ui.question.Asked().empty());

    auto task = std::make_unique<PLANS>();
    task->date = "2024/05/05";
    task->content = "Water plants";
    Lists().ToDoList.push_back(std::move(task));
    harness_.ui.question.QueueAnswer(false);
    EXPECT_TRUE(Page().OfferBackupOnClose());
    EXPECT_FALSE(FileExists(BackupPath(1)));

    harness_.ui.question.QueueAnswer(true);
    EXPECT_TRUE(Page().OfferBackupOnClose());
    ASSERT_EQ(harness_.ui.question.Asked().size(), 2u);
    EXPECT_EQ(harness_.ui.question.Asked()[1].caption, "Zyntra");
    EXPECT_EQ(harness_.ui.question.Asked()[1].text, LangText("SM_NeedToExportData"));
    auto tasks = test::ReadToDos(BackupPath(1));
    ASSERT_EQ(tasks.size(), 1u);
    EXPECT_EQ(tasks[0].content, "Water plants");
    EXPECT_EQ(ShownTexts(), std::vector<std::string>{LangText("SM_ExportOK")});
}

TEST_F(SyncPageTest, WhileARunLetsEventsThroughThePageIsOffAndNoOtherRunStarts) {
    Start();
    test::FixtureDatabase(DevicePath(1))
        .Exec("drop table telephone; create table telephone(id integer primary key, name text);"
              "insert into telephone values (1, 'x'), (2, 'y');");
    Control& page = Get<Control>("tabSyncSet");
    std::vector<bool> pageReachable;
    auto tryToStartRuns = [&] {
        pageReachable.push_back(page.IsEnabledInTree());
        Page().sbSyncClick();
        Page().sbBackupClick();
        Page().sbRestoreClick();
        EXPECT_FALSE(Page().OfferBackupOnClose());
        EXPECT_FALSE(harness_.Window().FormClose());
    };
    // The page's own before the run, then one for each unreadable row.
    for (int i = 0; i < 3; ++i)
        harness_.ui.pendingEvents.QueueAction(tryToStartRuns);

    Get<SpeedButton>("sbSync").Click();

    EXPECT_EQ(pageReachable, (std::vector<bool>{false, false, false}));
    EXPECT_TRUE(page.IsEnabledInTree());
    EXPECT_EQ(ShownTexts(), (std::vector<std::string>{"tele error, rec=0\n", "tele error, rec=1\n",
                                                      LangText("SM_SyncOK")}));
    EXPECT_EQ(Page().LastReport().unreadableRows, 2);
    EXPECT_FALSE(FileExists(BackupPath(1)));
    EXPECT_TRUE(Lists().AddrList.empty());
}

// Undo Last Sync writes back what the device held before the last sync, after asking, and
// only the device's own snapshot.
TEST_F(SyncPageTest, UndoLastSyncPutsTheDeviceBackAfterAsking) {
    Start();
    test::InsertAddress(DevicePath(1), {1, "Ann", 0, "device@example.org"});
    // Nothing to undo yet: the button is off, and a click from code says so.
    EXPECT_FALSE(Get<SpeedButton>("sbUndoSync").Enabled());
    Get<SpeedButton>("sbUndoSync").Click();
    EXPECT_EQ(ShownTexts(), (std::vector<std::string>{LangText("SM_NoSnapshot")}));
    harness_.ui.messages.Clear();

    const std::string before = ReadFile(DevicePath(1));
    AddAddress("Bob", "bob@example.org");
    Get<SpeedButton>("sbSync").Click();
    ASSERT_NE(ReadFile(DevicePath(1)), before);
    EXPECT_TRUE(Get<SpeedButton>("sbUndoSync").Enabled());

    // Cancelled: nothing happens.
    harness_.ui.messages.Clear();
    harness_.ui.question.QueueAnswer(false);
    Get<SpeedButton>("sbUndoSync").Click();
    EXPECT_NE(ReadFile(DevicePath(1)), before);
    EXPECT_TRUE(ShownTexts().empty());

    harness_.ui.question.QueueAnswer(true);
    Get<SpeedButton>("sbUndoSync").Click();
    EXPECT_EQ(ReadFile(DevicePath(1)), before);
    EXPECT_EQ(ShownTexts(), (std::vector<std::string>{LangText("SM_UndoSyncOK")}));
    ASSERT_EQ(Lists().AddrList.size(), 1u);
    EXPECT_EQ(Lists().AddrList[0]->name, "Ann");
    EXPECT_TRUE(harness_.ui.question.Asked().back().text.starts_with(LangText("SM_UndoSyncAsk")));
}

// On a locked device each button that writes to it asks for the password first and writes
// nothing after a wrong one or a cancel; backup and restore work on the program folder only.
TEST_F(SyncPageTest, NothingReachesALockedDeviceWithoutItsPassword) {
    Start(test::LockedDeviceHeader("A1", DriveKind::InternalMemory, "1234"));
    test::InsertAddress(DevicePath(1), {1, "Ann", 0, "device@example.org"});
    AddAddress("Bob", "bob@example.org");
    harness_.ui.passwordDialog.QueuePassword("1234");
    Get<SpeedButton>("sbSync").Click();
    ASSERT_EQ(test::ReadAddresses(DevicePath(1)).size(), 2u);
    auto deviceFiles = [this] {
        std::vector<std::string> files;
        for (int slot = 1; slot <= kDatabaseSlotCount; ++slot)
            files.push_back(FileExists(DevicePath(slot)) ? ReadFile(DevicePath(slot)) : "-");
        files.push_back(FileExists(internal_ + "_sync.dat") ? "marked" : "-");
        return files;
    };
    const std::vector<std::string> before = deviceFiles();
    Get<SpeedButton>("sbBackup").Click();
    harness_.ui.messages.Clear();

    AddAddress("Carl", "carl@example.org");
    harness_.ui.passwordDialog.QueuePassword("12345");
    Get<SpeedButton>("sbSync").Click();
    harness_.ui.passwordDialog.QueueCancel();
    Get<SpeedButton>("sbSync").Click();
    for (const char* wrong : {"4321", "", "1234 "}) {
        harness_.ui.question.QueueAnswer(true);
        harness_.ui.passwordDialog.QueuePassword(wrong);
        Get<SpeedButton>("sbUndoSync").Click();
    }
    Get<SpeedButton>("sbRestore").Click();
    Get<SpeedButton>("sbBackup").Click();

    EXPECT_EQ(deviceFiles(), before);
    EXPECT_EQ(harness_.ui.passwordDialog.Shown().size(), 6u);
    std::vector<std::string> expected(5, LangText("SM_PasswordIncorrectSync"));
    expected.push_back(LangText("SM_ImportOK"));
    expected.push_back(LangText("SM_ExportOK"));
    EXPECT_EQ(ShownTexts(), expected);

    harness_.ui.question.QueueAnswer(true);
    harness_.ui.passwordDialog.QueuePassword("1234");
    Get<SpeedButton>("sbUndoSync").Click();
    ASSERT_EQ(test::ReadAddresses(DevicePath(1)).size(), 1u);
    EXPECT_EQ(test::ReadAddresses(DevicePath(1))[0].name, "Ann");
}

// Appointments and tasks of one calendar, as another program writes them.
constexpr const char* kCalendar =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Other//EN\r\n"
    "BEGIN:VEVENT\r\nUID:1\r\nSUMMARY:Dentist\\, then lunch\\; bring card\r\n"
    "DTSTART:20270105T090000\r\nDTEND:20270105T103000\r\n"
    "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:-PT30M\r\nEND:VALARM\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:2\r\nSUMMARY:Holiday\r\nDTSTART;VALUE=DATE:20270501\r\n"
    "RRULE:FREQ=YEARLY\r\nEND:VEVENT\r\n"
    "BEGIN:VTODO\r\nUID:3\r\nSUMMARY:Renew passport\r\nDUE;VALUE=DATE:20270215\r\n"
    "PRIORITY:1\r\nEND:VTODO\r\nEND:VCALENDAR\r\n";

TEST_F(SyncPageTest, AnImportedCalendarReachesTheDeviceAndComesBackOutUnchanged) {
    Start();
    test::TempDir dir;
    test::WriteFile(dir.Path() + "other.ics", kCalendar);
    // The type list still shows vCard, its first type: the file's extension names the format.
    harness_.ui.fileDialog.QueueChoice(dir.Path() + "other.ics", 0);
    Get<SpeedButton>("sbImportFile").Click();

    ASSERT_EQ(Lists().ScheList.size(), 2u);
    ASSERT_EQ(Lists().ToDoList.size(), 1u);
    EXPECT_EQ(Lists().ScheList[0]->content, "Dentist, then lunch; bring card");
    EXPECT_EQ(Lists().ScheList[0]->alarm_BStime, 30);
    EXPECT_EQ(Get<ListView>("lvToDoList").RowCount(), 1) << "the editor shows the import";
    ASSERT_EQ(harness_.ui.messages.Shown().size(), 1u);
    const ShownMessage& shown = harness_.ui.messages.Shown()[0];
    EXPECT_EQ(shown.text, FormatCount(LangText("SM_FileImportOK"), 3));
    EXPECT_NE(shown.details.find("RRULE"), std::string::npos) << "the recurrence is told";

    SelectOnly({RecordKind::Schedule, RecordKind::ToDo});
    Get<SpeedButton>("sbSync").Click();
    EXPECT_EQ(test::ReadSchedules(DevicePath(1)).size(), 2u);
    Lists().ScheList.clear();
    Lists().ToDoList.clear();
    harness_.Window().Personal().Load(RunTarget::Device, DataSelection::All());
    ASSERT_EQ(Lists().ScheList.size(), 2u);

    harness_.ui.fileDialog.QueueChoice(dir.Path() + "out.ics", 2); // iCalendar
    Get<SpeedButton>("sbExportFile").Click();
    EXPECT_EQ(harness_.ui.messages.Shown().back().text,
              FormatCount(LangText("SM_FileExportOK"), 3));
    RecordLists fromDevice;
    fromDevice.ScheList = std::move(Lists().ScheList);
    fromDevice.ToDoList = std::move(Lists().ToDoList);
    Lists().ResetAllLists();
    harness_.ui.fileDialog.QueueChoice(dir.Path() + "out.ics", 1);
    Get<SpeedButton>("sbImportFile").Click();
    ASSERT_EQ(Lists().ScheList.size(), 2u);
    ASSERT_EQ(Lists().ToDoList.size(), 1u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(Lists().ScheList[i]->content, fromDevice.ScheList[i]->content);
        EXPECT_EQ(Lists().ScheList[i]->date, fromDevice.ScheList[i]->date);
        EXPECT_EQ(Lists().ScheList[i]->start_time, fromDevice.ScheList[i]->start_time);
        EXPECT_EQ(Lists().ScheList[i]->end_time, fromDevice.ScheList[i]->end_time);
        EXPECT_EQ(Lists().ScheList[i]->alarm_BStime, fromDevice.ScheList[i]->alarm_BStime);
    }
    EXPECT_EQ(Lists().ToDoList[0]->content, "Renew passport");
    EXPECT_EQ(Lists().ToDoList[0]->priority, fromDevice.ToDoList[0]->priority);
}

TEST_F(SyncPageTest, AFileThatCannotBeImportedAddsNothingAndSaysWhy) {
    Start();
    AddAddress("Ann", "ann@example.org");
    test::TempDir dir;
    test::WriteFile(dir.Path() + "cut.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Bo\r\n");
    harness_.ui.fileDialog.QueueChoice(dir.Path() + "cut.vcf", 0);
    Get<SpeedButton>("sbImportFile").Click();
    harness_.ui.fileDialog.QueueCancel();
    Get<SpeedButton>("sbImportFile").Click();

    EXPECT_EQ(Lists().AddrList.size(), 1u);
    ASSERT_EQ(harness_.ui.messages.Shown().size(), 1u);
    EXPECT_EQ(harness_.ui.messages.Shown()[0].text, LangText("SM_FileImportNG"));
    EXPECT_FALSE(harness_.ui.messages.Shown()[0].details.empty());
    EXPECT_TRUE(Get<Control>("tabSyncSet").Enabled()) << "the page is given back";
}

} // namespace
} // namespace zyntra
