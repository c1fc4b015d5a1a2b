#pragma once

#include "personal/personal_records.h"

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zyntra {

// The personal data's files for other programs as the window reads and writes them, chosen by
// their type rather than by options as on the command line.
enum class RecordFileFormat { VCard40, VCard30, ICalendar, Csv, Json };

// A type of file: its format and the kinds it holds. The schedule and the to-do list share one
// iCalendar file, as calendar programs keep events and tasks together.
struct RecordFileType {
    RecordFileFormat format;
    std::vector<RecordKind> kinds;
};

// What the window offers to read: vCard (any version), iCalendar, and each kind as CSV and as
// JSON. What it offers to write: the same, with vCard 4.0 and 3.0 apart.
std::vector<RecordFileType> ImportFileTypes();
std::vector<RecordFileType> ExportFileTypes();

// The type a file is read as: a ".vcf" or ".ics" file names its format, whichever type the list
// showed; a CSV or JSON file holds any kind, so there the chosen type stands.
const RecordFileType& ImportTypeOfFile(const std::vector<RecordFileType>& types, std::size_t chosen,
                                       const std::string& path);

// The format's name as other programs know it ("vCard 3.0", "CSV"), never translated.
const char* FormatName(RecordFileFormat format);
// The file-name extensions of the format, without dots, the usual one first.
std::vector<std::string> ExtensionsOf(RecordFileFormat format);

// The largest file an import reads: many times what a device's records take, and little
// enough that reading it never strains the machine.
inline constexpr std::uintmax_t kLargestImportFile = 64u * 1024 * 1024;

// Why a file is not even opened: what is no regular file (a device such as /dev/zero, a FIFO)
// may never end or never start, and a larger file is no record export. Nothing when the file
// may be read; a missing file is left to the open, which tells it as always.
std::optional<std::string> ImportFileRefusal(const std::string& path);

struct RecordFileImport {
    // Why nothing was taken: the file's fault or the first records' faults, each naming its
    // record. Empty when the records were appended.
    std::vector<std::string> faults;
    // What the file says that no field takes, one line per record and property.
    std::vector<std::string> notes;
    // How many records each kind received.
    std::vector<std::pair<RecordKind, std::size_t>> appended;

    std::size_t AppendedCount() const;
};

// Appends the records of a file to memory as new records, to go to the device with the next
// synchronisation; timetable cells replace the cells they name. Texts are converted into
// `charset`, the charset of memory's texts. The file is taken whole or not at all: a file with
// a fault, or with any record that does not fit, changes nothing. `today` ("yyyy/mm/dd") and
// `now` are what a record without a date or stamp gets.
RecordFileImport AppendRecordFile(RecordLists& lists, const std::string& path,
                                  const RecordFileType& type, const std::string& charset,
                                  const std::string& today, const std::string& now);

struct RecordFileExport {
    std::string fault; // naming the file and the reason; empty when the file was written
    std::size_t written = 0;
};

// Writes memory's records of the type's kinds to a file: the whole file, or, when something
// fails, nothing at all in its place (a file that was there stays as it was).
RecordFileExport WriteRecordFile(const RecordLists& lists, const std::string& path,
                                 const RecordFileType& type, const std::string& charset);

} // namespace zyntra
