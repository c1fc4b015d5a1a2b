#pragma once

#include "personal/personal_records.h"
#include "personal/record_kind.h"

#include <cstddef>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace zyntra {

// A record a load made read-only (a text it could not convert whole).
struct ReadOnlyEntry {
    RecordKind kind = RecordKind::AddressBook;
    std::string row;  // "tele rec=3": the table and the row, for reports and scripts
    std::string name; // what the user knows it by, in the interface charset, as far as converted
    // Its kind, name and stored texts: the same entry in a later load has the same identity,
    // whatever its row or id there (the device and the working copies number rows apart).
    std::string identity;
};

// The user's name of a record: the contact's name, the date and start of an appointment or
// task, the headword, the day and period of a timetable cell. Texts are cut after a few
// characters of the charset, never inside one.
std::string EntryName(const ADDRESSBOOK& record, std::string_view charset);
std::string EntryName(const SCHEDULE& record, std::string_view charset);
std::string EntryName(const PLANS& record, std::string_view charset);
std::string EntryName(const UserDictEntry& entry, std::string_view charset);
std::string EntryName(const CLASSTABLE& cell, std::string_view charset);

ReadOnlyEntry MakeReadOnlyEntry(RecordKind kind, std::string row, std::string name,
                                const StoredForm& stored);

// The entry of a read-only record; call once its stored form is kept.
template <class Record>
ReadOnlyEntry MakeReadOnlyEntry(const Record& record, RecordKind kind, std::string row,
                                std::string_view charset) {
    return MakeReadOnlyEntry(kind, std::move(row), EntryName(record, charset), record.stored);
}

// Which read-only entries the user has been told about. Every sync, backup and restore loads
// the same records again, so each entry is named once a session.
class ReadOnlyNote {
public:
    // The entries not named before, which count as named from now on.
    std::vector<const ReadOnlyEntry*> TakeUnnamed(const std::vector<ReadOnlyEntry>& entries);

private:
    std::set<std::string> named_;
};

inline constexpr std::size_t kReadOnlyNamesShown = 10;

// "SM_ReadOnlyEntries", then one line per entry ("<kind caption>: <name>") for the first
// kReadOnlyNamesShown, then "SM_ReadOnlyMore" with the number left. Names pass through
// toMessageCharset: the language texts need not be in the charset of the records.
std::string
ReadOnlyNoteText(const std::vector<const ReadOnlyEntry*>& entries,
                 const std::function<std::string(const std::string&)>& toMessageCharset);

} // namespace zyntra
