#pragma once

#include <array>

namespace zyntra {

// The kinds of personal data, one value each: the lists, the timetable and the two user
// dictionaries.
enum class RecordKind : int { AddressBook, Schedule, ToDo, ClassTable, ECUser, CEUser };

inline constexpr std::array<RecordKind, 6> kAllRecordKinds = {
    RecordKind::AddressBook, RecordKind::Schedule, RecordKind::ToDo,
    RecordKind::ClassTable,  RecordKind::ECUser,   RecordKind::CEUser};

// The data selection: which kinds a load from the device or a synchronisation covers. The
// synchronisation page shows it as five items in this order; item 4 stands for both user
// dictionaries, which are always loaded and written together.
inline constexpr int kSelectionItemCount = 5;

constexpr int SelectionItemOf(RecordKind kind) {
    return kind == RecordKind::CEUser ? 4 : static_cast<int>(kind);
}

// The language key of the caption the synchronisation page gives the kind's item.
constexpr const char* KindCaptionKey(RecordKind kind) {
    constexpr const char* keys[kSelectionItemCount] = {"RC_TAB_ADDRESSBOOK", "RC_TAB_SCHEDULE",
                                                       "RC_TAB_PLANS", "RC_TAB_CLASSSCHEDULE",
                                                       "RC_TAB_USERDICT"};
    return keys[SelectionItemOf(kind)];
}

struct DataSelection {
    std::array<bool, kSelectionItemCount> items{};

    bool Includes(RecordKind kind) const { return items[SelectionItemOf(kind)]; }
    bool IncludesItem(int item) const { return items.at(static_cast<std::size_t>(item)); }

    static DataSelection All() { return {{true, true, true, true, true}}; }
    // Only the item of one kind (for a dictionary, both dictionaries).
    static DataSelection Only(RecordKind kind) {
        DataSelection selection;
        selection.items[SelectionItemOf(kind)] = true;
        return selection;
    }
};

} // namespace zyntra
