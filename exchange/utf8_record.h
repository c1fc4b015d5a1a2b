#pragma once

#include "personal/record_fields.h"
#include "storage/text_conv.h"
#include "texts/charset_converter.h"

#include <string>

namespace zyntra {

// A text member of a record in UTF-8. A read-only record holds in memory only what the
// interface charset could show of the device's text, so its text is the one the device
// stored, which memory keeps beside it; every other text is converted from memory's charset.
template <class R>
std::string TextInUtf8(const R& record, const Field<R>& field, const CharsetConverter& toUtf8) {
    if (record.stored.readOnly) {
        const auto found = record.stored.columns.find(std::string_view(field.name));
        if (found != record.stored.columns.end()) {
            std::string text = found->second;
            if (field.form == ColumnForm::Complemented)
                complement_copy(text.data(), text.size(), text.data());
            return text;
        }
    }
    return toUtf8.ConvertLenient(record.*field.text);
}

// The record with every text member in UTF-8, for writers that are then given no conversion.
template <class R>
R RecordInUtf8(const R& record, const RecordFields<R>& table, const CharsetConverter& toUtf8) {
    R inUtf8 = record;
    for (const Field<R>& field : table.Members())
        if (field.text != nullptr)
            inUtf8.*field.text = TextInUtf8(record, field, toUtf8);
    return inUtf8;
}

} // namespace zyntra
