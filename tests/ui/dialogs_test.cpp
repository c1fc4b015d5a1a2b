#include "tests/support/temp_dir.h"
#include "tests/ui/qt_test_app.h"
#include "texts/lang_text.h"
#include "ui/services/qt_ui_services.h"
#include "ui/text_codec.h"
#include "ui_password_dialog.h"
#include "ui_select_ime_dialog.h"
#include "ui_set_time24h_dialog.h"
#include "ui_set_time_dialog.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace zyntra {
namespace {

using test::QtTest;

// Acts on the modal window once it is up, as the user would.
void WhenShown(std::function<void(QWidget&)> act) {
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        act(*modal);
    });
}

class DialogsTest : public QtTest {
protected:
    TextCodec codec{"BIG5"};
    QtUiServices services{codec, "Vellmar Zyntra QX740 v1.0.3"};
};

TEST_F(DialogsTest, PasswordDialogHidesTheTextAndGivesItBackOnOk) {
    TPasswordDlg& dialog = services.dialogs.Password();
    EXPECT_EQ(dialog.size(), QSize(287, 114));
    EXPECT_EQ(dialog.Form().edtPassword->echoMode(), QLineEdit::Password);
    WhenShown([&](QWidget& shown) {
        EXPECT_EQ(&shown, &dialog);
        EXPECT_EQ(dialog.Form().lblPrompt->text(), QString::fromUtf8("\xE4\xB8\xAD"));
        EXPECT_EQ(dialog.Form().btnOK->text(), QStringLiteral("OK"));
        QTest::keyClicks(dialog.Form().edtPassword, QStringLiteral("s3cret"));
        EXPECT_EQ(dialog.Form().edtPassword->displayText(), QStringLiteral("******"));
        QTest::keyClick(dialog.Form().edtPassword, Qt::Key_Return); // OK is the default
    });
    const auto typed = services.dialogs.Run(DialogTexts{"Zyntra", "\xA4\xA4", "OK", "Cancel"});
    ASSERT_TRUE(typed.has_value());
    EXPECT_EQ(*typed, "s3cret");

    WhenShown([&](QWidget&) {
        EXPECT_TRUE(dialog.Form().edtPassword->text().isEmpty()); // nothing kept from before
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_FALSE(services.dialogs.Run(DialogTexts{"Zyntra", "?", "OK", "Cancel"}).has_value());
}

TEST_F(DialogsTest, InputMethodDialogOpensOnTheGivenItemAndReturnsTheChoice) {
    TSelectIMEDlg& dialog = services.dialogs.SelectIme();
    EXPECT_EQ(dialog.size(), QSize(385, 263));
    WhenShown([&](QWidget&) {
        EXPECT_EQ(dialog.Form().lbInputMethods->count(), 3);
        EXPECT_EQ(dialog.Form().lbInputMethods->currentRow(), 1);
        dialog.Form().lbInputMethods->setCurrentRow(2);
        dialog.Form().btnOK->click();
    });
    const auto chosen = services.dialogs.Run(DialogTexts{"Zyntra", "Choose", "OK", "Cancel"},
                                             {"Chewing", "Cangjie", "Pinyin"}, 1);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, 2);

    WhenShown([&](QWidget&) { dialog.Form().btnCancel->click(); });
    EXPECT_FALSE(services.dialogs.Run(DialogTexts{}, {"a", "b"}, 0).has_value());
}

TEST_F(DialogsTest, TheTwentyFourHourDialogReadsAndWritesItsFourLists) {
    WhenShown([&](QWidget& shown) {
        auto& form = services.dialogs.SetTime24H().Form();
        EXPECT_EQ(form.cbStartHour->count(), 24);
        EXPECT_EQ(form.cbStartMinute->itemText(11), QStringLiteral("55"));
        EXPECT_EQ(form.cbStartHour->currentIndex(), 10);
        EXPECT_EQ(form.cbStartMinute->currentIndex(), 7);
        EXPECT_EQ(form.lblEnd->text(), QStringLiteral("End"));
        form.cbEndHour->setCurrentIndex(17);
        QTest::keyClick(&shown, Qt::Key_Return);
    });
    const auto range = services.dialogs.Run(TimeDialogTexts{"Zyntra", "Start", "End", "OK", "No"},
                                            TimeRange{{10, 35}, {11, 0}});
    ASSERT_TRUE(range.has_value());
    EXPECT_EQ(*range, (TimeRange{{10, 35}, {17, 0}}));
}

TEST_F(DialogsTest, TheClassPeriodDialogUsesATwelveHourClock) {
    WhenShown([&](QWidget&) {
        auto& form = services.dialogs.SetTime().Form();
        EXPECT_EQ(form.cbStartHour->itemText(0), QStringLiteral("01"));
        EXPECT_EQ(form.cbStartHour->currentIndex(), -1); // hour 0 chooses no item
        EXPECT_EQ(form.cbEndHalf->currentIndex(), 1);
        form.btnOK->click();
    });
    const ClockTimeRange working{{0, 5, false}, {2, 15, true}};
    const auto range =
        services.dialogs.Run(TimeDialogTexts{"Zyntra", "S", "E", "OK", "No"}, working);
    ASSERT_TRUE(range.has_value());
    EXPECT_EQ(*range, working);
}

TEST_F(DialogsTest, MessageBoxesCarryTheTitleAndQuestionsAnswerOkOrCancel) {
    WhenShown([&](QWidget& shown) {
        auto& box = dynamic_cast<QMessageBox&>(shown);
        EXPECT_EQ(box.windowTitle(), QStringLiteral("Vellmar Zyntra QX740 v1.0.3"));
        EXPECT_EQ(box.text(), QString::fromUtf8("\xE4\xB8\xAD"));
        box.button(QMessageBox::Ok)->click();
    });
    services.messages.Show("\xA4\xA4");

    WhenShown([&](QWidget& shown) {
        auto& box = dynamic_cast<QMessageBox&>(shown);
        EXPECT_EQ(box.windowTitle(), QStringLiteral("ERROR"));
        box.button(QMessageBox::Cancel)->click();
    });
    EXPECT_FALSE(services.messages.AskCaptioned("ERROR", "Go on?"));
    WhenShown([&](QWidget& shown) { QTest::keyClick(&shown, Qt::Key_Return); });
    EXPECT_TRUE(services.messages.Ask("Go on?"));
}

TEST_F(DialogsTest, OkAndCancelSayTheLanguageFilesWordsOnceItIsOpen) {
    test::TempDir folder;
    const std::string path = folder.Path() + "Lang.ini";
    test::WriteFile(path, "[SetLanguage]\r\nLanguage=TChinese\r\n[TChinese]\r\n"
                          "SM_OK=\xBD\x54\xA9\x77\r\nSM_CANCEL=\xA8\xFA\xAE\xF8\r\n");
    const QString ok = QString::fromUtf8("\xE7\xA2\xBA\xE5\xAE\x9A");     // 確定
    const QString cancel = QString::fromUtf8("\xE5\x8F\x96\xE6\xB6\x88"); // 取消
    // Before the file is open a lookup gives "0", which no button may show.
    WhenShown([&](QWidget& shown) {
        auto& box = dynamic_cast<QMessageBox&>(shown);
        EXPECT_NE(box.button(QMessageBox::Ok)->text(), QStringLiteral("0"));
        EXPECT_NE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("0"));
        box.button(QMessageBox::Cancel)->click();
    });
    EXPECT_FALSE(services.messages.Ask("Go on?"));

    OpenLanguageFile(path);
    WhenShown([&](QWidget& shown) {
        auto& box = dynamic_cast<QMessageBox&>(shown);
        EXPECT_EQ(box.windowTitle(), QStringLiteral("Vellmar Zyntra QX740 v1.0.3"));
        EXPECT_EQ(box.button(QMessageBox::Ok)->text(), ok);
        EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), cancel);
        QTest::keyClick(&shown, Qt::Key_Escape);
    });
    EXPECT_FALSE(services.messages.Ask("Go on?"));
    WhenShown([&](QWidget& shown) {
        auto& box = dynamic_cast<QMessageBox&>(shown);
        EXPECT_EQ(box.button(QMessageBox::Ok)->text(), ok);
        box.button(QMessageBox::Ok)->click();
    });
    services.messages.Show("Done");
    CloseLanguageFile();
}

// Where the dialog, frame included, stands against the middle of its screen.
QPoint OffCentre(const QWidget& dialog) {
    return dialog.frameGeometry().center() - dialog.screen()->geometry().center();
}

TEST_F(DialogsTest, TimeAndPasswordDialogsOpenCentredOkIsDefaultAndEscapeCancels) {
    QWidget owner; // framed by the window system, as the main window is
    owner.show();
    services.CreateDialogs(&owner);
    const TimeDialogTexts times{"Period", "From", "To", "Fine", "Never mind"};
    const auto checkOpened = [&](QWidget& shown, QPushButton& ok, QPushButton& cancel) {
        EXPECT_LE(OffCentre(shown).manhattanLength(), 2)
            << OffCentre(shown).x() << "," << OffCentre(shown).y();
        EXPECT_TRUE(ok.isDefault());
        EXPECT_FALSE(cancel.isDefault());
        EXPECT_EQ(cancel.text(), QStringLiteral("Never mind"));
    };

    WhenShown([&](QWidget& shown) {
        auto& form = services.dialogs.SetTime().Form();
        checkOpened(shown, *form.btnOK, *form.btnCancel);
        EXPECT_EQ(shown.windowTitle(), QStringLiteral("Period"));
        EXPECT_EQ(form.lblStart->text(), QStringLiteral("From"));
        EXPECT_EQ(form.cbStartHalf->accessibleName(), QStringLiteral("From"));
        EXPECT_EQ(form.cbEndMinute->accessibleName(), QStringLiteral("To"));
        QTest::keyClick(form.cbStartHour, Qt::Key_Escape);
    });
    EXPECT_FALSE(services.dialogs.Run(times, ClockTimeRange{{8, 0, false}, {9, 0, false}}));
    WhenShown([&](QWidget&) {
        QTest::keyClick(services.dialogs.SetTime().Form().cbEndHour, Qt::Key_Return);
    });
    EXPECT_TRUE(services.dialogs.Run(times, ClockTimeRange{{8, 0, false}, {9, 0, false}}));

    WhenShown([&](QWidget& shown) {
        auto& form = services.dialogs.SetTime24H().Form();
        checkOpened(shown, *form.btnOK, *form.btnCancel);
        EXPECT_EQ(form.lblEnd->text(), QStringLiteral("To"));
        QTest::keyClick(form.cbEndMinute, Qt::Key_Escape);
    });
    EXPECT_FALSE(services.dialogs.Run(times, TimeRange{{8, 0}, {9, 0}}));

    WhenShown([&](QWidget& shown) {
        auto& form = services.dialogs.Password().Form();
        checkOpened(shown, *form.btnOK, *form.btnCancel);
        EXPECT_EQ(form.lblPrompt->text(), QStringLiteral("Password?"));
        EXPECT_EQ(form.edtPassword->accessibleName(), QStringLiteral("Password?"));
        QTest::keyClick(form.edtPassword, Qt::Key_Escape);
    });
    EXPECT_FALSE(services.dialogs.Run(DialogTexts{"Lock", "Password?", "Fine", "Never mind"}));
}

TEST_F(DialogsTest, TheWaitCursorNestsOverTheApplication) {
    services.waitCursor.Push();
    services.waitCursor.Push();
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    services.waitCursor.Pop();
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    services.waitCursor.Pop();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
} // namespace zyntra
