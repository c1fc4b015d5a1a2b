#include "cli/record_format.h"

#include "cli/csv.h"

#include <algorithm>
#include <charconv>
#include <nlohmann/json.hpp>

namespace zyntra {
namespace {

using Json = nlohmann::ordered_json;

const FieldInfo* FindField(const std::vector<FieldInfo>& fields, std::string_view name) {
    auto it = std::find_if(fields.begin(), fields.end(),
                           [&](const FieldInfo& f) { return name == f.name; });
    return it == fields.end() ? nullptr : &*it;
}

std::string ToJson(const RecordTable& table) {
    Json array = Json::array();
    for (const auto& row : table.rows) {
        Json object = Json::object();
        for (std::size_t i = 0; i < table.fields.size(); ++i)
            std::visit([&](const auto& value) { object[table.fields[i].name] = value; }, row[i]);
        array.push_back(std::move(object));
    }
    // Texts from a device may hold bytes that are not UTF-8; they are replaced, never fatal.
    return array.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::string ToCsv(const RecordTable& table) {
    CsvRow header;
    for (const FieldInfo& field : table.fields)
        header.push_back(field.name);
    std::string text = WriteCsvRow(header);
    for (const auto& row : table.rows) {
        CsvRow cells;
        for (const FieldValue& value : row)
            cells.push_back(std::holds_alternative<long long>(value)
                                ? std::to_string(std::get<long long>(value))
                                : std::get<std::string>(value));
        text += WriteCsvRow(cells);
    }
    return text;
}

std::string RecordError(std::size_t index, const std::string& what) {
    return "record " + std::to_string(index + 1) + ": " + what;
}

ParsedRecords FromJson(const std::string& text, const std::vector<FieldInfo>& fields) {
    ParsedRecords parsed;
    Json document = Json::parse(text, nullptr, false);
    if (document.is_discarded())
        return {{}, "the input is not valid JSON"};
    if (!document.is_array())
        return {{}, "the input must be a JSON array of records"};
    for (std::size_t i = 0; i < document.size(); ++i) {
        const Json& object = document[i];
        if (!object.is_object())
            return {{}, RecordError(i, "not a JSON object")};
        ImportedRecord record;
        for (const auto& [name, value] : object.items()) {
            const FieldInfo* field = FindField(fields, name);
            if (field == nullptr)
                return {{}, RecordError(i, "unknown field \"" + name + "\"")};
            if (field->type == FieldType::Integer && value.is_number_integer())
                record.values.emplace_back(name, value.get<long long>());
            else if (field->type == FieldType::Text && value.is_string())
                record.values.emplace_back(name, value.get<std::string>());
            else
                return {{}, RecordError(i, "field \"" + name + "\" has a value of the wrong type")};
        }
        parsed.records.push_back(std::move(record));
    }
    return parsed;
}

std::optional<long long> ParseInteger(const std::string& text) {
    long long value = 0;
    const char* end = text.data() + text.size();
    auto [at, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || at != end)
        return std::nullopt;
    return value;
}

ParsedRecords FromCsv(const std::string& text, const std::vector<FieldInfo>& fields) {
    CsvTable table = ReadCsv(text);
    if (!table.error.empty())
        return {{}, "the input is not valid CSV: " + table.error};
    if (table.rows.empty())
        return {{}, "the CSV input has no header row"};
    const CsvRow& header = table.rows.front();
    std::vector<const FieldInfo*> columns;
    for (const std::string& name : header) {
        const FieldInfo* field = FindField(fields, name);
        if (field == nullptr)
            return {{}, "unknown column \"" + name + "\""};
        columns.push_back(field);
    }
    ParsedRecords parsed;
    for (std::size_t r = 1; r < table.rows.size(); ++r) {
        const CsvRow& row = table.rows[r];
        if (row.size() != columns.size())
            return {{},
                    RecordError(r - 1, "has " + std::to_string(row.size()) +
                                           " columns, the "
                                           "header " +
                                           std::to_string(columns.size()))};
        ImportedRecord record;
        for (std::size_t c = 0; c < row.size(); ++c) {
            // A spreadsheet has no way to leave a field out but an empty cell: a to-do
            // with its date left blank gets today's, as New gives it.
            if (row[c].empty())
                continue;
            if (columns[c]->type == FieldType::Text) {
                record.values.emplace_back(columns[c]->name, row[c]);
                continue;
            }
            std::optional<long long> number = ParseInteger(row[c]);
            if (!number)
                return {{},
                        RecordError(r - 1, "field \"" + std::string(columns[c]->name) +
                                               "\" must be an integer")};
            record.values.emplace_back(columns[c]->name, *number);
        }
        parsed.records.push_back(std::move(record));
    }
    return parsed;
}

} // namespace

std::string FormatRecords(const RecordTable& table, RecordFormat format) {
    return format == RecordFormat::Json ? ToJson(table) : ToCsv(table);
}

ParsedRecords ParseRecords(const std::string& text, RecordFormat format,
                           const std::vector<FieldInfo>& fields) {
    return format == RecordFormat::Json ? FromJson(text, fields) : FromCsv(text, fields);
}

} // namespace zyntra
