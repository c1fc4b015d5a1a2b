#include "cli/report_json.h"

#include "exchange/charset_codec.h"
#include "exchange/record_table.h"
#include "personal/run_report.h"

#include <nlohmann/json.hpp>

namespace zyntra {
namespace {

const char* ActionName(DifferedAction action) {
    switch (action) {
    case DifferedAction::KeptTwice:
        return "keptTwice";
    case DifferedAction::Updated:
        return "updated";
    case DifferedAction::LeftAlone:
        return "leftAlone";
    }
    return "";
}

nlohmann::ordered_json CountsJson(const KindCounts& counts) {
    return {{"added", counts.added},
            {"updated", counts.updated},
            {"keptTwice", counts.keptTwice},
            {"leftAlone", counts.leftAlone},
            {"skippedEqual", counts.skippedEqual}};
}

} // namespace

std::string ReportJson(const RunReport& report, DataSelection selection,
                       const CharsetCodec& codec) {
    nlohmann::ordered_json kinds = nlohmann::ordered_json::object();
    for (RecordKind kind : kAllRecordKinds) {
        if (!selection.Includes(kind))
            continue;
        nlohmann::ordered_json entry = CountsJson(report.Of(kind));
        nlohmann::ordered_json differed = nlohmann::ordered_json::array();
        for (const DifferedRecord& record : report.differed.Listed())
            if (record.kind == kind)
                differed.push_back(
                    {{"name", codec.ToUtf8(record.name)}, {"action", ActionName(record.action)}});
        entry["differed"] = std::move(differed);
        kinds[RecordKindName(kind)] = std::move(entry);
    }
    nlohmann::ordered_json json = {{"kinds", std::move(kinds)},
                                   {"differedNotListed", report.differed.NotListed()}};
    return json.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

} // namespace zyntra
