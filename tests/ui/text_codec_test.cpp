#include "tests/ui/qt_test_app.h"
#include "ui/text_codec.h"

#include <gtest/gtest.h>

namespace zyntra {
namespace {

const QString kChinese = QString::fromUtf8("\xE4\xB8\xAD\xE6\x96\x87"); // the word "Chinese"
const QChar kReplacement(0xFFFD);

TEST(TextCodecTest, RoundTripsTheThreeInterfaceCharsets) {
    const TextCodec big5("BIG5");
    const TextCodec gb2312("GB2312");
    const TextCodec armscii("ARMSCII-8");
    ASSERT_TRUE(big5.Valid() && gb2312.Valid() && armscii.Valid());

    EXPECT_EQ(big5.FromQString(kChinese), "\xA4\xA4\xA4\xE5");
    EXPECT_EQ(big5.ToQString("\xA4\xA4\xA4\xE5"), kChinese);
    EXPECT_EQ(gb2312.FromQString(kChinese), "\xD6\xD0\xCE\xC4");
    EXPECT_EQ(gb2312.ToQString("\xD6\xD0\xCE\xC4"), kChinese);

    const std::string ascii = "Ice cream 100% don't, a-z A-Z 0-9 ~!@#$^&*()";
    EXPECT_EQ(armscii.FromQString(armscii.ToQString(ascii)), ascii);
    EXPECT_EQ(big5.ToQString("abc 123"), QStringLiteral("abc 123"));
    EXPECT_EQ(armscii.ToQString(""), QString());
}

TEST(TextCodecTest, GarbageShowsReplacementsAndNeverStops) {
    const TextCodec big5("BIG5");
    // A lead byte with an invalid trail, an invalid byte, then text; a lead byte cut off last.
    const QString shown = big5.ToQString(std::string("\xA4\x20\xFF"
                                                     "ok\xA4",
                                                     6));
    EXPECT_TRUE(shown.contains(kReplacement));
    EXPECT_TRUE(shown.contains(QStringLiteral("ok")));
    EXPECT_TRUE(shown.endsWith(kReplacement));

    std::string noise;
    for (int i = 0; i < 4096; ++i) {
        noise += static_cast<char>((i * 37 + 11) & 0xFF);
    }
    for (const char* charset : {"BIG5", "GB2312", "ARMSCII-8"}) {
        const TextCodec codec(charset);
        EXPECT_FALSE(codec.ToQString(noise).isEmpty()) << charset;
    }
}

TEST(TextCodecTest, CharactersTheCharsetLacksBecomeQuestionMarks) {
    const TextCodec gb2312("GB2312");
    const TextCodec armscii("ARMSCII-8");
    EXPECT_EQ(gb2312.FromQString(QString::fromUtf8("a\xE2\x82\xAC"
                                                   "b")),
              "a?b"); // euro sign
    EXPECT_EQ(armscii.FromQString(kChinese + QStringLiteral("x")), "??x");
}

TEST(TextCodecTest, UnknownCharsetFallsBackToLatin1) {
    const TextCodec unknown("NO-SUCH-CHARSET");
    EXPECT_FALSE(unknown.Valid());
    EXPECT_EQ(unknown.ToQString("abc\xE9"), QString::fromUtf8("abc\xC3\xA9"));
    EXPECT_EQ(unknown.FromQString(QStringLiteral("abc")), "abc");
}

} // namespace
} // namespace zyntra
