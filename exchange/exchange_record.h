#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace zyntra {

// One value as it crosses a file: an integer, or a text in UTF-8.
using ExchangeValue = std::variant<long long, std::string>;

// One record read from a vCard or iCalendar file, named by the fields of its kind's field
// table; fields it does not name take the values a new record gets.
struct ExchangeRecord {
    std::size_t lineNumber = 0; // where the record begins in its file
    std::vector<std::pair<std::string, ExchangeValue>> values;
    // What the file says of the record that no field holds, one entry each ("a second e-mail
    // bob@example.com").
    std::vector<std::string> unmapped;

    void Set(std::string field, ExchangeValue value) {
        values.emplace_back(std::move(field), std::move(value));
    }
    bool Has(const std::string& field) const {
        for (const auto& value : values)
            if (value.first == field)
                return true;
        return false;
    }
};

} // namespace zyntra
