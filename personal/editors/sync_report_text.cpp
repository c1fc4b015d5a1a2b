#include "personal/editors/sync_report_text.h"

#include "personal/run_report.h"
#include "texts/lang_text.h"

#include <utility>

namespace zyntra {
namespace {} // namespace

const char* ReportKindKey(RecordKind kind) {
    switch (kind) {
    case RecordKind::AddressBook:
        return "SM_ReportAddressBook";
    case RecordKind::Schedule:
        return "SM_ReportSchedule";
    case RecordKind::ToDo:
        return "SM_ReportToDo";
    case RecordKind::ClassTable:
        return "SM_ReportClassTable";
    case RecordKind::ECUser:
        return "SM_ReportECUser";
    case RecordKind::CEUser:
        return "SM_ReportCEUser";
    }
    return "";
}

namespace {

const char* ActionKey(DifferedAction action) {
    switch (action) {
    case DifferedAction::KeptTwice:
        return "SM_ReportKeptTwice";
    case DifferedAction::Updated:
        return "SM_ReportUpdated";
    case DifferedAction::LeftAlone:
        return "SM_ReportLeftAlone";
    }
    return "";
}

// "1 added, 2 updated": the counts that are not 0, in the words the command line uses.
std::string CountsLine(const KindCounts& counts) {
    std::string line;
    for (const auto& [count, key] : counts.Keyed())
        if (count != 0)
            line += (line.empty() ? "" : ", ") + FormatCount(LangText(key), count);
    return line;
}

} // namespace

std::string SyncReportDetails(const RunReport& report) {
    std::string text;
    for (RecordKind kind : kAllRecordKinds) {
        const KindCounts& counts = report.Of(kind);
        if (counts.Total() == 0)
            continue;
        text += LangText(ReportKindKey(kind)) + ": " + CountsLine(counts) + "\n";
        for (const DifferedRecord& record : report.differed.Listed())
            if (record.kind == kind)
                text += "    " + record.name + " (" + LangText(ActionKey(record.action)) + ")\n";
    }
    if (report.differed.NotListed() > 0)
        text += FormatCount(LangText("SM_ReportNotListed"), report.differed.NotListed()) + "\n";
    return text;
}

} // namespace zyntra
