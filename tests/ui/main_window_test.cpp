#include "app/main_window.h"
#include "kit/controls.h"
#include "personal/personal_engine.h"
#include "platform/input_methods.h"
#include "platform/registry.h"
#include "platform/shell_folders.h"
#include "platform/volumes.h"
#include "tests/support/file_operation_double.h"
#include "tests/support/program_folder_fixture.h"
#include "tests/support/ui_doubles.h"
#include "tests/ui/qt_test_app.h"
#include "texts/ini_file.h"
#include "texts/lang_text.h"
#include "ui/binder/window_binder.h"
#include "ui/forms/main_window_widget.h"
#include "ui/text_codec.h"

#include <QDir>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeView>
#include <filesystem>
#include <gtest/gtest.h>

namespace zyntra {
namespace {

// The real window model in a program folder of its own, on a machine with no device.
class MainWindowTest : public test::ProgramFolderTest {
protected:
    explicit MainWindowTest(ScreenSize screen = {1280, 1024})
        : volumes(home.Path() + "volumes.txt"),
          folders(home.Path() + "Desktop", home.Path() + "Documents"),
          window(ui.Services(), {registry, volumes, inputMethods, folders, fileOperations}, screen) {
        test::EnsureQtApplication();
        std::filesystem::create_directories(home.Path() + "Desktop/Photos");
        std::filesystem::create_directories(home.Path() + "Documents/Books");
        test::WriteFile(home.Path() + "volumes.txt", "");
        registry.SetString(RegistryRoot::CurrentUser, "Control Panel\\International", "sLanguage",
                           "ENU");
        window.SetSettingsPath(home.Path() + "Zyntra.ini");
    }

    // Binds the window, runs the start-up and shows the window.
    void Start(MainWindowWidget& widget, WindowBinder& binder) {
        const std::vector<std::string> problems = binder.Bind();
        EXPECT_TRUE(problems.empty()) << problems.size() << " controls without a widget, first "
                                      << (problems.empty() ? "" : problems.front());
        ASSERT_TRUE(window.FormCreate())
            << (ui.messages.Shown().empty() ? std::string("no message")
                                            : ui.messages.Shown().front().text);
        binder.RefreshHintTexts();
        widget.show();
        window.Show();
        test::ProcessEvents();
    }

    BinderHooks Hooks() {
        return {[this](const std::string& key) { window.SetCurrentHint(key); },
                [this] { return window.TranslateHint(); },
                {},
                [](const std::string& key) { return ShortHintPart(LangText(key)); }};
    }

    void ShowEveryPage(MainWindowWidget& widget, const std::string& suffix);

    void Save(QWidget& what, const std::string& name) {
        test::ProcessEvents();
        QDir().mkpath(QStringLiteral(ZYNTRA_SCREENSHOT_DIR));
        const QString path =
            QStringLiteral(ZYNTRA_SCREENSHOT_DIR "/%1.png").arg(QString::fromStdString(name));
        EXPECT_TRUE(what.grab().save(path)) << path.toStdString();
    }

    test::TempDir home;
    MemoryRegistry registry;
    SimulatedVolumes volumes;
    MemoryInputMethods inputMethods{{}};
    MemorySpecialFolders folders;
    RecordingFileOperation fileOperations;
    HeadlessUiServices ui;
    TdfmMain window;
};

// A few records of every kind, their texts given in UTF-8 and stored in the window's charset.
void LoadSampleRecords(RecordLists& lists, const TextCodec& codec, bool chinese) {
    const auto text = [&](const char* english, const char* utf8Chinese) {
        return codec.FromQString(QString::fromUtf8(chinese ? utf8Chinese : english));
    };
    for (int i = 0; i < 3; ++i) {
        auto contact = std::make_unique<ADDRESSBOOK>();
        contact->name = text(i == 0   ? "Alice Chen"
                             : i == 1 ? "Bob Lin"
                                      : "Carol Wang",
                             i == 0   ? "陳愛麗"
                             : i == 1 ? "林大同"
                                      : "王小明");
        contact->category = i;
        contact->email = "name" + std::to_string(i) + "@example.org";
        contact->mobile1 = "0912 345 67" + std::to_string(i);
        contact->locked = i == 1 ? 1 : 0;
        lists.AddrList.push_back(std::move(contact));
    }
    lists.ScheList.push_back(
        std::make_unique<SCHEDULE>(SCHEDULE{.date = "2026/12/10",
                                            .start_time = "09:00",
                                            .end_time = "10:30",
                                            .content = text("Dentist", "看牙醫"),
                                            .alarm_BStime = 30,
                                            .alarm = 2}));
    lists.ScheList.push_back(std::make_unique<SCHEDULE>(SCHEDULE{
        .date = "2026/12/24", .content = text("Christmas Eve", "平安夜"), .alarm_BStime = -1}));
    lists.ToDoList.push_back(std::make_unique<PLANS>(
        PLANS{.date = "2026/12/12", .content = text("Return books", "還書"), .priority = 1}));
    lists.ToDoList.push_back(std::make_unique<PLANS>(
        PLANS{.date = "2026/12/20", .content = text("Buy a gift", "買禮物"), .status = 1}));
    lists.classGrid[0][0].abbreviation = text("Math", "數學");
    lists.classGrid[1][2].abbreviation = text("Eng", "英文");
    for (const char* word : {"ice cream", "notebook"}) {
        auto entry = std::make_unique<ECUSER>();
        entry->hw_name = word;
        entry->type = "n.";
        entry->exp = text(word, word[0] == 'i' ? "冰淇淋" : "筆記本");
        lists.ECUserList.push_back(std::move(entry));
    }
}

// Clicks through every editor page with records in memory: each list shows its records
// (fetched through the model as the view draws them) and the status line counts them.
void MainWindowTest::ShowEveryPage(MainWindowWidget& widget, const std::string& suffix) {
    auto& mainPages = window.Controls().Get<PageControl>("pgcMain");
    auto& dataPages = window.Controls().Get<PageControl>("pgcDataSet");
    auto& editors = window.Controls().Get<PageControl>("pgcPIMPage");
    const auto& status = window.Controls().Get<StatusBar>("stbMain");
    mainPages.SetActivePageIndex(1);
    const struct {
        const char* shot;
        const char* list;
        int rows;
    } pages[] = {{"address_book_page", "lvAddrList", 3},
                 {"schedule_page", "lvScheList", 2},
                 {"todo_page", "lvToDoList", 2},
                 {"class_page", nullptr, 84},
                 {"user_dict_page", "lvECUserList", 2}};
    for (int page = 0; page < 5; ++page) {
        editors.SetActivePageIndex(page);
        EXPECT_EQ(widget.findChild<QTabWidget*>("pgcPIMPage")->currentIndex(), page);
        if (pages[page].list != nullptr) {
            auto* view = widget.findChild<QTreeView*>(pages[page].list);
            ASSERT_NE(view, nullptr) << pages[page].list;
            EXPECT_EQ(view->model()->rowCount(), pages[page].rows) << pages[page].list;
        }
        EXPECT_EQ(status.PanelText(2), FormatCount(LangText("SM_RecCount"), pages[page].rows))
            << pages[page].shot;
        Save(widget, pages[page].shot + suffix);
    }
    dataPages.SetActivePageIndex(1);
    Save(widget, "sync_page" + suffix);
}

TEST_F(MainWindowTest, StartsBoundAndShowsEveryPage) {
    MainWindowWidget widget;
    const TextCodec codec("ARMSCII-8");
    WindowBinder binder(window.Controls(), widget, codec, Hooks());
    ASSERT_NO_FATAL_FAILURE(Start(widget, binder));

    EXPECT_EQ(widget.windowTitle(), QStringLiteral("Zyntra"));
    EXPECT_EQ(widget.frameGeometry().size(), QSize(1024, 768));
    EXPECT_EQ(widget.frameGeometry().topLeft(), QPoint(128, 128)); // centred on 1280 x 1024
    EXPECT_FALSE(widget.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(widget.findChild<QTabWidget*>("pgcMain")->tabText(0),
              QString::fromStdString(LangText("RC_TAB_DOWNLOAD")));
    EXPECT_TRUE(widget.findChild<QToolButton*>("btnEbook")->isChecked());
    // A few rows, so that the columns and pictures can be judged.
    auto& files = window.Controls().Get<ListView>("lvCompListView");
    files.OnData = [](int row) {
        return ListRow{{"Lesson " + std::to_string(row + 1) + ".mp3", "Title", "Artist", "mp3"}, 1};
    };
    files.SetRowCount(6);
    Save(widget, "content_page");
    LoadSampleRecords(window.Personal().Lists(), codec, false);
    ASSERT_NO_FATAL_FAILURE(ShowEveryPage(widget, ""));
    EXPECT_TRUE(ui.messages.Shown().empty()) << ui.messages.Shown().front().text;

    EXPECT_TRUE(window.FormClose());
    window.FormDestroy();
}

TEST_F(MainWindowTest, EveryPageInTraditionalChinese) {
    registry.SetString(RegistryRoot::CurrentUser, "Control Panel\\International", "sLanguage",
                       "CHT");
    IniFile(folder_.File("Lang.ini")).WriteString("SetLanguage", "Language", "TChinese");
    MainWindowWidget widget;
    const TextCodec codec("BIG5");
    WindowBinder binder(window.Controls(), widget, codec, Hooks());
    ASSERT_NO_FATAL_FAILURE(Start(widget, binder));
    Save(widget, "content_page_zh_TW");
    LoadSampleRecords(window.Personal().Lists(), codec, true);
    ASSERT_NO_FATAL_FAILURE(ShowEveryPage(widget, "_zh_TW"));
    auto* names = widget.findChild<QTreeView*>("lvAddrList");
    EXPECT_EQ(names->model()->index(2, 2).data().toString(), QString::fromUtf8("王小明"));
    window.FormDestroy();
}

class CompactMainWindowTest : public MainWindowTest {
protected:
    CompactMainWindowTest() : MainWindowTest({800, 600}) {}
};

TEST_F(CompactMainWindowTest, ASmallScreenGetsTheCompactLayout) {
    MainWindowWidget widget;
    const TextCodec codec("ARMSCII-8");
    WindowBinder binder(window.Controls(), widget, codec, Hooks());
    ASSERT_NO_FATAL_FAILURE(Start(widget, binder));
    EXPECT_EQ(widget.frameGeometry(), QRect(0, 0, 800, 600));
    // The compact layout narrowed the name field, and the widget followed.
    EXPECT_EQ(widget.findChild<QWidget*>("edtName")->width(), 200 * 78 / 100);
    Save(widget, "content_page_800x600");
    window.Controls().Get<PageControl>("pgcMain").SetActivePageIndex(1);
    Save(widget, "address_book_page_800x600");
    window.FormDestroy();
}

} // namespace
} // namespace zyntra
