#include "personal/merge_rules.h"

#include <algorithm>
#include <iterator>

namespace zyntra {

void MatchCount::CompareText(const char* rowValue, const DbText& text) {
    if (rowValue == nullptr && text.empty)
        return;
    if (TextEquals(rowValue, text))
        ++matches;
    else
        ++differences;
}

void MatchCount::CompareInteger(const char* rowValue, int value) {
    if (DecimalEquals(rowValue, value))
        ++matches;
    else
        ++differences;
}

void MatchCount::DifferIfInteger(const char* rowValue, int value) {
    if (!DecimalEquals(rowValue, value))
        ++differences;
}

MergeDecision MergeRun::Decide(const std::vector<MatchedRow>& matched, int recordId,
                               int syncMode) const {
    const MatchedRow* same = nullptr;
    for (const MatchedRow& row : matched)
        if (row.differences == 0 && (same == nullptr || (Claimed(*same) && !Claimed(row))))
            same = &row;
    if (same != nullptr)
        return {MergeAction::Skip, same->rowId, MergeOutcome::SkippedEqual};
    std::vector<MatchedRow> open;
    std::copy_if(matched.begin(), matched.end(), std::back_inserter(open),
                 [this](const MatchedRow& row) { return !Claimed(row); });
    if (open.empty())
        return {MergeAction::Insert, 0,
                matched.empty() ? MergeOutcome::Added : MergeOutcome::KeptTwice};
    auto own = std::find_if(open.begin(), open.end(),
                            [recordId](const MatchedRow& row) { return row.rowId == recordId; });
    const int rowId = own != open.end() ? own->rowId : open.front().rowId;
    switch (syncMode) {
    case 0:
        return {MergeAction::Update, rowId, MergeOutcome::Updated};
    case 1:
        return {MergeAction::Skip, rowId, MergeOutcome::LeftAlone};
    default:
        return {MergeAction::Insert, 0, MergeOutcome::KeptTwice};
    }
}

std::optional<DifferedAction> DifferedActionOf(MergeOutcome outcome) {
    switch (outcome) {
    case MergeOutcome::Updated:
        return DifferedAction::Updated;
    case MergeOutcome::KeptTwice:
        return DifferedAction::KeptTwice;
    case MergeOutcome::LeftAlone:
        return DifferedAction::LeftAlone;
    default:
        return std::nullopt;
    }
}

void Tally(KindCounts& counts, MergeOutcome outcome) {
    switch (outcome) {
    case MergeOutcome::Added:
        ++counts.added;
        break;
    case MergeOutcome::Updated:
        ++counts.updated;
        break;
    case MergeOutcome::KeptTwice:
        ++counts.keptTwice;
        break;
    case MergeOutcome::LeftAlone:
        ++counts.leftAlone;
        break;
    case MergeOutcome::SkippedEqual:
        ++counts.skippedEqual;
        break;
    }
}

} // namespace zyntra
