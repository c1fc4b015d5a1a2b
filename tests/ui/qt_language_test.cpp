#include "tests/ui/qt_test_app.h"
#include "ui/application.h"
#include "ui/qt_language.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimeEdit>
#include <gtest/gtest.h>

namespace zyntra {
namespace {

using test::QtTest;

class QtLanguageTest : public QtTest {
protected:
    ~QtLanguageTest() override {
        QLocale::setDefault(localeBefore);
        QCoreApplication::setApplicationName(nameBefore);
    }

    static QString QtCancel() { return QCoreApplication::translate("QPlatformTheme", "Cancel"); }

    const QLocale localeBefore;
    const QString nameBefore = QCoreApplication::applicationName();
};

TEST_F(QtLanguageTest, TheProgramHasANameAndNoDisplayNameToAppendToCaptions) {
    NameApplication();
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Zyntra"));
    // Unset, the display name follows the application name; once set, it would stand alone
    // and be appended to every window's caption.
    QCoreApplication::setApplicationName(QStringLiteral("renamed"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("renamed"));
}

TEST_F(QtLanguageTest, QtsOwnTextsCalendarAndHalfDaysFollowTheLanguageSection) {
    EXPECT_EQ(LocaleOfLanguageSection("TChinese").name(), QStringLiteral("zh_TW"));
    EXPECT_EQ(LocaleOfLanguageSection("SChinese").name(), QStringLiteral("zh_CN"));
    EXPECT_EQ(LocaleOfLanguageSection("English").name(), QStringLiteral("en_US"));
    EXPECT_EQ(LocaleOfLanguageSection("").name(), QStringLiteral("en_US"));
    const QString englishCancel = QtCancel();
    {
        QtLanguage language;
        ASSERT_TRUE(language.Apply("TChinese"));
        EXPECT_EQ(QtCancel(), QString::fromUtf8("\xE5\x8F\x96\xE6\xB6\x88")); // 取消
        QTimeEdit period;
        period.setDisplayFormat(QStringLiteral("hh:mm AP"));
        period.setTime(QTime(9, 5));
        EXPECT_EQ(period.text(), QString::fromUtf8("09:05 \xE4\xB8\x8A\xE5\x8D\x88")); // 上午
        const QCalendarWidget calendar;
        EXPECT_EQ(calendar.locale().name(), QStringLiteral("zh_TW"));

        ASSERT_TRUE(language.Apply("SChinese"));
        EXPECT_EQ(QLocale().name(), QStringLiteral("zh_CN"));
        EXPECT_EQ(QtCancel(), QString::fromUtf8("\xE5\x8F\x96\xE6\xB6\x88"));

        language.Apply("English");
        EXPECT_EQ(QtCancel(), QStringLiteral("Cancel"));
        EXPECT_EQ(QLocale().pmText(), QStringLiteral("PM"));
        ASSERT_TRUE(language.Apply("TChinese"));
    }
    EXPECT_EQ(QtCancel(), englishCancel); // the translation goes with its owner
}

} // namespace
} // namespace zyntra
