#include "storage/text_conv.h"
#include "tests/support/program_folder_fixture.h"
#include "tests/support/temp_dir.h"
#include "tests/ui/qt_test_app.h"
#include "texts/lang_text.h"
#include "ui/services/qt_file_operation.h"
#include "ui/text_codec.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace zyntra {
namespace {

using test::FileExists;
using test::ReadFile;
using test::WriteFile;

// Acts on the widget once find gives it, looking again every few milliseconds: the engine may
// still be between two boxes when the timer first fires.
template <typename Widget>
void WhenFound(std::function<Widget*()> find, std::function<void(Widget&)> act, int tries = 500) {
    QTimer::singleShot(10, [find, act, tries] {
        if (Widget* widget = find())
            return act(*widget);
        if (tries == 0)
            return ADD_FAILURE() << "the expected window never came up";
        WhenFound(find, act, tries - 1);
    });
}

void WhenBoxShown(const QString& name, std::function<void(QMessageBox&)> act) {
    WhenFound<QMessageBox>(
        [name]() -> QMessageBox* {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            return box != nullptr && box->objectName() == name && box->isVisible() ? box : nullptr;
        },
        std::move(act));
}

QPushButton* ButtonNamed(QMessageBox& box, const char* name) {
    return box.findChild<QPushButton*>(QString::fromLatin1(name));
}

void Save(QWidget& what, const char* name) {
    QDir().mkpath(QStringLiteral(ZYNTRA_SCREENSHOT_DIR));
    EXPECT_TRUE(what.grab().save(QStringLiteral(ZYNTRA_SCREENSHOT_DIR "/%1.png").arg(name)));
}

// Counts the progress dialogs shown, and acts on each just after it came up: the engine lets
// posted events through right after it shows the dialog.
class ProgressWatcher : public QObject {
public:
    ProgressWatcher() { qApp->installEventFilter(this); }
    ~ProgressWatcher() override { qApp->removeEventFilter(this); }

    int shown = 0;
    std::function<void(QProgressDialog&)> act;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* progress = qobject_cast<QProgressDialog*>(watched);
        if (event->type() != QEvent::Show || progress == nullptr)
            return false;
        ++shown;
        if (act)
            QMetaObject::invokeMethod(
                progress, [this, progress] { act(*progress); }, Qt::QueuedConnection);
        return false;
    }
};

class QtFileOperationTest : public test::QtTest {
protected:
    QtFileOperationTest() { OpenLanguageFile(test::BuiltProgramFolder() + "Lang.ini"); }
    ~QtFileOperationTest() override { CloseLanguageFile(); }

    std::vector<std::string> Sources(int count, const std::string& stem) {
        std::vector<std::string> paths;
        for (int i = 1; i <= count; ++i) {
            paths.push_back(from_ + stem + std::to_string(i) + ".mp3");
            WriteFile(paths.back(), "new " + std::to_string(i));
        }
        return paths;
    }
    FileOpResult Copy(std::vector<std::string> sources) {
        return operation_.Run({FileOpKind::Copy, std::move(sources), to_, "Zyntra"});
    }
    QString Text(const char* key) { return codec_.ToQString(LangText(key)); }

    test::TempDir dir_;
    std::string from_ = dir_.Path() + "from/";
    std::string to_ = dir_.Path() + "MUSIC/";
    TextCodec codec_{InterfaceCharset("ENU")};
    QtFileOperation operation_{codec_, "Vellmar Zyntra"};
};

TEST_F(QtFileOperationTest, ClashBoxAnswersOneFileOrAllOfThem) {
    auto sources = Sources(3, "song");
    for (int i = 1; i <= 3; ++i)
        WriteFile(to_ + "song" + std::to_string(i) + ".mp3", "old");

    int asked = 0;
    WhenBoxShown(QStringLiteral("FileClashBox"), [&](QMessageBox& box) {
        ++asked;
        EXPECT_EQ(box.windowTitle(), QStringLiteral("Zyntra"));
        EXPECT_TRUE(box.text().startsWith(Text("SM_FileOpClash")));
        EXPECT_TRUE(box.text().endsWith(QString::fromStdString(to_ + "song1.mp3")));
        EXPECT_EQ(box.checkBox()->text(), Text("SM_FileOpApplyAll"));
        EXPECT_EQ(ButtonNamed(box, "Replace")->text(), Text("SM_FileOpReplace"));
        Save(box, "file_clash_box");
        ButtonNamed(box, "Replace")->click();
    });
    WhenBoxShown(QStringLiteral("FileClashBox"), [&](QMessageBox& box) {
        ++asked;
        box.checkBox()->setChecked(true);
        ButtonNamed(box, "Skip")->click();
    });
    FileOpResult result = Copy(sources);
    EXPECT_EQ(asked, 2) << "Skip for all answers the third clash";
    EXPECT_EQ(result.done, 1u);
    EXPECT_EQ(result.skipped, 2u);
    EXPECT_EQ(ReadFile(to_ + "song1.mp3"), "new 1");
    EXPECT_EQ(ReadFile(to_ + "song2.mp3"), "old");
    EXPECT_EQ(ReadFile(to_ + "song3.mp3"), "old");

    WhenBoxShown(QStringLiteral("FileClashBox"), [](QMessageBox& box) {
        box.checkBox()->setChecked(true);
        ButtonNamed(box, "Replace")->click();
    });
    result = Copy(sources);
    EXPECT_EQ(result.done, 3u);
    EXPECT_EQ(ReadFile(to_ + "song3.mp3"), "new 3");

    WriteFile(sources[0], "newer 1");
    WhenBoxShown(QStringLiteral("FileClashBox"),
                 [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    result = Copy(sources);
    EXPECT_TRUE(result.aborted) << "Escape is Cancel";
    EXPECT_EQ(ReadFile(to_ + "song1.mp3"), "new 1");
}

TEST_F(QtFileOperationTest, DeleteIsConfirmedOnceListingTheFirstDozenFiles) {
    auto sources = Sources(14, "track");
    QString text;
    WhenBoxShown(QStringLiteral("FileDeleteBox"), [&](QMessageBox& box) {
        text = box.text();
        box.button(QMessageBox::No)->click();
    });
    FileOpResult declined = operation_.Run({FileOpKind::Delete, sources, "", ""});
    EXPECT_TRUE(declined.aborted);
    EXPECT_TRUE(FileExists(sources[0]) && FileExists(sources[13]));

    EXPECT_TRUE(text.startsWith(Text("SM_FileOpDeleteAsk")));
    for (int i = 0; i < 12; ++i)
        EXPECT_TRUE(text.contains(QString::fromStdString(sources[i]))) << i;
    EXPECT_FALSE(text.contains(QString::fromStdString(sources[12])));
    EXPECT_TRUE(text.endsWith(QStringLiteral("\n... and 2 more"))) << text.toStdString();

    // A user who takes a while to answer sees the question alone: no progress comes up over it.
    ProgressWatcher watcher;
    int asked = 0;
    WhenBoxShown(QStringLiteral("FileDeleteBox"), [&](QMessageBox& box) {
        ++asked;
        QTest::qWait(900);
        EXPECT_EQ(watcher.shown, 0) << "a progress over the question";
        EXPECT_EQ(box.windowTitle(), QStringLiteral("Vellmar Zyntra")) << "a request without title";
        EXPECT_FALSE(box.text().contains(QStringLiteral("more")));
        Save(box, "file_delete_box");
        box.button(QMessageBox::Yes)->click();
    });
    FileOpResult deleted = operation_.Run({FileOpKind::Delete, {sources[0], sources[1]}, "", ""});
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(deleted.done, 2u);
    EXPECT_FALSE(FileExists(sources[0]) || FileExists(sources[1]));
}

TEST_F(QtFileOperationTest, ErrorBoxNamesTheFileAndSkipGoesOnWhileCancelStops) {
    auto sources = Sources(3, "clip");
    std::string missing = from_ + "gone.mp3";
    WhenBoxShown(QStringLiteral("FileErrorBox"), [&](QMessageBox& box) {
        EXPECT_TRUE(box.text().startsWith(Text("SM_FileOpError")));
        EXPECT_TRUE(box.text().contains(QString::fromStdString(missing)));
        ButtonNamed(box, "Skip")->click();
    });
    FileOpResult skipped = Copy({missing, sources[0]});
    EXPECT_FALSE(skipped.aborted);
    EXPECT_TRUE(FileExists(to_ + "clip1.mp3"));

    WhenBoxShown(QStringLiteral("FileErrorBox"),
                 [](QMessageBox& box) { box.button(QMessageBox::Cancel)->click(); });
    FileOpResult cancelled = Copy({missing, sources[1]});
    EXPECT_TRUE(cancelled.aborted);
    EXPECT_FALSE(FileExists(to_ + "clip2.mp3"));
}

TEST_F(QtFileOperationTest, ProgressShowsOnlyForWorkLongerThanAMomentAndCancelStopsIt) {
    auto sources = Sources(2, "tiny");
    ProgressWatcher watcher;
    // A moment longer than any machine takes for two tiny files, however busy it is.
    operation_.SetMoment(std::chrono::minutes(10));
    FileOpResult quick = Copy(sources);
    EXPECT_EQ(quick.done, 2u);
    test::ProcessEvents();
    EXPECT_EQ(watcher.shown, 0) << "a quick copy shows nothing";
    operation_.SetMoment(std::chrono::milliseconds(500));

    // A clash answered after a while makes the work long; the progress then shows and its
    // Cancel stops the copy of that file, which stays as it was.
    WriteFile(to_ + "tiny1.mp3", "old");
    QString label;
    watcher.act = [&](QProgressDialog& progress) {
        label = progress.labelText();
        EXPECT_EQ(progress.windowTitle(), QStringLiteral("Zyntra"));
        Save(progress, "file_progress_dialog");
        progress.cancel();
    };
    WhenBoxShown(QStringLiteral("FileClashBox"), [&](QMessageBox& box) {
        QTest::qWait(700);
        ButtonNamed(box, "Replace")->click();
    });
    FileOpResult cancelled = Copy(sources);
    EXPECT_EQ(watcher.shown, 1);
    EXPECT_TRUE(cancelled.aborted);
    EXPECT_EQ(cancelled.done, 0u);
    EXPECT_EQ(ReadFile(to_ + "tiny1.mp3"), "old");
    EXPECT_TRUE(label.startsWith(QStringLiteral("tiny1.mp3\n1 / 2"))) << label.toStdString();
}

TEST_F(QtFileOperationTest, ProgressStaysUpWhileTheWritesAreFinished) {
    auto sources = Sources(2, "long");
    WriteFile(to_ + "long1.mp3", "old");
    ProgressWatcher watcher;
    // What the dialog says each time the engine lets events through, to the last time.
    QString lastLabel;
    bool cancelShown = true;
    watcher.act = [&](QProgressDialog& progress) {
        auto* look = new QTimer(&progress);
        QObject::connect(look, &QTimer::timeout, [&, look] {
            auto& dialog = *static_cast<QProgressDialog*>(look->parent());
            lastLabel = dialog.labelText();
            cancelShown = dialog.findChild<QPushButton*>() != nullptr;
        });
        look->start(0);
    };
    WhenBoxShown(QStringLiteral("FileClashBox"), [&](QMessageBox& box) {
        QTest::qWait(700);
        ButtonNamed(box, "Replace")->click();
    });
    FileOpResult result = Copy(sources);
    EXPECT_EQ(result.done, 2u);
    EXPECT_EQ(watcher.shown, 1);
    EXPECT_EQ(lastLabel, Text("SM_FileOpFinishing"));
    EXPECT_FALSE(cancelShown) << "a flush cannot be cancelled";
}

} // namespace
} // namespace zyntra
