#pragma once

#include <string>

namespace zyntra {

struct RunReport;
enum class RecordKind : int;

// The language key of a kind's name in reports ("Address book").
const char* ReportKindKey(RecordKind kind);

// The report of a synchronisation, backup or restore for the details of its result box, in the
// user's language: a line per kind that was written, with its counts, and under it the records
// that differed with what was done to them. Empty when nothing was written.
std::string SyncReportDetails(const RunReport& report);

} // namespace zyntra
