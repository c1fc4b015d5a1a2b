#pragma once

#include "personal/personal_records.h"
#include "personal/record_fields.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zyntra {

std::optional<RecordKind> RecordKindByName(std::string_view name);
const char* RecordKindName(RecordKind kind);

// One value as it crosses the edge: an integer, or a text in UTF-8.
using FieldValue = std::variant<long long, std::string>;

struct FieldInfo {
    const char* name;
    FieldType type;
};

class CharsetCodec;

// The fields the command line exchanges: those with a member, in the record's order.
template <class R> const FieldList<R>& ExchangedFields(const RecordFields<R>& table) {
    static const FieldList<R> fields = table.Members();
    return fields;
}

const std::vector<FieldInfo>& FieldsOf(RecordKind kind);

// Hands the records of one kind to `row` one at a time, their values in the order of
// FieldsOf(kind) and their texts converted to UTF-8.
using ExportedRowSink = std::function<void(const std::vector<FieldValue>&)>;
void ExportRecords(const RecordLists& lists, RecordKind kind, const CharsetCodec& codec,
                   const ExportedRowSink& row);

struct ImportedRecord {
    // Field name -> value; fields that are missing take the values a new
    // record gets in its editor.
    std::vector<std::pair<std::string, FieldValue>> values;
};

// Replaces the kind's list (or, for the timetable, the cells named by
// weekday and class_no) with the records. Texts are converted from UTF-8
// into the interface charset; a text the charset cannot hold, a value of the
// wrong type or outside its field's range (record_check.h) or an unknown
// field is an error naming the first such record, and then nothing in memory
// changes. `now` is the stamp a new record gets.
std::string ImportRecords(RecordLists& lists, RecordKind kind,
                          const std::vector<ImportedRecord>& records, const CharsetCodec& codec,
                          const std::string& today, const std::string& now);

// Whether the imported records take the place of the kind's list or come after its records,
// as new ones (with no row of their own on the device yet). Timetable cells always replace the
// cells they name.
enum class ImportMode { Replace, Append };

// The same, one record at a time as the input is read, so that the records are never held
// twice: each is converted and checked when it is added, and memory changes only at Commit.
// Every record is checked, also after one did not fit, so that all faults of a file can be
// told at once; the converted records are no longer kept once one did not fit.
class RecordImport {
public:
    RecordImport(RecordLists& lists, RecordKind kind, const CharsetCodec& codec, std::string today,
                 std::string now, ImportMode mode = ImportMode::Replace);
    ~RecordImport();
    RecordImport(const RecordImport&) = delete;
    RecordImport& operator=(const RecordImport&) = delete;

    // The most faults kept to be told; the others are only counted.
    static constexpr std::size_t kKeptFaults = 20;
    // The most records of one import. A record takes some hundreds of bytes in memory (about
    // 600 for an address), so a file of tiny records would take a hundred times its size;
    // this many stay near 130 MB.
    static constexpr std::size_t kMostRecords = 200000;

    void Add(const ImportedRecord& record);
    // How many records were added, those that did not fit included.
    std::size_t Added() const { return added_; }
    // The faults of the first records that did not fit, each naming its record ("record 3:
    // ..."); empty while every record fitted.
    const std::vector<std::string>& Faults() const { return faults_; }
    // How many records did not fit, also those whose faults were not kept.
    std::size_t FaultCount() const { return faultCount_; }
    // Puts the records into memory; nothing happens after a fault.
    void Commit();

private:
    struct Pending;

    // Converts and checks a record into the pending lists; its error, or an empty text.
    std::string Converted(const ImportedRecord& record);
    // Counts an error of the record last added, keeping its text while there are few.
    void Refuse(const std::string& error);

    RecordLists& lists_;
    RecordKind kind_;
    const CharsetCodec& codec_;
    std::string today_;
    std::string now_;
    ImportMode mode_;
    std::unique_ptr<Pending> pending_;
    std::size_t added_ = 0;
    std::vector<std::string> faults_;
    std::size_t faultCount_ = 0;
};

} // namespace zyntra
