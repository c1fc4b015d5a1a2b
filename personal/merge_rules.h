#pragma once

#include "personal/run_report.h"
#include "personal/text_forms.h"

#include <optional>
#include <set>
#include <vector>

namespace zyntra {

// How well one database row found by a record's key matches the record. The key itself is the
// first match; each compared field that is equal adds a match, each that differs a difference.
struct MatchCount {
    int matches = 1;
    int differences = 0;

    // A field counted as match or difference. An empty text against NULL counts as neither.
    void CompareText(const char* rowValue, const DbText& text);
    void CompareInteger(const char* rowValue, int value);
    // A field that can only make a difference.
    void DifferIfInteger(const char* rowValue, int value);
};

// A row that reached the writer's threshold: its id (rowid for the dictionaries) and how many
// fields differ.
struct MatchedRow {
    int rowId = 0;
    int differences = 0;
};

enum class MergeAction { Insert, Update, Skip };

// Why a decision was taken, for the counts of a run (KindCounts says what each one means).
enum class MergeOutcome { Added, Updated, KeptTwice, LeftAlone, SkippedEqual };

struct MergeDecision {
    MergeAction action = MergeAction::Insert;
    int rowId = 0; // the row an update writes, or the row a skipped record was found in
    MergeOutcome outcome = MergeOutcome::Added;
};

// Counts one record under its outcome.
void Tally(KindCounts& counts, MergeOutcome outcome);

// What was done with a record that differed from its row; nothing for one added or equal.
std::optional<DifferedAction> DifferedActionOf(MergeOutcome outcome);

// The decisions of one writer run, record by record among the rows that reached the threshold
// (in result order): none reached, insert; otherwise mode 0 updates, mode 1 skips, mode 2
// inserts, unless the record is there already.
//
// Within a run each row answers for one in-memory record only. A row that an earlier record
// of the run was found equal to, updated, inserted or (mode 1) gave way to is claimed: a later
// record equal to it is skipped, but one that differs is inserted instead of being written
// over it or dropped for it, so two records of one key never overwrite each other. A row
// without differences means the record is there already, whatever the mode and wherever that
// row stands. An update goes to the matched row that carries the record's own id, else to the
// first one that matched.
class MergeRun {
public:
    MergeDecision Decide(const std::vector<MatchedRow>& matched, int recordId, int syncMode) const;
    // The row a decision (or the insert that followed it) settled on.
    void Claim(int rowId) { claimed_.insert(rowId); }

private:
    bool Claimed(const MatchedRow& row) const { return claimed_.count(row.rowId) != 0; }

    std::set<int> claimed_;
};

} // namespace zyntra
