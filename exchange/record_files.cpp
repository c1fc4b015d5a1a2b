#include "exchange/record_files.h"

#include "exchange/charset_codec.h"
#include "exchange/exchange_files.h"
#include "exchange/record_format.h"
#include "exchange/record_table.h"
#include "platform/file_faults.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <unistd.h>

namespace zyntra {
namespace {

void AddTableTypes(std::vector<RecordFileType>& types) {
    for (RecordFileFormat format : {RecordFileFormat::Csv, RecordFileFormat::Json})
        for (RecordKind kind : kAllRecordKinds)
            types.push_back({format, {kind}});
}

const RecordFileType kCalendar{RecordFileFormat::ICalendar,
                               {RecordKind::Schedule, RecordKind::ToDo}};

std::optional<ExchangeFormat> ExchangeFormatOf(RecordFileFormat format) {
    switch (format) {
    case RecordFileFormat::VCard40:
        return ExchangeFormat::VCard40;
    case RecordFileFormat::VCard30:
        return ExchangeFormat::VCard30;
    case RecordFileFormat::ICalendar:
        return ExchangeFormat::ICalendar;
    default:
        return std::nullopt;
    }
}

RecordFormat TableFormatOf(RecordFileFormat format) {
    return format == RecordFileFormat::Csv ? RecordFormat::Csv : RecordFormat::Json;
}

// The imports of the type's kinds, each checking its records as they are read.
using KindImports = std::map<RecordKind, std::unique_ptr<RecordImport>>;

// The records of the file, handed to their kinds' imports; the fault refusing the whole file.
// JSON and CSV are read as they come; the vCard and iCalendar readers take the whole text.
std::string ReadInto(std::ifstream& in, const RecordFileType& type, KindImports& imports,
                     std::vector<std::string>& notes) {
    const auto note = [&](const std::string& what) { notes.push_back(what); };
    const RecordKind kind = type.kinds.front();
    const auto add = [&](ImportedRecord&& record) { imports.at(kind)->Add(record); };
    const std::optional<ExchangeFormat> exchange = ExchangeFormatOf(type.format);
    if (!exchange)
        return ReadRecords(in, TableFormatOf(type.format), FieldsOf(kind), add);
    const std::string text = ReadAll(in);
    if (*exchange != ExchangeFormat::ICalendar)
        return ReadExchange(text, kind, *exchange, add, note);
    return ReadCalendar(
        text, [&](RecordKind of, ImportedRecord&& record) { imports.at(of)->Add(record); }, note);
}

// Writes the records; how many.
std::size_t WriteRecords(std::FILE* out, const RecordLists& lists, const RecordFileType& type,
                         const std::string& charset) {
    if (std::optional<ExchangeFormat> exchange = ExchangeFormatOf(type.format)) {
        const CharsetConverter toUtf8("UTF-8", charset);
        if (type.format == RecordFileFormat::ICalendar) {
            WriteCalendar(out, lists, toUtf8);
            return lists.ScheList.size() + lists.ToDoList.size();
        }
        WriteExchange(out, lists, RecordKind::AddressBook, *exchange, toUtf8);
        return lists.AddrList.size();
    }
    const RecordKind kind = type.kinds.front();
    const CharsetCodec codec(charset);
    RecordWriter writer(out, TableFormatOf(type.format), FieldsOf(kind));
    std::size_t written = 0;
    ExportRecords(lists, kind, codec, [&](const std::vector<FieldValue>& row) {
        writer.Write(row);
        ++written;
    });
    writer.Finish();
    return written;
}

} // namespace

std::vector<RecordFileType> ImportFileTypes() {
    std::vector<RecordFileType> types{{RecordFileFormat::VCard40, {RecordKind::AddressBook}},
                                      kCalendar};
    AddTableTypes(types);
    return types;
}

std::vector<RecordFileType> ExportFileTypes() {
    std::vector<RecordFileType> types{{RecordFileFormat::VCard40, {RecordKind::AddressBook}},
                                      {RecordFileFormat::VCard30, {RecordKind::AddressBook}},
                                      kCalendar};
    AddTableTypes(types);
    return types;
}

const RecordFileType& ImportTypeOfFile(const std::vector<RecordFileType>& types, std::size_t chosen,
                                       const std::string& path) {
    const std::optional<ExchangeFormat> named = ExchangeFormatOfFile(path);
    if (!named)
        return types[chosen];
    const RecordFileFormat format = *named == ExchangeFormat::ICalendar
                                        ? RecordFileFormat::ICalendar
                                        : RecordFileFormat::VCard40;
    if (types[chosen].format == format)
        return types[chosen];
    const auto found = std::find_if(types.begin(), types.end(), [&](const RecordFileType& type) {
        return type.format == format;
    });
    return found != types.end() ? *found : types[chosen];
}

const char* FormatName(RecordFileFormat format) {
    switch (format) {
    case RecordFileFormat::VCard40:
        return "vCard 4.0";
    case RecordFileFormat::VCard30:
        return "vCard 3.0";
    case RecordFileFormat::ICalendar:
        return "iCalendar";
    case RecordFileFormat::Csv:
        return "CSV";
    case RecordFileFormat::Json:
        return "JSON";
    }
    return "";
}

std::vector<std::string> ExtensionsOf(RecordFileFormat format) {
    switch (format) {
    case RecordFileFormat::VCard40:
    case RecordFileFormat::VCard30:
        return {"vcf", "vcard"};
    case RecordFileFormat::ICalendar:
        return {"ics", "ical"};
    case RecordFileFormat::Csv:
        return {"csv"};
    case RecordFileFormat::Json:
        return {"json"};
    }
    return {};
}

std::optional<std::string> ImportFileRefusal(const std::string& path) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status))
        return std::nullopt;
    if (!std::filesystem::is_regular_file(status))
        return "it is no regular file";
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > kLargestImportFile)
        return "it holds " + std::to_string(size) + " bytes, an import reads at most " +
               std::to_string(kLargestImportFile);
    return std::nullopt;
}

std::size_t RecordFileImport::AppendedCount() const {
    std::size_t count = 0;
    for (const auto& [kind, appendedOfKind] : appended)
        count += appendedOfKind;
    return count;
}

RecordFileImport AppendRecordFile(RecordLists& lists, const std::string& path,
                                  const RecordFileType& type, const std::string& charset,
                                  const std::string& today, const std::string& now) {
    RecordFileImport result;
    if (std::optional<std::string> refusal = ImportFileRefusal(path)) {
        result.faults.push_back(path + ": " + *refusal);
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.faults.push_back(path + ": " + std::strerror(errno));
        return result;
    }
    const CharsetCodec codec(charset);
    KindImports imports;
    for (RecordKind kind : type.kinds)
        imports[kind] =
            std::make_unique<RecordImport>(lists, kind, codec, today, now, ImportMode::Append);
    const std::string unreadable = ReadInto(in, type, imports, result.notes);
    for (const auto& [kind, import] : imports)
        result.faults.insert(result.faults.end(), import->Faults().begin(), import->Faults().end());
    if (!unreadable.empty())
        result.faults.push_back(unreadable);
    if (!result.faults.empty())
        return result;
    for (const auto& [kind, import] : imports) {
        import->Commit();
        result.appended.emplace_back(kind, import->Added());
    }
    return result;
}

RecordFileExport WriteRecordFile(const RecordLists& lists, const std::string& path,
                                 const RecordFileType& type, const std::string& charset) {
    const std::string part = path + ".part";
    std::FILE* out = std::fopen(part.c_str(), "wb");
    if (out == nullptr)
        return {path + ": " + std::strerror(errno)};
    const std::size_t written = WriteRecords(out, lists, type, charset);
    const bool flushed =
        std::fflush(out) == 0 && !std::ferror(out) && FaultableFsync(fileno(out)) == 0;
    const int flushErrno = errno;
    const bool closed = std::fclose(out) == 0;
    if (!flushed || !closed || FaultableRename(part, path) != 0) {
        const int reason = flushed && closed ? errno : flushErrno;
        std::remove(part.c_str());
        return {path + ": " + std::strerror(reason)};
    }
    return {{}, written};
}

} // namespace zyntra
