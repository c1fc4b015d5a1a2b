#pragma once

#include "exchange/exchange_record.h"
#include "personal/record_fields.h"
#include "texts/charset_converter.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace zyntra::test {

// The text of a file under tests/exchange/fixtures.
std::string ReadFixture(const std::string& name);

// A text written here in UTF-8, in the charset.
std::string InCharset(const std::string& utf8, const std::string& charset);

// The record's values by field name, as a comparison wants them.
std::map<std::string, ExchangeValue> ValueMap(const ExchangeRecord& record);

// A record of the kind made of the values, as an import would make it: texts converted from
// UTF-8 into `charset`. A value that names no field, has the wrong type or cannot be converted
// fails the test.
template <class R>
R RecordOf(const ExchangeRecord& read, const RecordFields<R>& table, const std::string& charset) {
    const CharsetConverter fromUtf8(charset, "UTF-8");
    R record{};
    if constexpr (requires { record.alarm_BStime; })
        record.alarm_BStime = -1;
    for (const auto& [name, value] : read.values) {
        const Field<R>& field = table[name];
        if (field.integer != nullptr && std::holds_alternative<long long>(value)) {
            record.*field.integer = static_cast<int>(std::get<long long>(value));
            continue;
        }
        const std::string* text = std::get_if<std::string>(&value);
        if (field.text == nullptr || text == nullptr) {
            ADD_FAILURE() << name << " has a value of the wrong type";
            continue;
        }
        std::optional<std::string> converted = fromUtf8.Convert(*text);
        EXPECT_TRUE(converted.has_value()) << name << ": " << *text;
        record.*field.text = converted.value_or("");
    }
    return record;
}

// Fails the test for each member of the two records that differs, but the named ones.
template <class R>
void ExpectSameMembers(const R& expected, const R& actual, const RecordFields<R>& table,
                       std::initializer_list<std::string_view> except) {
    for (const Field<R>& field : table.Except(except)) {
        if (field.integer != nullptr) {
            EXPECT_EQ(expected.*field.integer, actual.*field.integer) << field.name;
        } else if (field.text != nullptr) {
            EXPECT_EQ(expected.*field.text, actual.*field.text) << field.name;
        }
    }
}

// Whether one of the notes holds `part`.
bool Noted(const std::vector<std::string>& notes, const std::string& part);

} // namespace zyntra::test
