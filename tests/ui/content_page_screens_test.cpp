// The content page in the real window with files on both sides: every category shows its
// files on the computer and on the device, and each is saved as a screenshot.

#include "app/main_window.h"
#include "kit/controls.h"
#include "platform/input_methods.h"
#include "platform/registry.h"
#include "platform/shell_folders.h"
#include "tests/content/media_files.h"
#include "tests/support/device_fixture.h"
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
#include <QToolButton>
#include <QTreeView>
#include <filesystem>
#include <gtest/gtest.h>

namespace zyntra {
namespace {

namespace fs = std::filesystem;
using test::WriteFile;

std::string TaggedSong(const std::string& title, const std::string& artist) {
    return std::string(400, 'm') + test::Id3v1Block("TAG", title, artist);
}

std::string Book(const std::string& title, const std::string& subClass) {
    test::TrailerFields fields;
    fields.bookMainClass = "B";
    fields.bookSubClass = subClass;
    fields.englishTitle = title;
    fields.traditionalTitle = title;
    return std::string(2000, 'b') + test::EbookTrailerBytes(fields);
}

struct CategoryShot {
    const char* button;
    const char* shot;
};

constexpr CategoryShot kShots[] = {
    {"btnEbook", "content_ebook"},       {"btnMp3Music", "content_music"},
    {"btnEAlbum", "content_album"},      {"btnDigitalContents", "content_video"},
    {"btnFlash", "content_flash"},       {"btnWriter", "content_writer"},
    {"btnRecorder", "content_recorder"},
};

class ContentPageScreensTest : public test::ProgramFolderTest {
protected:
    ContentPageScreensTest()
        : drives(volumes), folders(drives.Outside() + "Desktop", drives.Outside() + "Documents"),
          window(ui.Services(), {registry, volumes, inputMethods, folders, fileOperations},
                 {1280, 1024}) {
        test::EnsureQtApplication();
        computer = drives.AddPlainDrive("computer", VolumeType::Fixed);
        device = drives.AddInternalMemory(
            "device", test::DeviceHeader("SHOT-0001", DriveKind::InternalMemory));
        FillComputer();
        FillDevice();
        window.SetSettingsPath(drives.Outside() + "Zyntra.ini");
    }

    void FillComputer() {
        WriteFile(computer + "tales.dbk", Book("Tales of Two Rivers", "03"));
        WriteFile(computer + "river.mp3", TaggedSong("River Song", "Mei Lin"));
        WriteFile(computer + "river.lrc", "[00:01]words");
        WriteFile(computer + "harbour.jpg", std::string(3000, 'j'));
        WriteFile(computer + "trip.mp4", std::string(5000, 'v'));
        WriteFile(computer + "quiz.swf", std::string(900, 's'));
        WriteFile(computer + "notes.txt", "lesson notes");
        WriteFile(computer + "lecture.wav", std::string(2500, 'w'));
    }

    void FillDevice() {
        for (const char* folder :
             {"EBOOK/DICTIONARY", "MUSIC/Classics", "PICTURE", "VIDEO", "FLASH", "TEXT", "RECORD"})
            fs::create_directories(device + folder);
        WriteFile(device + "EBOOK/DICTIONARY/words.dbk", Book("Word Book", "01"));
        WriteFile(device + "MUSIC/Classics/morning.mp3", TaggedSong("Morning", "Quartet"));
        WriteFile(device + "PICTURE/cat.png", std::string(1001, 'p'));
        WriteFile(device + "VIDEO/lesson.avi", std::string(7000, 'a'));
        WriteFile(device + "FLASH/game.swf", std::string(999, 'f'));
        WriteFile(device + "TEXT/welcome.txt", "welcome");
        WriteFile(device + "RECORD/memo.wav", std::string(1000, 'r'));
    }

    BinderHooks Hooks() {
        return {[this](const std::string& key) { window.SetCurrentHint(key); },
                [this] { return window.TranslateHint(); },
                {},
                [](const std::string& key) { return ShortHintPart(LangText(key)); }};
    }

    void Start(MainWindowWidget& widget, WindowBinder& binder) {
        EXPECT_TRUE(binder.Bind().empty());
        ASSERT_TRUE(window.FormCreate())
            << (ui.messages.Shown().empty() ? std::string("no message")
                                            : ui.messages.Shown().front().text);
        binder.RefreshHintTexts();
        widget.resize(1024, 768);
        widget.show();
        window.Show();
        test::ProcessEvents();
        // Report view on both sides, so the screenshots show titles, artists and sizes.
        for (const char* view : {"btnCompView", "btnDictView"})
            for (int click = 0; click < 3; ++click)
                widget.findChild<QToolButton*>(view)->click();
        test::ProcessEvents();
    }

    // Each category button in turn: one file on each side, drawn, and saved.
    void ShowEveryCategory(MainWindowWidget& widget, const std::string& suffix) {
        auto* computerList = widget.findChild<QTreeView*>("lvCompListView");
        auto* deviceList = widget.findChild<QTreeView*>("lvDictListView");
        ASSERT_NE(computerList, nullptr);
        ASSERT_NE(deviceList, nullptr);
        for (const CategoryShot& category : kShots) {
            auto* button = widget.findChild<QToolButton*>(category.button);
            ASSERT_NE(button, nullptr) << category.button;
            button->click();
            test::ProcessEvents();
            EXPECT_TRUE(button->isChecked()) << category.button;
            EXPECT_EQ(computerList->model()->rowCount(), 1) << category.shot;
            EXPECT_EQ(deviceList->model()->rowCount(), 1) << category.shot;
            Save(widget, category.shot + suffix);
        }
    }

    void Save(QWidget& what, const std::string& name) {
        test::ProcessEvents();
        QDir().mkpath(QStringLiteral(ZYNTRA_SCREENSHOT_DIR));
        const QString path =
            QStringLiteral(ZYNTRA_SCREENSHOT_DIR "/%1.png").arg(QString::fromStdString(name));
        EXPECT_TRUE(what.grab().save(path)) << path.toStdString();
    }

    // The texts a list view shows in a row, column by column.
    static QStringList RowTexts(QTreeView* view, int row) {
        QStringList texts;
        for (int column = 0; column < view->model()->columnCount(); ++column)
            texts << view->model()->index(row, column).data().toString();
        return texts;
    }

    MemoryRegistry registry;
    MemoryVolumes volumes;
    test::FixtureDrives drives;
    MemoryInputMethods inputMethods{{}};
    MemorySpecialFolders folders;
    RecordingFileOperation fileOperations;
    HeadlessUiServices ui;
    TdfmMain window;
    std::string computer;
    std::string device;
};

TEST_F(ContentPageScreensTest, EveryCategoryShowsItsFilesOnBothSides) {
    registry.SetString(RegistryRoot::CurrentUser, "Control Panel\\International", "sLanguage",
                       "ENU");
    MainWindowWidget widget;
    const TextCodec codec("ISO-8859-1");
    WindowBinder binder(window.Controls(), widget, codec, Hooks());
    ASSERT_NO_FATAL_FAILURE(Start(widget, binder));
    ASSERT_NO_FATAL_FAILURE(ShowEveryCategory(widget, ""));

    widget.findChild<QToolButton*>("btnMp3Music")->click();
    test::ProcessEvents();
    const QStringList song = RowTexts(widget.findChild<QTreeView*>("lvCompListView"), 0);
    EXPECT_TRUE(song.contains("River Song")) << song.join('|').toStdString();
    EXPECT_TRUE(song.contains("Mei Lin")) << song.join('|').toStdString();
    const QStringList onDevice = RowTexts(widget.findChild<QTreeView*>("lvDictListView"), 0);
    EXPECT_TRUE(onDevice.contains("Morning")) << onDevice.join('|').toStdString();
    window.FormDestroy();
}

TEST_F(ContentPageScreensTest, TheMusicCategoryInTraditionalChinese) {
    registry.SetString(RegistryRoot::CurrentUser, "Control Panel\\International", "sLanguage",
                       "CHT");
    IniFile(folder_.File("Lang.ini")).WriteString("SetLanguage", "Language", "TChinese");
    MainWindowWidget widget;
    const TextCodec codec("BIG5");
    WindowBinder binder(window.Controls(), widget, codec, Hooks());
    ASSERT_NO_FATAL_FAILURE(Start(widget, binder));
    widget.findChild<QToolButton*>("btnMp3Music")->click();
    test::ProcessEvents();
    EXPECT_EQ(widget.findChild<QTreeView*>("lvDictListView")->model()->rowCount(), 1);
    Save(widget, "content_music_zh_TW");
    window.FormDestroy();
}

} // namespace
} // namespace zyntra
