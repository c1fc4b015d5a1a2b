#include "kit/controls.h"
#include "personal/editors/address_book_page.h"
#include "personal/editors/user_data_page.h"
#include "personal/personal_engine.h"
#include "tests/support/device_fixture.h"
#include "tests/support/main_window_fixture.h"
#include "texts/lang_text.h"

#include <gtest/gtest.h>
#include <initializer_list>

namespace zyntra {
namespace {

// The address book page of the window model, on one plugged-in device.
class AddressBookEditorTest : public ::testing::Test {
protected:
    void Start(const InfoHeader& header = test::DeviceHeader("A1", DriveKind::InternalMemory)) {
        drives_.AddInternalMemory("internal", header);
        harness_.ui.clock.Set({{2026, 12, 9}, {14, 37, 12}});
        ASSERT_TRUE(harness_.Create());
    }
    void StartLocked() {
        Start(test::LockedDeviceHeader("A1", DriveKind::InternalMemory, "secret"));
    }

    // Shows the address book with these contacts in memory; nothing is selected.
    void ShowContacts(std::initializer_list<ADDRESSBOOK> contacts) {
        for (const ADDRESSBOOK& contact : contacts)
            Lists().AddrList.push_back(std::make_unique<ADDRESSBOOK>(contact));
        Get<PageControl>("pgcMain").SetActivePageIndex(1);
        Page().tabAddressBookShow();
        harness_.ui.messages.Clear();
    }

    template <class T> T& Get(const char* name) {
        return harness_.Window().Controls().Get<T>(name);
    }
    AddressBookPage& Page() { return harness_.Window().Editors().AddressBook(); }
    RecordLists& Lists() { return harness_.Window().Personal().Lists(); }
    ListView& List() { return Get<ListView>("lvAddrList"); }
    EditField& Field(const char* name) { return Get<EditField>(name); }
    std::string Cell(int row, int column) { return List().RowData(row).texts.at(column); }
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (const auto& record : Lists().AddrList)
            names.push_back(record->name);
        return names;
    }
    std::vector<std::string> Shown() {
        std::vector<std::string> texts;
        for (const ShownMessage& shown : harness_.ui.messages.Shown())
            texts.push_back(shown.text);
        return texts;
    }
    std::vector<std::string> ShownKey(const char* key) { return {LangText(key)}; }

    test::MainWindowHarness harness_;
    test::FixtureDrives drives_{harness_.volumes};
};

TEST_F(AddressBookEditorTest, LockedContactsOfALockedDeviceAreMaskedUntilAuthority) {
    StartLocked();
    ShowContacts({{.id = 1, .name = "Ann", .category = 2, .email = "ann@x", .locked = 1},
                  {.id = 2, .name = "Bob", .email = "bob@x", .locked = 0}});

    EXPECT_EQ(Cell(0, 1), " *");
    for (int column = 2; column <= 14; ++column)
        EXPECT_EQ(Cell(0, column), " * ") << column;
    EXPECT_EQ(Cell(1, 2), "Bob");
    EXPECT_EQ(Cell(1, 1), "");

    List().SetSelected(0);
    EXPECT_EQ(Field("edtName").Text(), "*");
    EXPECT_EQ(Field("edtOAddress").Text(), "*");
    EXPECT_EQ(Get<ComboBox>("cbCategory").ItemIndex(), 2);
    EXPECT_TRUE(Get<CheckBox>("cbAddrLock").Checked());

    // The placeholders never reach the protected record.
    Page().tbAddrSaveClick();
    EXPECT_EQ(Shown(), ShownKey("SM_NoSelectItem"));
    EXPECT_EQ(Lists().AddrList[0]->name, "Ann");
    EXPECT_EQ(Lists().AddrList[0]->email, "ann@x");

    harness_.ui.messages.Clear();
    harness_.ui.passwordDialog.QueuePassword("wrong");
    Page().tbAddrAuthorityClick();
    EXPECT_EQ(Shown(), ShownKey("SM_PasswordIncorrectShow"));
    EXPECT_EQ(Cell(0, 2), " * ");

    harness_.ui.passwordDialog.QueuePassword("secret");
    Page().tbAddrAuthorityClick();
    EXPECT_EQ(Cell(0, 2), "Ann");
    EXPECT_EQ(Field("edtName").Text(), "Ann"); // the selected row shows its texts at once

    // Locking the view again asks for the password too.
    harness_.ui.passwordDialog.QueuePassword("secret");
    Page().tbAddrAuthorityClick();
    EXPECT_EQ(Cell(0, 2), " * ");
}

TEST_F(AddressBookEditorTest, AnUnlockedDeviceShowsEveryContact) {
    Start();
    ShowContacts({{.id = 1, .name = "Ann", .category = 5, .locked = 1},
                  {.id = 2, .name = "Odd", .category = 9}});
    EXPECT_EQ(Cell(0, 1), " *");
    EXPECT_EQ(Cell(0, 2), "Ann");
    EXPECT_EQ(Cell(0, 3), LangText("SM_Others"));
    EXPECT_EQ(Cell(1, 3), ""); // a category the editor does not know shows nothing
    EXPECT_TRUE(List().RowData(2).texts.empty());

    // Saving a contact of an unknown category keeps its category.
    List().SetSelected(1);
    Page().tbAddrSaveClick();
    EXPECT_EQ(Lists().AddrList[1]->category, 9);
}

TEST_F(AddressBookEditorTest, NameColumnSortsDescendingFirstAndTheSelectionFollowsItsRecord) {
    Start();
    ShowContacts({{.name = "bob", .email = "1"},
                  {.name = "Carl", .email = "2"},
                  {.name = "alice", .email = "3"}});
    List().SetSelected(0); // bob

    List().UserClickColumn(3 + 0); // the category column: all equal, so nothing to see
    List().UserClickColumn(4);     // e-mail: not sorted by, the order stays
    EXPECT_EQ(Names()[0], "bob");

    List().UserClickColumn(2);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Carl", "bob", "alice"}));
    EXPECT_EQ(List().Selected(), 1);
    EXPECT_EQ(Field("edtName").Text(), "bob");

    List().UserClickColumn(2);
    EXPECT_EQ(Names(), (std::vector<std::string>{"alice", "bob", "Carl"}));

    // Save after the sort changes the record the fields show, and no other.
    Field("edtEmail").SetText("new@x");
    Page().tbAddrSaveClick();
    EXPECT_EQ(Lists().AddrList[1]->name, "bob");
    EXPECT_EQ(Lists().AddrList[1]->email, "new@x");
    EXPECT_EQ(Lists().AddrList[0]->email, "3");
    EXPECT_EQ(Lists().AddrList[2]->email, "2");

    // The hidden column 0 never sorts and keeps its flag.
    List().UserClickColumn(0);
    EXPECT_EQ(Names(), (std::vector<std::string>{"alice", "bob", "Carl"}));
}

TEST_F(AddressBookEditorTest, NewAppendsWhateverIsSelectedAndSaveNeedsASelection) {
    Start();
    ShowContacts({{.id = 7, .name = "Ann", .note = "kept"}});

    Page().tbAddrNewClick();
    EXPECT_EQ(Shown(), ShownKey("SM_NameIsEmpty"));
    EXPECT_EQ(Lists().AddrList.size(), 1u);

    harness_.ui.messages.Clear();
    Page().tbAddrSaveClick(); // no selection: said even with an empty name field
    EXPECT_EQ(Shown(), ShownKey("SM_NoSelectItem"));

    harness_.ui.messages.Clear();
    Field("edtName").SetText("Zoe");
    Get<ComboBox>("cbCategory").SetItemIndex(3);
    Page().tbAddrNewClick();
    ASSERT_EQ(Lists().AddrList.size(), 2u);
    const ADDRESSBOOK& added = *Lists().AddrList[1];
    EXPECT_EQ(added.id, 0);
    EXPECT_EQ(added.name, "Zoe");
    EXPECT_EQ(added.category, 3);
    EXPECT_EQ(added.email, "");
    EXPECT_EQ(added.stamp_time, "2026/12/09 14:37:12");
    EXPECT_EQ(List().Selected(), 1);
    EXPECT_EQ(List().RowCount(), 2);

    // New with a row selected still appends; Save changes the selected one in place.
    List().SetSelected(0);
    Field("edtName").SetText("Ann B");
    Page().tbAddrSaveClick();
    EXPECT_EQ(Lists().AddrList.size(), 2u);
    EXPECT_EQ(Lists().AddrList[0]->name, "Ann B");
    EXPECT_EQ(Lists().AddrList[0]->id, 7);
    EXPECT_EQ(Lists().AddrList[0]->note, "kept");

    Field("edtName").SetText("");
    Page().tbAddrSaveClick();
    EXPECT_EQ(Shown(), ShownKey("SM_NameIsEmpty"));
    EXPECT_EQ(Lists().AddrList[0]->name, "Ann B");
}

TEST_F(AddressBookEditorTest, DeleteNeedsTheListsFocusAndKeepsARowSelected) {
    Start();
    ShowContacts({{.name = "a"}, {.name = "b"}, {.name = "c"}});
    List().SetSelected(2);
    ASSERT_TRUE(Field("edtName").SetFocus());
    Page().tbAddrDeleteClick(); // the cursor is in a field: nothing happens
    EXPECT_EQ(Lists().AddrList.size(), 3u);

    ASSERT_TRUE(List().SetFocus());
    Page().tbAddrDeleteClick();
    EXPECT_EQ(Names(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(List().Selected(), 1);
    EXPECT_EQ(Field("edtName").Text(), "b");

    Lists().AddrList.erase(Lists().AddrList.begin());
    Page().ListReloaded();
    Page().tabAddressBookShow();
    List().SetSelected(0);
    Page().tbAddrDeleteClick();
    EXPECT_TRUE(Lists().AddrList.empty());
    EXPECT_EQ(List().RowCount(), 0);
    EXPECT_FALSE(Get<ToolButton>("tbAddrSave").Enabled());
    EXPECT_FALSE(Get<ToolButton>("tbAddrDelete").Enabled());
    EXPECT_EQ(Field("edtName").Text(), "");
}

TEST_F(AddressBookEditorTest, ARecordLoadedReadOnlyIsShownButNeverChanged) {
    Start();
    ADDRESSBOOK cut{.id = 3, .name = "Cut?"};
    cut.stored.readOnly = true;
    ShowContacts({cut});
    List().SetSelected(0);
    EXPECT_EQ(Field("edtName").Text(), "Cut?");

    Field("edtName").SetText("Changed");
    Page().tbAddrSaveClick();
    EXPECT_EQ(Shown(), ShownKey("SM_RecordReadOnly"));
    EXPECT_EQ(Lists().AddrList[0]->name, "Cut?");

    harness_.ui.messages.Clear();
    ASSERT_TRUE(List().SetFocus());
    Page().tbAddrDeleteClick();
    EXPECT_EQ(Shown(), ShownKey("SM_RecordReadOnly"));
    EXPECT_EQ(Lists().AddrList.size(), 1u);
}

TEST_F(AddressBookEditorTest, PageChangeSelectsTheLastContactAndTheStatusLineCountsThem) {
    Start();
    ShowContacts({{.name = "a"}, {.name = "b"}});
    Get<PageControl>("pgcPIMPage").SetActivePageIndex(1);
    Get<PageControl>("pgcPIMPage").SetActivePageIndex(0);
    EXPECT_EQ(List().Selected(), 1);
    EXPECT_EQ(Field("edtName").Text(), "b");
    EXPECT_NE(Get<StatusBar>("stbMain").PanelText(2).find('2'), std::string::npos);
}

} // namespace
} // namespace zyntra
