#pragma once

#include "personal/record_fields.h"
#include "storage/db.h"
#include "storage/db_statement.h"
#include "tests/personal/fuzzed_texts.h"
#include "tests/support/personal_db_fixture.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace zyntra::test {

// The text fields of a table that a user's texts go into: every text but the stamp, which
// SQLite writes.
template <class Record> std::vector<const Field<Record>*> UserTexts(const RecordFields<Record>& t) {
    std::vector<const Field<Record>*> texts;
    for (const Field<Record>& field : t.fields)
        if (field.text != nullptr && field.name != kStampColumn)
            texts.push_back(&field);
    return texts;
}

// Whether a statement is short enough to run; a longer one is refused and reported.
inline bool Fits(const BoundStatement& statement) {
    return statement.Text().size() <= kMaxStatementLength;
}

// A text shown with its bytes escaped, for failure messages.
std::string Escaped(const std::string& bytes);

// Each user text of `back` equals that of `original` byte for byte, or `back` is read-only.
// The result is whether it was read-only.
template <class Record>
bool ExpectSameTextsOrReadOnly(const RecordFields<Record>& table, const Record& original,
                               const Record& back, const std::string& what) {
    if (back.stored.readOnly)
        return true;
    for (const Field<Record>* field : UserTexts(table))
        EXPECT_EQ(Escaped(original.*field->text), Escaped(back.*field->text))
            << what << ", field " << field->name;
    return false;
}

// A key not seen before, told apart as the databases tell keys apart (ASCII case folded).
class UniqueKeys {
public:
    bool Take(const std::string& key);

private:
    std::set<std::string> taken_;
};

// Every row of every personal table of the device, as stored; dictionary rows without their
// row number, which each rebuild gives anew.
using DeviceTables = std::map<std::string, std::vector<FixtureRow>>;
DeviceTables ReadDeviceTables(const std::string& slot1, const std::string& slot2,
                              const std::string& slot3);

// Every table holds the same rows, value for value.
void ExpectSameTables(const DeviceTables& expected, const DeviceTables& actual);

// The three interface charsets the round trips run in, named for the tests' names.
inline auto InterfaceCharsets() {
    return ::testing::Values("ARMSCII-8", "BIG5", "GB2312");
}
inline std::string CharsetTestName(const ::testing::TestParamInfo<const char*>& info) {
    std::string name = info.param;
    name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
    return name;
}

} // namespace zyntra::test
