#include "texts/lang_text.h"
#include "app/main_window.h"
#include "kit/controls.h"
#include "platform/input_methods.h"
#include "platform/registry.h"
#include "platform/shell_folders.h"
#include "platform/volumes.h"
#include "tests/support/program_folder_fixture.h"
#include "tests/ui/qt_test_app.h"
#include "ui/binder/window_binder.h"
#include "ui/forms/main_window_widget.h"
#include "ui/text_codec.h"
#include "tests/support/ui_doubles.h"

#include <QDir>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
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
          window(ui.Services(), {registry, volumes, inputMethods, folders}, screen) {
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
    HeadlessUiServices ui;
    TdfmMain window;
};

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
    auto& mainPages = window.Controls().Get<PageControl>("pgcMain");
    auto& dataPages = window.Controls().Get<PageControl>("pgcDataSet");
    auto& editors = window.Controls().Get<PageControl>("pgcPIMPage");
    mainPages.SetActivePageIndex(1);
    const char* editorShots[] = {"address_book_page", "schedule_page", "todo_page", "class_page",
                                 "user_dict_page"};
    auto& addresses = window.Controls().Get<ListView>("lvAddrList");
    addresses.OnData = [](int row) {
        return ListRow{{"", row == 1 ? " *" : "", "Name " + std::to_string(row + 1), "Friend",
                        "name@example.org", "0912 345 678"}};
    };
    addresses.SetRowCount(3);
    for (int page = 0; page < 5; ++page) {
        editors.SetActivePageIndex(page);
        EXPECT_EQ(widget.findChild<QTabWidget*>("pgcPIMPage")->currentIndex(), page);
        Save(widget, editorShots[page]);
    }
    dataPages.SetActivePageIndex(1);
    Save(widget, "sync_page");
    EXPECT_TRUE(ui.messages.Shown().empty()) << ui.messages.Shown().front().text;

    EXPECT_TRUE(window.FormClose());
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
