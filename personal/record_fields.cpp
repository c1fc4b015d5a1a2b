#include "personal/record_fields.h"

#include "storage/text_conv.h"

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

void DeriveHeadwordForms(UserDictEntry& entry, const std::string& interfaceCharset) {
    std::array<char, kConvBufferSize> utf8{};
    // An empty text has nothing to convert; conv_run would only report it.
    if (!entry.hw_name.empty() && conv_open(interfaceCharset.c_str(), "UTF-8") > 0) {
        conv_run(entry.hw_name.data(), entry.hw_name.size(), utf8.data(), utf8.size());
        conv_close();
    }
    entry.storedHeadword = utf8.data();
    entry.hw_match = HeadwordKey(entry.storedHeadword);
}

} // namespace zyntra
