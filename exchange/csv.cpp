#include "exchange/csv.h"

namespace zyntra {
namespace {

bool NeedsQuotes(const std::string& field) {
    if (field.empty())
        return false;
    if (field.front() == ' ' || field.back() == ' ')
        return true;
    return field.find_first_of(",\"\r\n") != std::string::npos;
}

class CsvParser {
public:
    explicit CsvParser(std::string_view text) : text_(text) {
        if (text_.substr(0, 3) == "\xEF\xBB\xBF")
            at_ = 3;
    }

    std::string Parse(const CsvRowSink& sink) {
        std::string error;
        while (at_ < text_.size()) {
            CsvRow row;
            if (!ParseRow(row, error))
                break;
            sink(std::move(row));
        }
        return error;
    }

private:
    bool ParseRow(CsvRow& row, std::string& error) {
        for (;;) {
            std::string field;
            if (!ParseField(field, error))
                return false;
            row.push_back(std::move(field));
            if (at_ >= text_.size())
                return true;
            char c = text_[at_++];
            if (c == ',')
                continue;
            if (c == '\r' && at_ < text_.size() && text_[at_] == '\n')
                ++at_;
            ++line_;
            return true;
        }
    }

    bool ParseField(std::string& field, std::string& error) {
        if (at_ < text_.size() && text_[at_] == '"')
            return ParseQuoted(field, error);
        while (at_ < text_.size() && !IsFieldEnd(text_[at_])) {
            if (text_[at_] == '"') {
                error = "line " + std::to_string(line_) + ": a quote inside an unquoted field";
                return false;
            }
            field += text_[at_++];
        }
        return true;
    }

    bool ParseQuoted(std::string& field, std::string& error) {
        const int startLine = line_;
        ++at_;
        for (;;) {
            if (at_ >= text_.size()) {
                error = "line " + std::to_string(startLine) + ": a quoted field is not closed";
                return false;
            }
            char c = text_[at_++];
            if (c == '"') {
                if (at_ < text_.size() && text_[at_] == '"') {
                    field += '"';
                    ++at_;
                    continue;
                }
                if (at_ < text_.size() && !IsFieldEnd(text_[at_])) {
                    error = "line " + std::to_string(line_) + ": text after a closing quote";
                    return false;
                }
                return true;
            }
            if (c == '\n')
                ++line_;
            field += c;
        }
    }

    static bool IsFieldEnd(char c) { return c == ',' || c == '\n' || c == '\r'; }

    std::string_view text_;
    std::size_t at_ = 0;
    int line_ = 1;
};

} // namespace

std::string WriteCsvRow(const CsvRow& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        const std::string& field = fields[i];
        if (!NeedsQuotes(field)) {
            line += field;
            continue;
        }
        line += '"';
        for (char c : field) {
            if (c == '"')
                line += '"';
            line += c;
        }
        line += '"';
    }
    return line + "\r\n";
}

CsvTable ReadCsv(std::string_view text) {
    CsvTable table;
    table.error = ReadCsvRows(text, [&](CsvRow&& row) { table.rows.push_back(std::move(row)); });
    if (!table.error.empty())
        table.rows.clear();
    return table;
}

std::string ReadCsvRows(std::string_view text, const CsvRowSink& sink) {
    return CsvParser(text).Parse(sink);
}

} // namespace zyntra
