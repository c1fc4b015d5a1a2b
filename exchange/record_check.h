#pragma once

#include "personal/personal_records.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace zyntra {

// Why an imported value cannot go into a field, or an empty text when it can. An import checks
// every value before anything is written, so a file is taken whole or not at all, and no value
// reaches the device that the editors would not have stored.

// A text in UTF-8 holds at most maxLength characters and no zero byte (which would end it on
// the device); a field "date" holds a date as the editors store it, "yyyy/mm/dd", and a field
// "start_time" or "end_time" a time "hh:mm" or nothing.
std::string TextFault(std::string_view field, int maxLength, std::string_view utf8);

// An integer lies within low..high.
std::string IntegerFault(std::string_view field, int low, int high, long long value);

// The characters of well-formed UTF-8.
std::size_t CharacterCount(std::string_view utf8);

// Whether the longest statement a writer makes of the record (its insert, update or find) is
// one the device's database takes; the fault when it is longer. Texts within their fields'
// limits can still make one too long when most of their characters take several bytes. The
// record's texts are in UTF-8.
std::string StatementFault(const ADDRESSBOOK& record);
std::string StatementFault(const SCHEDULE& record);
std::string StatementFault(const PLANS& record);
std::string StatementFault(const CLASSTABLE& cell);
std::string StatementFault(const UserDictEntry& entry);

// "yyyy/mm/dd" naming a day of the calendar.
bool IsStoredDate(std::string_view text);
// "hh:mm" on a 24-hour clock.
bool IsStoredTime(std::string_view text);

} // namespace zyntra
