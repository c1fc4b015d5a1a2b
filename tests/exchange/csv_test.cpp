#include "exchange/csv.h"

#include <gtest/gtest.h>

namespace zyntra {
namespace {

TEST(Csv, AwkwardFieldsSurviveARoundTrip) {
    const std::vector<CsvRow> rows = {
        {"id", "name", "note"},
        {"1", "Chen, Alice", "said \"hi\""},
        {"2", "", "two\r\nlines"},
        {"3", " padded ", "\xe7\x8e\x8b\xe5\xb0\x8f\xe6\x98\x8e"},
    };
    std::string text;
    for (const CsvRow& row : rows)
        text += WriteCsvRow(row);
    EXPECT_EQ(WriteCsvRow(rows[1]), "1,\"Chen, Alice\",\"said \"\"hi\"\"\"\r\n");
    CsvTable table = ReadCsv(text);
    ASSERT_EQ(table.error, "");
    EXPECT_EQ(table.rows, rows);
}

TEST(Csv, ReadsLineEndingsAByteOrderMarkAndEmptyFields) {
    CsvTable table = ReadCsv("\xEF\xBB\xBF"
                             "a,b\n,\r\nx,\"\"");
    ASSERT_EQ(table.error, "");
    EXPECT_EQ(table.rows, (std::vector<CsvRow>{{"a", "b"}, {"", ""}, {"x", ""}}));
    EXPECT_TRUE(ReadCsv("").rows.empty());
}

TEST(Csv, MalformedTextIsAnErrorNamingTheLineAndGivesNoRows) {
    CsvTable open = ReadCsv("a,b\n1,\"never closed\n");
    EXPECT_TRUE(open.rows.empty());
    EXPECT_NE(open.error.find("line 2"), std::string::npos) << open.error;
    EXPECT_NE(ReadCsv("a,b\"c\n").error, "");
    EXPECT_NE(ReadCsv("\"a\"b,c\n").error, "");
}

} // namespace
} // namespace zyntra
