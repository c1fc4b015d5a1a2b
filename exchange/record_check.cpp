#include "exchange/record_check.h"

#include "kit/date_time.h"
#include "personal/record_statements.h"

#include <algorithm>
#include <climits>
#include <initializer_list>
#include <optional>

namespace zyntra {
namespace {

// The number of `digits` decimal digits at `at`, nothing when one of them is no digit.
std::optional<int> Digits(std::string_view text, std::size_t at, std::size_t digits) {
    int value = 0;
    for (std::size_t i = at; i < at + digits; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

std::string Quoted(std::string_view field) {
    return "field \"" + std::string(field) + "\"";
}

std::string LengthFault(std::initializer_list<BoundStatement> statements) {
    std::size_t longest = 0;
    for (const BoundStatement& statement : statements)
        longest = std::max(longest, statement.Text().size());
    if (longest <= kMaxStatementLength)
        return {};
    return "its texts make a database statement of " + std::to_string(longest) +
           " characters, the device takes at most " + std::to_string(kMaxStatementLength);
}

// The longest id makes the longest statement.
template <class R> std::string ListFault(const ListStatements<R>& statements, const R& record) {
    const FieldValues values = WriterValues(statements.table, record, TextsIn::Utf8);
    return LengthFault({statements.Insert(INT_MAX, values), statements.Update(INT_MAX, values),
                        statements.Find(values)});
}

} // namespace

std::string StatementFault(const ADDRESSBOOK& record) {
    return ListFault(AddressBookStatements(), record);
}

std::string StatementFault(const SCHEDULE& record) {
    return ListFault(ScheduleStatements(), record);
}

std::string StatementFault(const PLANS& record) {
    return ListFault(ToDoStatements(), record);
}

std::string StatementFault(const CLASSTABLE& cell) {
    return LengthFault(
        {ClassCellUpdateStatement(INT_MAX, WriterValues(kClassTableFields, cell, TextsIn::Utf8))});
}

std::string StatementFault(const UserDictEntry& entry) {
    const FieldValues values = HeadwordValues(INT_MAX, entry, TextsIn::Utf8);
    return LengthFault({HeadwordInsertStatement(values), HeadwordUpdateStatement(INT_MAX, values),
                        HeadwordFindStatement(values)});
}

std::size_t CharacterCount(std::string_view utf8) {
    // Every character has exactly one byte that is no continuation byte (10xxxxxx).
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

bool IsStoredDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '/' || text[7] != '/')
        return false;
    const std::optional<int> year = Digits(text, 0, 4);
    const std::optional<int> month = Digits(text, 5, 2);
    const std::optional<int> day = Digits(text, 8, 2);
    return year && month && day && IsValidDate({*year, *month, *day});
}

bool IsStoredTime(std::string_view text) {
    if (text.size() != 5 || text[2] != ':')
        return false;
    const std::optional<int> hour = Digits(text, 0, 2);
    const std::optional<int> minute = Digits(text, 3, 2);
    return hour && minute && IsValidTime({*hour, *minute, 0});
}

std::string TextFault(std::string_view field, int maxLength, std::string_view utf8) {
    if (utf8.find('\0') != std::string_view::npos)
        return Quoted(field) + " holds a zero byte";
    if (field == "date" && !IsStoredDate(utf8))
        return Quoted(field) + " must be a date written yyyy/mm/dd";
    if ((field == "start_time" || field == "end_time") && !utf8.empty() && !IsStoredTime(utf8))
        return Quoted(field) + " must be a time written hh:mm, or empty";
    if (CharacterCount(utf8) > static_cast<std::size_t>(maxLength))
        return Quoted(field) + " is longer than " + std::to_string(maxLength) + " characters";
    return {};
}

std::string IntegerFault(std::string_view field, int low, int high, long long value) {
    if (value >= low && value <= high)
        return {};
    return Quoted(field) + " must be " + std::to_string(low) + ".." + std::to_string(high);
}

} // namespace zyntra
