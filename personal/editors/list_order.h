#pragma once

#include "personal/personal_records.h"

#include <algorithm>
#include <functional>
#include <span>
#include <string_view>

namespace zyntra {

// The editors' text order: the ASCII letters compare without case, every other byte by its
// unsigned value, so Big5 or GB2312 texts order by their byte codes; a text that begins a
// longer one sorts first. Negative, zero or positive.
int CompareListText(std::string_view a, std::string_view b);
int CompareNumber(int a, int b);

template <class Record> using RecordComparison = std::function<int(const Record&, const Record&)>;

// Reorders the list by the comparison, descending when `descending`, and returns where the
// record that stood at `selected` stands now (-1 stays -1). Records with equal keys end in no
// defined order.
template <class Record>
int SortRecords(RecordList<Record>& list, const RecordComparison<Record>& compare, bool descending,
                int selected) {
    const Record* kept = selected >= 0 && selected < static_cast<int>(list.size())
                             ? list[static_cast<std::size_t>(selected)].get()
                             : nullptr;
    std::sort(list.begin(), list.end(), [&](const auto& a, const auto& b) {
        const int order = compare(*a, *b);
        return descending ? order > 0 : order < 0;
    });
    if (kept == nullptr)
        return -1;
    auto at = std::find_if(list.begin(), list.end(),
                           [kept](const auto& record) { return record.get() == kept; });
    return static_cast<int>(at - list.begin());
}

} // namespace zyntra
