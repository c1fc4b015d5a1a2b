#include "personal/record_fields.h"

namespace zyntra {
namespace {

// Each table's positions run 0..n-1 without a gap or a repeat, so a positional insert names
// every column once.
template <class Record> constexpr bool ColumnsArePositions(const RecordFields<Record>& table) {
    for (std::size_t position = 0; position < table.fields.size(); ++position)
        if (std::count_if(table.fields.begin(), table.fields.end(), [&](const auto& field) {
                return field.column == static_cast<int>(position);
            }) != 1)
            return false;
    return true;
}

static_assert(ColumnsArePositions(kAddressBookFields));
static_assert(ColumnsArePositions(kScheduleFields));
static_assert(ColumnsArePositions(kToDoFields));
static_assert(ColumnsArePositions(kClassTableFields));
static_assert(ColumnsArePositions(kUserDictFields));

} // namespace

std::string HeadwordKey(std::string_view storedHeadword) {
    std::string key;
    key.reserve(storedHeadword.size());
    for (char c : storedHeadword)
        if (c != ' ')
            key += c;
    return key;
}

} // namespace zyntra
