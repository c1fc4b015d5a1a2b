#include "exchange/content_lines.h"

#include <gtest/gtest.h>

namespace zyntra::test {
namespace {

TEST(ContentLines, FoldingKeepsCharactersWholeAndUnfoldsToTheSameLine) {
    // Three-byte characters after an odd prefix put a character across every 75th byte.
    std::string line = "NOTE:x";
    for (int i = 0; i < 100; ++i)
        line += "備註";
    line += "end";
    const std::string folded = FoldLine(line);
    std::size_t at = 0;
    int physical = 0;
    while (at < folded.size()) {
        const std::size_t end = folded.find("\r\n", at);
        ASSERT_NE(end, std::string::npos);
        EXPECT_LE(end - at, 75u);
        // No physical line starts inside a character: after the fold's space comes a lead byte.
        if (physical++ > 0) {
            EXPECT_NE(static_cast<unsigned char>(folded[at + 1]) & 0xC0, 0x80);
        }
        at = end + 2;
    }
    EXPECT_GT(physical, 8);
    ContentLines read = ReadContentLines(folded, false);
    ASSERT_EQ(read.error, "");
    ASSERT_EQ(read.lines.size(), 1u);
    EXPECT_EQ("NOTE:" + read.lines[0].value, line);
    EXPECT_EQ(FoldLine("FN:short"), "FN:short\r\n");
}

TEST(ContentLines, GroupsParametersAndLineEndsAreRead) {
    ContentLines read = ReadContentLines("item1.tel;type=\"voice,home\";PREF=1:+1 555\n"
                                         "ADR;WORK;LABEL=\"a;b:c\":;;x\r\n"
                                         "\r\n"
                                         "NOTE;ENCODING=QUOTED-PRINTABLE:a=\r\n"
                                         "b=\n"
                                         "c\n"
                                         "X:ends with =\n"
                                         " more\n",
                                         true);
    ASSERT_EQ(read.error, "");
    ASSERT_EQ(read.lines.size(), 4u);
    const ContentLine& tel = read.lines[0];
    EXPECT_EQ(tel.group, "item1");
    EXPECT_EQ(tel.name, "TEL");
    EXPECT_TRUE(tel.HasType("HOME"));
    EXPECT_TRUE(tel.HasType("Voice"));
    EXPECT_FALSE(tel.HasType("WORK"));
    EXPECT_EQ(tel.ParamValues("PREF"), std::vector<std::string>{"1"});
    EXPECT_EQ(tel.value, "+1 555");
    const ContentLine& adr = read.lines[1];
    EXPECT_TRUE(adr.HasType("work"));
    EXPECT_EQ(adr.ParamValues("LABEL"), std::vector<std::string>{"a;b:c"});
    EXPECT_EQ(adr.value, ";;x");
    EXPECT_EQ(read.lines[2].lineNumber, 4u);
    EXPECT_EQ(read.lines[2].value, "abc"); // soft line breaks of QUOTED-PRINTABLE
    EXPECT_EQ(read.lines[3].value, "ends with =more");
}

TEST(ContentLines, EscapingRoundTripsEveryCharacterThatNeedsIt) {
    const std::string text = "a\\b,c;d\ne\r\nf\\n:\"g\"";
    EXPECT_EQ(EscapeText(text), "a\\\\b\\,c\\;d\\ne\\nf\\\\n:\"g\"");
    EXPECT_EQ(UnescapeText(EscapeText(text)), "a\\b,c;d\ne\nf\\n:\"g\"");
    EXPECT_EQ(UnescapeText("x\\Ny\\:z\\"), "x\ny:z\\");
    EXPECT_EQ(SplitEscaped("a\\;b;c\\\\;;d", ';'),
              (std::vector<std::string>{"a\\;b", "c\\\\", "", "d"}));
}

TEST(ContentLines, BlocksMustNestAndClose) {
    auto fault = [](const char* text) {
        ContentLines read = ReadContentLines(text, false);
        EXPECT_EQ(read.error, "");
        return BlockFault(read.lines);
    };
    EXPECT_EQ(fault("BEGIN:A\nBEGIN:B\nEND:B\nEND:a\nBEGIN:A\nEND:A\n"), "");
    EXPECT_EQ(fault("BEGIN:A\nBEGIN:B\nEND:A\n"), "line 3: END:A closes BEGIN:B of line 2");
    EXPECT_EQ(fault("BEGIN:A\nX:1\n"), "line 1: BEGIN:A has no END:A");
    EXPECT_EQ(fault("X:1\nBEGIN:A\nEND:A\n"), "line 1: X stands outside any BEGIN ... END");
    EXPECT_EQ(fault("END:A\n"), "line 1: END stands outside any BEGIN ... END");
}

} // namespace
} // namespace zyntra::test
