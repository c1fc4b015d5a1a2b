#include "exchange/record_format.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

namespace zyntra {
namespace {

struct Read {
    std::string error;
    std::vector<ImportedRecord> records;
};

Read ReadJson(const std::string& text) {
    std::istringstream in(text);
    Read read;
    read.error = ReadRecords(in, RecordFormat::Json, FieldsOf(RecordKind::AddressBook),
                             [&](ImportedRecord&& record) { read.records.push_back(record); });
    return read;
}

using Values = std::vector<std::pair<std::string, FieldValue>>;

TEST(RecordFormatJson, RecordsArriveInOrderWithTheirValuesTyped) {
    Read read = ReadJson(R"([{"name": "Ann", "category": 2, "locked": 18446744073709551615},
                              {"note": "x", "name": "Bob", "note": "last", "email": ""}, {}])");
    EXPECT_EQ(read.error, "");
    ASSERT_EQ(read.records.size(), 3u);
    EXPECT_EQ(read.records[0].values,
              (Values{{"name", "Ann"}, {"category", 2LL}, {"locked", -1LL}}));
    // A repeated name keeps its first place and takes the last value, as a JSON object does.
    EXPECT_EQ(read.records[1].values, (Values{{"note", "last"}, {"name", "Bob"}, {"email", ""}}));
    EXPECT_TRUE(read.records[2].values.empty());
}

TEST(RecordFormatJson, TheFirstFaultIsReportedAndInputThatIsNoJsonComesFirst) {
    struct Case {
        const char* text;
        const char* error;
    };
    for (const Case& c : {
             Case{R"([{"name": "A"}, 5, {"nick": 1}])", "record 2: not a JSON object"},
             Case{R"([{"name": "A"}, [{"name": "B"}]])", "record 2: not a JSON object"},
             Case{R"([{"name": "A", "nick": [1], "category": "x"}])",
                  "record 1: unknown field \"nick\""},
             Case{R"([{"category": {"a": 1}, "nick": 1}])",
                  "record 1: field \"category\" has a value of the wrong type"},
             Case{R"([{"category": "x", "category": 3}, {"name": 1.5}])",
                  "record 2: field \"name\" has a value of the wrong type"},
             Case{R"([{"locked": true}])",
                  "record 1: field \"locked\" has a value of the wrong type"},
             Case{R"([{"nick": 1}, {"name": )", "the input is not valid JSON"},
             Case{"", "the input is not valid JSON"},
             Case{R"([] [])", "the input is not valid JSON"},
             Case{R"({"name": "A"})", "the input must be a JSON array of records"},
             Case{R"("name")", "the input must be a JSON array of records"},
         }) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadJson(c.text).error, c.error);
    }
    // Nothing is handed over from a document that is no array.
    EXPECT_TRUE(ReadJson(R"({"a": {"name": "A"}})").records.empty());
}

TEST(RecordFormatCsv, RowsArriveAsRecordsAndEmptyCellsAreLeftOut) {
    std::istringstream in("name,category,note\r\nAnn,2,\r\nBob,,hi\r\n");
    std::vector<ImportedRecord> records;
    EXPECT_EQ(ReadRecords(in, RecordFormat::Csv, FieldsOf(RecordKind::AddressBook),
                          [&](ImportedRecord&& record) { records.push_back(record); }),
              "");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].values, (Values{{"name", "Ann"}, {"category", 2LL}}));
    EXPECT_EQ(records[1].values, (Values{{"name", "Bob"}, {"note", "hi"}}));
}

TEST(RecordFormatCsv, TheFirstFaultIsReportedAndTextThatIsNoCsvComesFirst) {
    struct Case {
        const char* text;
        const char* error;
        std::size_t handedOver;
    };
    for (const Case& c : {
             Case{"name,category\r\nAnn,1\r\nBob,x\r\nCy\r\n",
                  "record 2: field \"category\" must be an integer", 1},
             Case{"name,category\r\nAnn,1\r\nBob\r\nCy,x\r\n",
                  "record 2: has 1 columns, the header 2", 1},
             Case{"name,nick\r\nAnn,A\r\n", "unknown column \"nick\"", 0},
             Case{"name,category\r\nBob,x\r\n\"open",
                  "the input is not valid CSV: line 3: a quoted field is not closed", 0},
             Case{"", "the CSV input has no header row", 0},
         }) {
        SCOPED_TRACE(c.text);
        std::istringstream in(c.text);
        std::size_t handedOver = 0;
        EXPECT_EQ(ReadRecords(in, RecordFormat::Csv, FieldsOf(RecordKind::AddressBook),
                              [&](ImportedRecord&&) { ++handedOver; }),
                  c.error);
        EXPECT_EQ(handedOver, c.handedOver);
    }
}

// The output of a writer given these rows, read back from a memory stream.
std::string Written(RecordFormat format, const std::vector<FieldInfo>& fields,
                    const std::vector<std::vector<FieldValue>>& rows) {
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* out = open_memstream(&buffer, &size);
    RecordWriter writer(out, format, fields);
    for (const auto& row : rows)
        writer.Write(row);
    writer.Finish();
    std::fclose(out);
    std::string text(buffer, size);
    std::free(buffer);
    return text;
}

// The export writes record by record; what it writes must stay what the whole document
// dumped at once gave, which other tools and older scripts have read.
TEST(RecordWriter, JsonIsWhatAWholeArrayDumpWrites) {
    const std::vector<FieldInfo> fields = {{"id", FieldType::Integer}, {"note", FieldType::Text}};
    const std::vector<std::vector<FieldValue>> rows = {
        {1LL, std::string("two\nlines, \"quoted\"")},
        {-7LL, std::string("\xE4\xB8\xAD bad byte \xFF")},
        {0LL, std::string()}};
    using Json = nlohmann::ordered_json;
    Json whole = Json::array();
    for (const auto& row : rows)
        whole.push_back(
            Json{{"id", std::get<long long>(row[0])}, {"note", std::get<std::string>(row[1])}});
    EXPECT_EQ(Written(RecordFormat::Json, fields, rows),
              whole.dump(2, ' ', false, Json::error_handler_t::replace) + "\n");
    EXPECT_EQ(Written(RecordFormat::Json, fields, {}), Json::array().dump(2) + "\n");

    EXPECT_EQ(Written(RecordFormat::Csv, fields, {rows[0], rows[2]}),
              "id,note\r\n1,\"two\nlines, \"\"quoted\"\"\"\r\n0,\r\n");
}

} // namespace
} // namespace zyntra
