#include "app/main_window_state.h"
#include "kit/controls.h"
#include "personal/personal_engine.h"
#include "storage/database_files.h"
#include "tests/support/charset.h"
#include "tests/support/main_window_fixture.h"
#include "texts/lang_text.h"
#include "tests/support/ui_doubles.h"

#include <filesystem>

namespace zyntra {
namespace {

using test::FileExists;
using test::ReadFile;
using test::WriteFile;

class MainWindowTest : public ::testing::Test {
protected:
    template <class T> T& Get(const char* name) {
        return harness_.Window().Controls().Get<T>(name);
    }
    std::string Caption(const char* name) { return Get<CaptionedControl>(name).Caption(); }
    const std::vector<ShownMessage>& Shown() { return harness_.ui.messages.Shown(); }
    void WriteLang(const std::string& text) { WriteFile(harness_.Folder().File("Lang.ini"), text); }

    test::MainWindowHarness harness_;
};

TEST_F(MainWindowTest, StartUpAppliesTextsDefaultsAndFreshWorkingCopies) {
    WriteFile(WorkingCopyPath(1), "left by an earlier run");
    ASSERT_TRUE(harness_.Create());
    EXPECT_TRUE(Shown().empty());

    EXPECT_EQ(Get<Form>("dfmMain").Caption(), "Zyntra");
    EXPECT_EQ(Caption("tabFile"), LangText("RC_TAB_DOWNLOAD"));
    EXPECT_FALSE(Caption("tabFile").empty());
    EXPECT_EQ(Caption("lblAddrName"), LangText("RC_LBL_ADDR_NAME"));
    EXPECT_EQ(Get<ListView>("lvAddrList").Column(14).caption, LangText("SC_ADDR_COL14"));
    EXPECT_EQ(Get<ComboBox>("cbScheAlarm").Items().at(3), LangText("SM_AdvanceBy60Min"));
    EXPECT_EQ(Get<CheckList>("clbSyncData").Item(4).caption, LangText("RC_TAB_USERDICT"));
    EXPECT_EQ(static_cast<MenuItem*>(Get<PopupMenu>("pmCompMenu").Children()[9])->Caption(),
              LangText("RC_BTN_DOWNLOAD"));
    EXPECT_EQ(static_cast<MenuItem*>(Get<PopupMenu>("pmDictMenu").Children()[8])->Caption(),
              LangText("RC_BTN_UPLOAD"));

    CheckList& kinds = Get<CheckList>("clbSyncData");
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(kinds.Checked(i)) << i;
    EXPECT_TRUE(Get<RadioButton>("rbSync3").Checked());
    EXPECT_FALSE(Get<RadioButton>("rbSync1").Checked());
    EXPECT_TRUE(Get<SpeedButton>("sbUserECDict").Down());
    EXPECT_FALSE(Get<Control>("lvCEUserList").Visible());
    EXPECT_EQ(Get<PageControl>("pgcMain").ActivePageIndex(), 0);

    const auto& shell = harness_.Window().Shell();
    const ClassGrid& grid = harness_.Window().Personal().Lists().classGrid;
    EXPECT_EQ(grid[6][11].classLabel, FormatCount(LangText("SM_ClassNo"), 12));
    EXPECT_EQ(grid[2][0].weekdayLabel, LangText("SM_Wednesday"));
    EXPECT_EQ(shell.texts.categoryNames[5], LangText("SM_Others"));
    EXPECT_EQ(shell.inputMethods.imeChoice, -1);
    EXPECT_EQ(ReadFile(WorkingCopyPath(1)), ReadFile(TemplatePath(1)));
    for (const char* icon : {"Desktop.ico", "Computer.ico", "Personal.ico", "File.ico"})
        EXPECT_TRUE(FileExists(harness_.Folder().File(icon))) << icon;
}

TEST_F(MainWindowTest, AMissingRequiredFileStopsWithTheMessageOfTheSystemLanguage) {
    harness_.SetRegionalSetting("CHT");
    std::filesystem::remove(harness_.Folder().File("kvdb.dll"));
    EXPECT_FALSE(harness_.Create());
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(test::ToUtf8("BIG5", Shown()[0].text), "遺失重要檔案，請重新安裝！");
    EXPECT_FALSE(LanguageFileOpen());
}

TEST_F(MainWindowTest, ARegionalSettingThatCannotBeReadGivesEnglish) {
    harness_.SetRegionalSetting(std::nullopt);
    std::filesystem::remove(harness_.Folder().File("iconv.dll"));
    EXPECT_FALSE(harness_.Create());
    ASSERT_EQ(Shown().size(), 2u);
    EXPECT_EQ(Shown()[0].text, "Error opening key");
    EXPECT_EQ(Shown()[1].text, "Lost important files, please reinstall ...");
}

TEST_F(MainWindowTest, OnlyAScreenShortOfBothSizesStops) {
    harness_.SetScreen({640, 480});
    EXPECT_FALSE(harness_.Create());
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].text, "The screen resolution is at least 800 * 600!");

    test::MainWindowHarness wide;
    wide.SetScreen({1024, 480});
    EXPECT_TRUE(wide.Create());
}

TEST_F(MainWindowTest, AMissingTextSectionGivesEmptyTextsAndEditsShowInTheNextLookup) {
    WriteLang("[SetLanguage]\nLanguage=Nowhere\n[English]\nRC_TAB_DOWNLOAD=Files\n");
    ASSERT_TRUE(harness_.Create());
    EXPECT_EQ(Caption("tabFile"), "");
    EXPECT_EQ(Get<ListView>("lvAddrList").Column(1).caption, "");

    WriteLang("[SetLanguage]\nLanguage=English\n[English]\nRC_TAB_DOWNLOAD=Files\n");
    EXPECT_EQ(LangText("RC_TAB_DOWNLOAD"), "Files");
    EXPECT_EQ(Caption("tabFile"), ""); // captions stay as they were applied
}

TEST_F(MainWindowTest, SettingsFileCannotMoveTheWindowOnALargeScreen) {
    WriteFile(harness_.SettingsPath(),
              "[MainForm]\nTop=5\nLeft=7\nWidth=500\nHeight=300\nWindowState=2\n");
    ASSERT_TRUE(harness_.Create());
    const Form& form = Get<Form>("dfmMain");
    EXPECT_EQ(form.GetBounds(), (Bounds{128, 128, 1024, 768}));
    EXPECT_EQ(form.State(), WindowState::Maximized);

    Get<Form>("dfmMain").SetBounds({128, 128, 1200, 900});
    EXPECT_EQ(form.Width(), 1024);
    EXPECT_EQ(form.Height(), 768);
}

TEST_F(MainWindowTest, SmallScreenGetsTheWholeScreenAndTheCompactLayout) {
    harness_.SetScreen({800, 600});
    const int nameWidth = Get<Control>("edtName").Width();
    const int ecLeft = Get<Control>("sbUserECDict").Left();
    ASSERT_TRUE(harness_.Create());
    EXPECT_EQ(Get<Form>("dfmMain").GetBounds(), (Bounds{0, 0, 800, 600}));
    const Control& name = Get<Control>("edtName");
    EXPECT_EQ(name.Width(), static_cast<int>(nameWidth * 0.78));
    EXPECT_EQ(Get<Control>("lblAddrCategory").Left(), name.Left() + name.Width());
    const Control& category = Get<Control>("cbCategory");
    EXPECT_EQ(Get<Control>("cbAddrLock").Left(), category.Left());
    const Control& fax = Get<Control>("edtOFax");
    const Control& address = Get<Control>("edtOAddress");
    EXPECT_EQ(address.Left() + address.Width(), fax.Left() + fax.Width());
    EXPECT_EQ(Get<Control>("sbUserECDict").Left(), static_cast<int>(ecLeft * 0.78));
    EXPECT_EQ(Get<StringGrid>("sgClassTable").DefaultColWidth(), 39);

    // Smaller than 1024 x 768 by code: held at the screen size.
    Get<Form>("dfmMain").SetBounds({0, 0, 700, 500});
    EXPECT_EQ(Get<Form>("dfmMain").GetBounds(), (Bounds{0, 0, 800, 600}));
}

TEST_F(MainWindowTest, DestroySavesThePlacementAndRemovesTheIcons) {
    ASSERT_TRUE(harness_.Create());
    harness_.Window().FormDestroy();
    EXPECT_TRUE(harness_.Window().Closing());
    EXPECT_EQ(LangText("SM_OK"), "0");
    for (const char* icon : {"Desktop.ico", "Computer.ico", "Personal.ico", "File.ico"})
        EXPECT_FALSE(FileExists(harness_.Folder().File(icon))) << icon;
    const std::string saved = ReadFile(harness_.SettingsPath());
    EXPECT_NE(saved.find("Top=128"), std::string::npos) << saved;
    EXPECT_NE(saved.find("Width=1024"), std::string::npos) << saved;
    EXPECT_NE(saved.find("WindowState=0"), std::string::npos) << saved;
}

TEST_F(MainWindowTest, StatusLineShowsTheCategoryCountsAndHintParts) {
    WriteLang("[SetLanguage]\nLanguage=English\n[English]\nSM_EbookFile=E-books|E-book files\n"
              "SM_Empty=Personal data\nSM_FileCount=%d files\nSM_RecCount=%d records\n"
              "RC_BTN_UP_HINT=Up|Go to the parent folder\n");
    ASSERT_TRUE(harness_.Create());
    TdfmMain& window = harness_.Window();
    StatusBar& status = Get<StatusBar>("stbMain");
    ASSERT_EQ(status.PanelCount(), 4);

    window.Shell().shownFileCount = 12;
    window.SetCurrentHint("RC_BTN_UP_HINT");
    EXPECT_EQ(status.PanelText(0), "E-book files");
    EXPECT_EQ(status.PanelText(1), "Go to the parent folder");
    EXPECT_EQ(status.PanelText(2), "12 files");
    EXPECT_EQ(status.PanelText(3), "V1.0.3");
    EXPECT_EQ(window.TranslateHint(), "Up");

    // A hint key without a text: no status text and no tip.
    window.SetCurrentHint("RC_BTN_VIEW_HINT");
    EXPECT_EQ(status.PanelText(1), "");
    EXPECT_EQ(window.TranslateHint(), "");

    Get<PageControl>("pgcMain").SetActivePageIndex(1);
    window.Shell().statusRecordCount = 7;
    window.UpdateStatusLine();
    EXPECT_EQ(status.PanelText(0), "Personal data");
    EXPECT_EQ(status.PanelText(2), "7 records");
    Get<PageControl>("pgcDataSet").SetActivePageIndex(1);
    window.UpdateStatusLine();
    EXPECT_EQ(status.PanelText(2), "");
    EXPECT_EQ(window.Shell().statusRecordCount, 0);
}

TEST_F(MainWindowTest, ShowingTheEditorsChoosesAnInputMethodOnceAndFocusSwitchesToIt) {
    harness_.inputMethods = std::make_unique<MemoryInputMethods>(
        std::vector<InputMethod>{{0x04090409, "US keyboard", "", InputMethodFramework::None},
                                 {0xE0010409, "Handwriting", "hw", InputMethodFramework::IBus},
                                 {0xE0020409, "Voice", "voice", InputMethodFramework::IBus}});
    harness_.registry.SetString(RegistryRoot::LocalMachine,
                                "SYSTEM\\ControlSet001\\Control\\Keyboard Layouts\\E0010409",
                                "Layout Text", "Handwriting");
    harness_.registry.SetString(RegistryRoot::LocalMachine,
                                "SYSTEM\\ControlSet001\\Control\\Keyboard Layouts\\E0020409",
                                "Layout Text", "Voice");
    // The plain keyboard of an English system is offered too (its high half is above 0x0404);
    // its registry key is missing here, which is reported and leaves its name empty.
    ASSERT_TRUE(harness_.Create());
    harness_.ui.inputMethodDialog.QueueChoice(2);

    Get<PageControl>("pgcMain").SetActivePageIndex(1);
    ASSERT_EQ(harness_.ui.inputMethodDialog.Requests().size(), 1u);
    EXPECT_EQ(harness_.ui.inputMethodDialog.Requests()[0].names,
              (std::vector<std::string>{"", "Handwriting", "Voice"}));
    EXPECT_EQ(harness_.ui.inputMethodDialog.Requests()[0].texts.caption, "Zyntra");
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].text, "Error opening key");
    EXPECT_EQ(Get<EditField>("edtName").InputMethod(), "Voice");
    // The address book's texts get it; its numbers and its e-mail field keep the keyboard.
    EXPECT_EQ(Get<EditField>("edtOAddress").InputMethod(), "Voice");
    EXPECT_EQ(Get<EditField>("edtEmail").InputMethod(), "");
    // Each editor page gives its fields the input method when it shows.
    EXPECT_EQ(Get<EditField>("edtUserHeadword").InputMethod(), "");
    Get<PageControl>("pgcPIMPage").SetActivePageIndex(4);
    for (const char* field : {"edtUserHeadword", "edtUserPartOfSpeech", "reUserContent"})
        EXPECT_EQ(Get<EditField>(field).InputMethod(), "Voice") << field;
    Get<PageControl>("pgcPIMPage").SetActivePageIndex(0);

    ASSERT_TRUE(Get<EditField>("edtName").SetFocus());
    EXPECT_EQ(harness_.inputMethods->Activated(), (std::vector<std::string>{"Voice"}));

    Get<PageControl>("pgcMain").SetActivePageIndex(0);
    Get<PageControl>("pgcMain").SetActivePageIndex(1);
    EXPECT_EQ(harness_.inputMethods->Activated().size(), 1u);
    EXPECT_EQ(harness_.ui.inputMethodDialog.Requests().size(), 1u); // chosen once per run
}

} // namespace
} // namespace zyntra
