#include "personal/text_forms.h"

#include "storage/db_statement.h"
#include "storage/text_conv.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace zyntra {

const char* RowValue(const DbQuery& q, int row, int column) {
    return RowsOf(q).Value(row, column);
}

std::optional<int> CountOf(sqlite3* db, std::string_view statement) {
    ScopedQuery q(db);
    if (db_query(q, statement) < 0)
        return std::nullopt;
    int count = DecimalValue(RowValue(q, 1, 0));
    db_free(q);
    return count;
}

int DecimalValue(const char* text) {
    if (text == nullptr)
        return 0;
    errno = 0;
    long value = std::strtol(text, nullptr, 10);
    if (errno != 0 || value > INT_MAX || value < INT_MIN)
        return 0;
    return static_cast<int>(value);
}

bool DecimalEquals(const char* text, int value) {
    return text != nullptr && std::to_string(value) == text;
}

std::string LoadText(const char* value, bool complemented, std::string_view column,
                     StoredForm& stored) {
    if (value == nullptr)
        return {};
    stored.columns.insert_or_assign(std::string(column), value);
    std::size_t length = std::strlen(value);
    if (length == 0)
        return {};
    // The conversion buffers hold kConvBufferSize - 1 bytes and their terminating zero.
    if (length > kConvBufferSize - 1) {
        stored.readOnly = true;
        length = kConvBufferSize - 1;
    }
    char utf8[kConvBufferSize] = {};
    if (complemented)
        complement_copy(value, length, utf8);
    else
        std::memcpy(utf8, value, length);
    char shown[kConvBufferSize] = {};
    // Cut (-2), or no converter at all (-1): either way memory lacks the full text.
    if (conv_run(utf8, length, shown, sizeof shown) < 0)
        stored.readOnly = true;
    return shown;
}

std::string LoadPlainText(const char* value, std::string_view column, StoredForm& stored) {
    if (value == nullptr)
        return {};
    stored.columns.insert_or_assign(std::string(column), value);
    return value;
}

void KeepStoredFormIfReadOnly(StoredForm& stored) {
    if (!stored.readOnly)
        stored.columns.clear();
}

DbText WriterText(const StoredForm& stored, std::string_view column, const std::string& text,
                  bool complement) {
    if (stored.readOnly) {
        auto found = stored.columns.find(column);
        std::string form = found != stored.columns.end() ? found->second : std::string();
        bool empty = form.empty();
        return {std::move(form), empty};
    }
    if (text.empty())
        return {};
    char utf8[kConvBufferSize] = {};
    conv_run(text.data(), text.size(), utf8, sizeof utf8);
    std::size_t length = std::strlen(utf8);
    if (complement)
        complement_copy(utf8, length, utf8);
    return {std::string(utf8, length), false};
}

DbText Utf8WriterText(const std::string& utf8, bool complement) {
    if (utf8.empty())
        return {};
    std::string form = utf8;
    if (complement)
        complement_copy(utf8.data(), utf8.size(), form.data());
    return {std::move(form), false};
}

DbText PlainText(const std::string& text) {
    return {text, text.empty()};
}

DbText PlainText(const StoredForm& stored, std::string_view column, const std::string& text) {
    return stored.readOnly ? WriterText(stored, column, text, false) : PlainText(text);
}

bool TextEquals(const char* dbValue, const DbText& text) {
    if (dbValue == nullptr || *dbValue == '\0')
        return text.empty;
    return !text.empty && text.form == dbValue;
}

} // namespace zyntra
