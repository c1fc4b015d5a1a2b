#include "app/controls/main_window_controls.h"
#include "kit/controls.h"

#include <fstream>
#include <gtest/gtest.h>
#include <initializer_list>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace zyntra {
namespace {

class MainControlsTest : public ::testing::Test {
protected:
    void SetUp() override { CreateMainWindowControls(controls); }

    template <class T> void ExpectAll(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            EXPECT_NE(controls.Find<T>(name), nullptr) << name << " missing or of another type";
        }
    }

    std::vector<int> ColumnWidths(const char* list) const {
        const auto& view = controls.Get<ListView>(list);
        std::vector<int> widths;
        for (int column = 0; column < view.ColumnCount(); ++column) {
            widths.push_back(view.Column(column).width);
        }
        return widths;
    }

    ControlSet controls;
};

TEST_F(MainControlsTest, EveryControlHangsUnderTheFormInsideItsParent) {
    const auto& form = controls.Get<Form>("dfmMain");
    EXPECT_EQ(form.Caption(), "Zyntra");
    EXPECT_EQ(form.Border(), BorderStyle::Single);
    EXPECT_FALSE(form.Icons().maximize);
    EXPECT_TRUE(form.Icons().minimize);
    EXPECT_EQ(form.GetBounds(), (Bounds{0, 0, 1024, 768}));
    EXPECT_FALSE(form.Visible()) << "shown only after the handlers are attached";

    for (const Control* control : controls.All()) {
        const Control* root = control;
        while (root->Parent() != nullptr) {
            root = root->Parent();
        }
        EXPECT_EQ(root, &form) << control->Name();
        const Control* parent = control->Parent();
        if (parent == nullptr || control->Width() == 0 || parent->Width() == 0) {
            continue;
        }
        EXPECT_GE(control->Left(), 0) << control->Name();
        EXPECT_GE(control->Top(), 0) << control->Name();
        EXPECT_LE(control->Left() + control->Width(), parent->Width()) << control->Name();
        EXPECT_LE(control->Top() + control->Height(), parent->Height()) << control->Name();
    }
    for (const auto* page : controls.AllOf<TabSheet>()) {
        EXPECT_NE(page->PageControlOf(), nullptr) << page->Name();
    }
    for (const auto* item : controls.AllOf<MenuItem>()) {
        EXPECT_NE(dynamic_cast<const PopupMenu*>(item->Parent()), nullptr) << item->Name();
    }
}

TEST_F(MainControlsTest, ControlsThatHandlersLookUpExistWithTheirKitType) {
    ExpectAll<Form>({"dfmMain"});
    ExpectAll<PageControl>({"pgcMain", "pgcDataSet", "pgcPIMPage"});
    ExpectAll<TabSheet>({"tabFile", "tabDataSet1", "tabUserData", "tabSyncSet1", "tabAddressBook",
                         "tabSchedule", "tabToDoList", "tabClass", "tabUserDict", "tabPersonal",
                         "tabBusiness"});
    ExpectAll<Panel>({"pnlFileTop", "pnlFileBottom"});
    ExpectAll<TreeView>({"tvCompTreeView", "tvDictTreeView"});
    ExpectAll<CoolBar>({"clbCompBar", "clbDictBar"});
    ExpectAll<CheckList>({"clbSyncData"});
    ExpectAll<PopupMenu>({"pmCompMenu", "pmDictMenu"});
    ExpectAll<ListView>({"lvAddrList", "lvCEUserList", "lvCompListView", "lvDictListView",
                         "lvECUserList", "lvScheList", "lvToDoList"});
    ExpectAll<ToolButton>(
        {"btnCompCopy",        "btnCompCut",      "btnCompDelete", "btnCompDownload",
         "btnCompPaste",       "btnCompRefresh",  "btnCompUp",     "btnCompView",
         "btnDictCopy",        "btnDictCut",      "btnDictDelete", "btnDictPaste",
         "btnDictRefresh",     "btnDictUp",       "btnDictUpload", "btnDictView",
         "btnDigitalContents", "btnEAlbum",       "btnEbook",      "btnFlash",
         "btnMp3Music",        "btnRecorder",     "btnWriter",     "tbAddrNew",
         "tbAddrSave",         "tbAddrDelete",    "tbAddrSync",    "tbAddrAuthority",
         "tbScheNew",          "tbScheSave",      "tbScheDelete",  "tbScheSync",
         "tbScheAuthority",    "tbToDoNew",       "tbToDoSave",    "tbToDoDelete",
         "tbToDoSync",         "tbToDoAuthority", "tbClassSave",   "tbClassClear",
         "tbClassCopy",        "tbClassPaste",    "tbClassSync",   "tbUserNew",
         "tbUserSave",         "tbUserDelete",    "tbUserSync"});
    ExpectAll<SpeedButton>({"sbBackup", "sbClassSetTime", "sbRestore", "sbScheSetTime", "sbSync",
                            "sbUserCEDict", "sbUserECDict"});
    ExpectAll<CheckBox>({"cbAddrLock", "cbScheLock", "cbScheNoTime", "cbToDoLock", "cbToDoStatus"});
    ExpectAll<ComboBox>({"cbCategory", "cbScheAlarm"});
    ExpectAll<DatePicker>({"dtpScheDate", "dtpToDoDate"});
    ExpectAll<TimePicker>({"dtpClassETime", "dtpClassSTime", "dtpScheETime", "dtpScheSTime"});
    ExpectAll<MultiLineEdit>({"reClassNote", "reScheContent", "reToDoContent", "reUserContent"});
    ExpectAll<RadioButton>({"rbSync1", "rbSync2", "rbSync3", "rbToDoPriority1", "rbToDoPriority2",
                            "rbToDoPriority3", "rbToDoPriority4", "rbToDoType1", "rbToDoType2",
                            "rbToDoType3"});
    ExpectAll<GroupBox>({"gbDataSync"});
    ExpectAll<StringGrid>({"sgClassTable"});
    ExpectAll<StatusBar>({"stbMain"});
    for (const auto* field : controls.AllOf<EditField>()) {
        const bool multiLine = dynamic_cast<const MultiLineEdit*>(field) != nullptr;
        EXPECT_EQ(multiLine, field->Name().starts_with("re")) << field->Name();
    }
}

TEST_F(MainControlsTest, FieldsLimitInputToTheirRecordFields) {
    const std::vector<std::pair<const char*, int>> limits{
        {"edtName", 100},
        {"edtEmail", 100},
        {"edtMobile1", 50},
        {"edtMobile2", 50},
        {"edtHPhone", 50},
        {"edtHFax", 50},
        {"edtHAddress", 100},
        {"edtOffice", 100},
        {"edtTitle", 100},
        {"edtOPhone", 50},
        {"edtOFax", 50},
        {"edtOAddress", 100},
        {"reScheContent", 100},
        {"reToDoContent", 100},
        {"edtClassWeekDay", 6},
        {"edtClassNo", 8},
        {"edtClassAbbreviation", 6},
        {"edtClassName", 20},
        {"edtClassTeacher", 20},
        {"reClassNote", 20},
        {"edtUserHeadword", 100},
        {"edtUserPartOfSpeech", 70},
        {"reUserContent", 1000},
    };
    for (const auto& [name, maxLength] : limits) {
        EXPECT_EQ(controls.Get<EditField>(name).MaxLength(), maxLength) << name;
    }
    EXPECT_TRUE(controls.Get<EditField>("edtClassWeekDay").ReadOnly());
    EXPECT_TRUE(controls.Get<EditField>("edtClassNo").ReadOnly());
    EXPECT_FALSE(controls.Get<EditField>("edtClassAbbreviation").ReadOnly());
}

TEST_F(MainControlsTest, MenusHaveTheirEntriesInOrderWithSeparatorsAndShortcuts) {
    auto expectMenu = [&](const char* menuName, const std::vector<std::string>& names,
                          const std::set<int>& separators) {
        const auto& menu = controls.Get<PopupMenu>(menuName);
        ASSERT_EQ(menu.ItemCount(), static_cast<int>(names.size())) << menuName;
        for (int index = 0; index < menu.ItemCount(); ++index) {
            const MenuItem& item = menu.Item(index);
            EXPECT_EQ(item.IsSeparator(), separators.count(index) == 1) << menuName << index;
            if (!item.IsSeparator()) {
                EXPECT_EQ(item.Name(), names[static_cast<std::size_t>(index)]);
                EXPECT_FALSE(item.Hint().empty()) << item.Name();
            }
        }
    };
    expectMenu("pmCompMenu",
               {"CompUp", "CompRefresh", "CompView", "", "CompCut", "CompCopy", "CompPaste",
                "CompDelete", "", "CompDownload"},
               {3, 8});
    expectMenu("pmDictMenu",
               {"DictRefresh", "DictView", "", "DictCut", "DictCopy", "DictPaste", "DictDelete", "",
                "DictUpload"},
               {2, 7});
    EXPECT_EQ(controls.Get<MenuItem>("CompRefresh").ShortcutText(), "F5");
    EXPECT_EQ(controls.Get<MenuItem>("DictRefresh").ShortcutText(), "F5");
    EXPECT_EQ(controls.Get<MenuItem>("CompDownload").ShortcutText(), "Ctrl+O");
    EXPECT_EQ(controls.Get<MenuItem>("DictUpload").ShortcutText(), "Ctrl+U");
    EXPECT_EQ(controls.Get<MenuItem>("CompCopy").Hint(), "RC_BTN_COPY");
    EXPECT_EQ(controls.Get<MenuItem>("DictCopy").Hint(), "RC_BTN_COPY_HINT");
}

TEST_F(MainControlsTest, ListsHaveTheirColumnsWithTheFirstOneHidden) {
    EXPECT_EQ(ColumnWidths("lvAddrList"), (std::vector<int>{0, 50, 150, 80, 150, 121, 121, 121, 121,
                                                            300, 125, 125, 121, 121, 300}));
    EXPECT_EQ(ColumnWidths("lvToDoList").size(), 3u);
    EXPECT_EQ(ColumnWidths("lvToDoList")[1], 120);
    const std::vector<int> schedule = ColumnWidths("lvScheList");
    ASSERT_EQ(schedule.size(), 6u);
    EXPECT_EQ(std::vector<int>(schedule.begin(), schedule.end() - 1),
              (std::vector<int>{0, 80, 100, 121, 121}));
    EXPECT_GT(schedule.back(), 0) << "the content column takes the rest";
    for (const char* list : {"lvECUserList", "lvCEUserList"}) {
        EXPECT_EQ(ColumnWidths(list), (std::vector<int>{0, 250, 150, 575, 0, 0, 0})) << list;
    }
    EXPECT_EQ(ColumnWidths("lvCompListView").size(), 8u);
    EXPECT_EQ(ColumnWidths("lvCompListView")[0], 201);
    EXPECT_EQ(ColumnWidths("lvDictListView").size(), 8u);
    EXPECT_EQ(ColumnWidths("lvDictListView")[0], 246);

    for (const char* list : {"lvAddrList", "lvScheList", "lvToDoList", "lvECUserList"}) {
        EXPECT_EQ(controls.Get<ListView>(list).Style(), ViewStyle::Report) << list;
        EXPECT_FALSE(controls.Get<ListView>(list).MultiSelect()) << list;
    }
    EXPECT_TRUE(controls.Get<ListView>("lvCompListView").MultiSelect());
    EXPECT_EQ(controls.Get<ListView>("lvDictListView").Style(), ViewStyle::Icon);
}

TEST_F(MainControlsTest, GroupsKeepOneChoiceEachAndStartAsTheWindowOpens) {
    EXPECT_TRUE(controls.Get<ToolButton>("btnEbook").Down());
    EXPECT_EQ(controls.Get<ToolButton>("btnRecorder").ImageIndex(), 6);
    controls.Get<ToolButton>("btnFlash").SetDown(true);
    EXPECT_FALSE(controls.Get<ToolButton>("btnEbook").Down());
    EXPECT_FALSE(controls.Get<ToolButton>("tbAddrNew").Down()) << "editor buttons are no group";

    EXPECT_TRUE(controls.Get<SpeedButton>("sbUserECDict").Down());
    EXPECT_FALSE(controls.Get<ListView>("lvCEUserList").Visible());
    controls.Get<SpeedButton>("sbUserCEDict").SetDown(true);
    EXPECT_FALSE(controls.Get<SpeedButton>("sbUserECDict").Down());

    EXPECT_TRUE(controls.Get<RadioButton>("rbToDoType1").Checked());
    EXPECT_TRUE(controls.Get<RadioButton>("rbToDoPriority1").Checked());
    controls.Get<RadioButton>("rbToDoType3").SetChecked(true);
    controls.Get<RadioButton>("rbSync2").SetChecked(true);
    EXPECT_EQ(controls.Get<RadioGroup>("rgToDoType").CheckedIndex(), 2);
    EXPECT_EQ(controls.Get<RadioGroup>("rgToDoPriority").CheckedIndex(), 0);
    EXPECT_EQ(controls.Get<RadioGroup>("rgSync").CheckedIndex(), 1);

    EXPECT_EQ(controls.Get<ComboBox>("cbCategory").ItemCount(), 6);
    EXPECT_EQ(controls.Get<ComboBox>("cbScheAlarm").ItemCount(), 4);
    EXPECT_EQ(controls.Get<CheckList>("clbSyncData").ItemCount(), 5);
    const auto& grid = controls.Get<StringGrid>("sgClassTable");
    EXPECT_EQ(grid.ColCount(), 8);
    EXPECT_EQ(grid.RowCount(), 13);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_FALSE(controls.Get<ToolButton>("tbClassPaste").Enabled());
    EXPECT_FALSE(controls.Get<ToolButton>("btnDictUp").Enabled());
    EXPECT_FALSE(controls.Get<CheckBox>("cbScheLock").Visible());
    EXPECT_FALSE(controls.Get<CheckBox>("cbToDoLock").Visible());

    const auto& status = controls.Get<StatusBar>("stbMain");
    ASSERT_EQ(status.PanelCount(), 4);
    EXPECT_EQ(status.Panel(0).width, 250);
    EXPECT_EQ(status.Panel(1).width, 450);
    EXPECT_EQ(status.Panel(2).width, 230);
    EXPECT_EQ(status.Panel(3).width, 80);
}

// The compact layout packs these rows from the left, so they must stand in one line, in this
// order, without overlapping.
TEST_F(MainControlsTest, RowsThatTheCompactLayoutPacksStandInOrder) {
    const std::vector<std::vector<const char*>> rows{
        {"lblAddrName", "edtName", "lblAddrCategory", "cbCategory", "lblAddrHEmail", "edtEmail"},
        {"lblAddrMobile1", "edtMobile1", "lblAddrMobile2", "edtMobile2", "lblAddrHPhone",
         "edtHPhone"},
        {"lblAddrHFax", "edtHFax", "lblAddrHAddress", "edtHAddress"},
        {"lblAddrOffice", "edtOffice", "lblAddrTitle", "edtTitle"},
        {"lblAddrOPhone", "edtOPhone", "lblAddrOFax", "edtOFax"},
        {"lblAddrOAddress", "edtOAddress"},
        {"lblUserHeadword", "edtUserHeadword", "lblUserPartOfSpeech", "edtUserPartOfSpeech"},
        {"tbAddrSeparator", "tbAddrAuthority"},
        {"tbScheSeparator", "tbScheAuthority"},
    };
    for (const auto& row : rows) {
        for (std::size_t index = 1; index < row.size(); ++index) {
            const Control& before = *controls.FindControl(row[index - 1]);
            const Control& after = *controls.FindControl(row[index]);
            EXPECT_EQ(after.Top(), before.Top()) << row[index];
            EXPECT_EQ(after.Parent(), before.Parent()) << row[index];
            EXPECT_GE(after.Left(), before.Left() + before.Width()) << row[index];
        }
    }
    EXPECT_TRUE(controls.Get<ToolButton>("tbAddrSeparator").IsSeparator());
    const Control& category = controls.Get<ComboBox>("cbCategory");
    const Control& lock = controls.Get<CheckBox>("cbAddrLock");
    EXPECT_EQ(lock.Left(), category.Left());
    EXPECT_GT(lock.Top(), controls.Get<EditField>("edtHAddress").Top());
}

TEST_F(MainControlsTest, HintsAreLanguageKeysAndFollowTheAddressColumns) {
    std::ifstream keysFile(ZYNTRA_LANG_KEYS);
    ASSERT_TRUE(keysFile) << ZYNTRA_LANG_KEYS;
    std::set<std::string> keys;
    for (std::string line; std::getline(keysFile, line);) {
        keys.insert(line);
    }
    for (const Control* control : controls.All()) {
        if (!control->Hint().empty()) {
            EXPECT_EQ(keys.count(control->Hint()), 1u)
                << control->Name() << " hint " << control->Hint();
        }
    }
    const std::vector<const char*> addressFields{
        "edtName",   "cbCategory", "edtEmail",    "edtMobile1", "edtMobile2",
        "edtHPhone", "edtHFax",    "edtHAddress", "edtOffice",  "edtTitle",
        "edtOPhone", "edtOFax",    "edtOAddress"};
    for (std::size_t index = 0; index < addressFields.size(); ++index) {
        EXPECT_EQ(controls.FindControl(addressFields[index])->Hint(),
                  "SC_ADDR_COL" + std::to_string(index + 2));
    }
    EXPECT_EQ(controls.Get<ToolButton>("btnDictPaste").Hint(), "RC_BTN_PASTE2_HINT");
    EXPECT_EQ(controls.Get<SpeedButton>("sbSync").Hint(), "RC_SB_SYNC_HINT");
}

TEST_F(MainControlsTest, DescriptionListsEveryControlWithTypeAndParent) {
    const std::string text = DescribeControls(controls);
    std::istringstream lines(text);
    std::vector<std::string> all;
    for (std::string line; std::getline(lines, line);) {
        all.push_back(line);
    }
    ASSERT_EQ(all.size(), controls.All().size());
    EXPECT_EQ(all.front(), "dfmMain Form -");
    EXPECT_NE(text.find("\nrbSync1 RadioButton rgSync\n"), std::string::npos);
    EXPECT_NE(text.find("\nreClassNote MultiLineEdit tabClass\n"), std::string::npos);
    EXPECT_NE(text.find("\nCompSeparator1 MenuItem pmCompMenu\n"), std::string::npos);
}

} // namespace
} // namespace zyntra
