#include "exchange/record_format.h"

#include "exchange/csv.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <nlohmann/json.hpp>

namespace zyntra {
namespace {

using Json = nlohmann::ordered_json;

const FieldInfo* FindField(const std::vector<FieldInfo>& fields, std::string_view name) {
    auto it = std::find_if(fields.begin(), fields.end(),
                           [&](const FieldInfo& f) { return name == f.name; });
    return it == fields.end() ? nullptr : &*it;
}

// An object of the array as a whole-array dump indents it: every line two spaces further in.
std::string ArrayElement(const Json& object) {
    const std::string text = object.dump(2, ' ', false, Json::error_handler_t::replace);
    std::string indented = "  ";
    indented.reserve(text.size() + text.size() / 8);
    for (char c : text) {
        indented += c;
        if (c == '\n')
            indented += "  ";
    }
    return indented;
}

} // namespace

RecordWriter::RecordWriter(std::FILE* out, RecordFormat format,
                           const std::vector<FieldInfo>& fields)
    : out_(out), format_(format), fields_(fields) {
    if (format_ == RecordFormat::Csv) {
        CsvRow header;
        for (const FieldInfo& field : fields_)
            header.push_back(field.name);
        Put(WriteCsvRow(header));
    }
}

void RecordWriter::Write(const std::vector<FieldValue>& row) {
    if (format_ == RecordFormat::Csv) {
        CsvRow cells;
        for (const FieldValue& value : row)
            cells.push_back(std::holds_alternative<long long>(value)
                                ? std::to_string(std::get<long long>(value))
                                : std::get<std::string>(value));
        Put(WriteCsvRow(cells));
        return;
    }
    Json object = Json::object();
    for (std::size_t i = 0; i < fields_.size(); ++i)
        std::visit([&](const auto& value) { object[fields_[i].name] = value; }, row[i]);
    // Texts from a device may hold bytes that are not UTF-8; they are replaced, never fatal.
    Put((written_ == 0 ? "[\n" : ",\n") + ArrayElement(object));
    ++written_;
}

void RecordWriter::Finish() {
    if (format_ == RecordFormat::Json)
        Put(written_ == 0 ? "[]\n" : "\n]\n");
}

void RecordWriter::Put(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), out_);
}

std::string ReadAll(std::istream& in) {
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

namespace {

std::string RecordError(std::size_t index, const std::string& what) {
    return "record " + std::to_string(index + 1) + ": " + what;
}

// The JSON reader's events, turned into one record at a time. The first record that does not
// fit ends the handing over, but the input is still read to its end: a document that is no JSON
// at all is reported as such, wherever its fault lies.
class JsonRecordReader : public Json::json_sax_t {
public:
    JsonRecordReader(const std::vector<FieldInfo>& fields, const RecordSink& sink)
        : fields_(fields), sink_(sink) {}

    // The error once the whole input was read; `parsed` tells whether it was JSON.
    std::string Result(bool parsed) const {
        if (!parsed)
            return "the input is not valid JSON";
        if (!topIsArray_)
            return "the input must be a JSON array of records";
        return error_;
    }

    bool null() override { return Value(std::nullopt); }
    bool boolean(bool) override { return Value(std::nullopt); }
    bool number_integer(number_integer_t value) override { return Integer(value); }
    bool number_unsigned(number_unsigned_t value) override {
        return Integer(static_cast<long long>(value));
    }
    bool number_float(number_float_t, const string_t&) override { return Value(std::nullopt); }
    bool string(string_t& value) override {
        return Value(Typed(FieldType::Text) ? std::optional<FieldValue>(std::move(value))
                                            : std::nullopt);
    }
    bool binary(binary_t&) override { return Value(std::nullopt); }
    bool start_object(std::size_t) override { return Open(true); }
    bool end_object() override { return Close(); }
    bool start_array(std::size_t) override { return Open(false); }
    bool end_array() override { return Close(); }
    bool key(string_t& name) override {
        if (InRecord())
            key_ = Slot(std::move(name));
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
        return false;
    }

private:
    // A member of the record being read: its field, nothing when the name is unknown; its
    // value, nothing when it has the wrong type.
    struct Member {
        std::string name;
        const FieldInfo* field;
        std::optional<FieldValue> value;
    };

    // A repeated name keeps its first place and takes the last value.
    std::size_t Slot(std::string name) {
        for (std::size_t i = 0; i < members_.size(); ++i)
            if (members_[i].name == name)
                return i;
        const FieldInfo* field = FindField(fields_, name);
        members_.push_back({std::move(name), field, std::nullopt});
        return members_.size() - 1;
    }

    // Directly inside an object that is an element of the array.
    bool InRecord() const { return depth_ == 2 && recordOpen_; }

    bool Typed(FieldType type) const {
        return InRecord() && members_[key_].field != nullptr && members_[key_].field->type == type;
    }

    bool Integer(long long value) {
        return Value(Typed(FieldType::Integer) ? std::optional<FieldValue>(value) : std::nullopt);
    }

    // A value at the top, as an element of the array or as a member of a record.
    bool Value(std::optional<FieldValue> value) {
        if (depth_ == 1)
            Fail("not a JSON object");
        else if (InRecord())
            members_[key_].value = std::move(value);
        if (depth_ <= 1)
            Element();
        return true;
    }

    bool Open(bool object) {
        if (depth_ == 0)
            topIsArray_ = !object;
        else if (depth_ == 1 && !object)
            Fail("not a JSON object");
        else if (depth_ == 1)
            recordOpen_ = topIsArray_;
        else if (InRecord())
            members_[key_].value.reset();
        ++depth_;
        return true;
    }

    bool Close() {
        if (--depth_ == 1 && recordOpen_ && error_.empty())
            HandOver();
        if (depth_ <= 1) {
            recordOpen_ = false;
            members_.clear();
            Element();
        }
        return true;
    }

    void Element() {
        if (depth_ == 1)
            ++index_;
    }

    void HandOver() {
        ImportedRecord record;
        for (Member& member : members_) {
            if (member.field == nullptr)
                return Fail("unknown field \"" + member.name + "\"");
            if (!member.value)
                return Fail("field \"" + member.name + "\" has a value of the wrong type");
            record.values.emplace_back(std::move(member.name), std::move(*member.value));
        }
        sink_(std::move(record));
    }

    void Fail(const std::string& what) {
        if (error_.empty())
            error_ = RecordError(index_, what);
    }

    const std::vector<FieldInfo>& fields_;
    const RecordSink& sink_;
    int depth_ = 0;
    bool topIsArray_ = false;
    bool recordOpen_ = false;
    std::size_t index_ = 0; // of the array's element being read
    std::size_t key_ = 0;   // the member the next value belongs to
    std::vector<Member> members_;
    std::string error_;
};

std::string FromJson(std::istream& in, const std::vector<FieldInfo>& fields,
                     const RecordSink& sink) {
    JsonRecordReader reader(fields, sink);
    const bool parsed = Json::sax_parse(in, &reader);
    return reader.Result(parsed);
}

std::optional<long long> ParseInteger(const std::string& text) {
    long long value = 0;
    const char* end = text.data() + text.size();
    auto [at, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || at != end)
        return std::nullopt;
    return value;
}

// The fault of one CSV row, or the record it makes.
std::string CsvRecord(const CsvRow& row, const std::vector<const FieldInfo*>& columns,
                      ImportedRecord& record) {
    if (row.size() != columns.size())
        return "has " + std::to_string(row.size()) + " columns, the header " +
               std::to_string(columns.size());
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
            return "field \"" + std::string(columns[c]->name) + "\" must be an integer";
        record.values.emplace_back(columns[c]->name, *number);
    }
    return {};
}

// Rows are turned into records as they are parsed, never kept as a table. As with JSON, the
// first fault ends the handing over, and a text that is no CSV is reported as such first.
std::string FromCsv(std::istream& in, const std::vector<FieldInfo>& fields,
                    const RecordSink& sink) {
    std::optional<std::vector<const FieldInfo*>> columns;
    std::size_t index = 0; // of the record the next row makes
    std::string error;
    const std::string parseError = ReadCsvRows(ReadAll(in), [&](CsvRow&& row) {
        if (!error.empty())
            return;
        if (!columns) {
            columns.emplace();
            for (const std::string& name : row) {
                const FieldInfo* field = FindField(fields, name);
                if (field == nullptr) {
                    error = "unknown column \"" + name + "\"";
                    return;
                }
                columns->push_back(field);
            }
            return;
        }
        ImportedRecord record;
        if (std::string fault = CsvRecord(row, *columns, record); !fault.empty())
            error = RecordError(index, fault);
        else
            sink(std::move(record));
        ++index;
    });
    if (!parseError.empty())
        return "the input is not valid CSV: " + parseError;
    if (!columns)
        return "the CSV input has no header row";
    return error;
}

} // namespace

std::string ReadRecords(std::istream& in, RecordFormat format, const std::vector<FieldInfo>& fields,
                        const RecordSink& sink) {
    return format == RecordFormat::Json ? FromJson(in, fields, sink) : FromCsv(in, fields, sink);
}

} // namespace zyntra
