#include "tests/personal/text_round_trip.h"

#include <cstdio>

namespace zyntra::test {

std::string Escaped(const std::string& bytes) {
    std::string shown;
    for (unsigned char c : bytes) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            shown += static_cast<char>(c);
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            shown += hex;
        }
    }
    return shown;
}

bool UniqueKeys::Take(const std::string& key) {
    std::string folded = key;
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return taken_.insert(folded).second;
}

DeviceTables ReadDeviceTables(const std::string& slot1, const std::string& slot2,
                              const std::string& slot3) {
    const std::string headwords = "select dict_id, hw_name, hw_match, type, exp from headword "
                                  "order by hw_name collate binary, type collate binary;";
    return {
        {"telephone", QueryRows(slot1, "select * from telephone order by id;")},
        {"schedule", QueryRows(slot1, "select * from schedule order by id;")},
        {"todolist", QueryRows(slot1, "select * from todolist order by id;")},
        {"classtable", QueryRows(slot1, "select id, weekday, class_no, abbreviation, course_name, "
                                        "teacher, place, note, color, locked, setting from "
                                        "classtable order by id;")},
        {"classtable stamps", QueryRows(slot1, "select stamp_time from classtable order by id;")},
        {"ec headword", QueryRows(slot2, headwords)},
        {"ce headword", QueryRows(slot3, headwords)},
    };
}

void ExpectSameTables(const DeviceTables& expected, const DeviceTables& actual) {
    for (const auto& [table, rows] : expected) {
        const std::vector<FixtureRow>& now = actual.at(table);
        EXPECT_EQ(now.size(), rows.size()) << table;
        for (std::size_t i = 0; i < std::min(now.size(), rows.size()); ++i)
            for (std::size_t c = 0; c < rows[i].size(); ++c)
                EXPECT_EQ(Escaped(now[i].at(c).value_or("NULL")),
                          Escaped(rows[i][c].value_or("NULL")))
                    << table << " row " << i << " column " << c;
    }
}

} // namespace zyntra::test
