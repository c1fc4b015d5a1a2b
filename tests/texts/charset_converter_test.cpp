#include "texts/charset_converter.h"

#include <gtest/gtest.h>

namespace zyntra {
namespace {

const std::string kChinese = "\xE4\xB8\xAD\xE6\x96\x87"; // the word "Chinese" in UTF-8
const std::string kChineseBig5 = "\xA4\xA4\xA4\xE5";
const std::string kChineseGb2312 = "\xD6\xD0\xCE\xC4";
const std::string kReplacement = "\xEF\xBF\xBD";
const std::string kEuro = "\xE2\x82\xAC";

TEST(CharsetConverterTest, Big5AndGb2312RoundTripAlsoPastOneBufferOfOutput) {
    for (const auto& [charset, encoded] :
         {std::pair{"BIG5", kChineseBig5}, std::pair{"GB2312", kChineseGb2312}}) {
        const CharsetConverter toCharset(charset, "UTF-8");
        const CharsetConverter toUtf8("UTF-8", charset);
        ASSERT_TRUE(toCharset.Valid() && toUtf8.Valid()) << charset;
        EXPECT_EQ(toCharset.Convert("a " + kChinese + " 1"), "a " + encoded + " 1") << charset;
        EXPECT_EQ(toUtf8.Convert(encoded), kChinese) << charset;
        EXPECT_EQ(toUtf8.Convert(""), "") << charset;

        std::string longText;
        for (int i = 0; i < 1500; ++i)
            longText += kChinese + std::to_string(i % 10);
        const std::optional<std::string> encodedLong = toCharset.Convert(longText);
        ASSERT_TRUE(encodedLong) << charset;
        EXPECT_EQ(encodedLong->size(), 1500u * 5);
        EXPECT_EQ(toUtf8.Convert(*encodedLong), longText) << charset;
        EXPECT_EQ(toUtf8.ConvertLenient(*encodedLong), longText) << charset;
    }
}

TEST(CharsetConverterTest, ACutOrInvalidSequenceFailsStrictlyAndIsReplacedLeniently) {
    const CharsetConverter big5("UTF-8", "BIG5");
    EXPECT_EQ(big5.Convert("ok\xA4"), std::nullopt);
    EXPECT_EQ(big5.ConvertLenient("ok\xA4"), "ok" + kReplacement);
    // The cut lead byte is not carried into the next text.
    EXPECT_EQ(big5.Convert("\xA4\xE5"), "\xE6\x96\x87");

    // A lead byte with an invalid trail, then a byte no sequence starts with.
    EXPECT_EQ(big5.Convert("\xA4 \xFFok"), std::nullopt);
    EXPECT_EQ(big5.ConvertLenient("\xA4 \xFFok"), kReplacement + " " + kReplacement + "ok");

    // UTF-8 that is no UTF-8: one '?' per bad byte, and the rest goes on.
    const CharsetConverter fromUtf8("GB2312", "UTF-8");
    EXPECT_EQ(fromUtf8.Convert("a\xFF" + kChinese), std::nullopt);
    EXPECT_EQ(fromUtf8.ConvertLenient("a\xFF" + kChinese), "a?" + kChineseGb2312);
    EXPECT_EQ(fromUtf8.ConvertLenient(kChinese.substr(0, 2)), "?");
    // A lead byte whose character is cut short by the next one.
    EXPECT_EQ(fromUtf8.ConvertLenient("\xE4\xB8" + kChinese), "?" + kChineseGb2312);
}

TEST(CharsetConverterTest, ACharacterTheCharsetCannotHoldGivesNothingOrOneQuestionMark) {
    const CharsetConverter gb2312("GB2312", "UTF-8");
    EXPECT_EQ(gb2312.Convert("a" + kEuro + "b"), std::nullopt);
    EXPECT_EQ(gb2312.ConvertLenient("a" + kEuro + "b"), "a?b");

    const CharsetConverter armscii("ARMSCII-8", "UTF-8");
    ASSERT_TRUE(armscii.Valid());
    EXPECT_EQ(armscii.Convert(kChinese), std::nullopt);
    EXPECT_EQ(armscii.ConvertLenient(kChinese + "x"), "??x");
    EXPECT_EQ(armscii.Convert("plain ascii"), "plain ascii");
}

TEST(CharsetConverterTest, AnUnknownCharsetConvertsNothingStrictlyAndPassesTextLeniently) {
    for (const CharsetConverter& unknown :
         {CharsetConverter("NO-SUCH-CHARSET", "UTF-8"), CharsetConverter("UTF-8", "NO-SUCH")}) {
        EXPECT_FALSE(unknown.Valid());
        EXPECT_EQ(unknown.Convert("abc"), std::nullopt);
        EXPECT_EQ(unknown.ConvertLenient("abc\xE9"), "abc\xE9");
    }
}

} // namespace
} // namespace zyntra
