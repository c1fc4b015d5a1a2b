#pragma once

#include "personal/merge_rules.h"
#include "personal/record_writers.h"
#include "storage/db_statement.h"

#include <optional>
#include <string>
#include <string_view>

namespace zyntra {

// Runs a statement of a writer through the writer's prepared statements. A failure, also of a
// statement too long to run, shows "* SQL error, cmd=%s, rc=%d (%s).\n" and is counted; the
// result is whether it ran.
bool RunReported(WriterContext& context, DbStatements& statements, const BoundStatement& statement);

// Shows and counts the last statement of `statements` as failed with result rc.
void ReportFailed(WriterContext& context, const DbStatements& statements, int rc);

// Runs a statement whose failure the caller answers for; the result is whether it ran.
bool RunQuietly(sqlite3* db, std::string_view statement);

// A scratch copy is thrown away when its run fails, so its connection keeps the journal in
// memory (failed statements and transactions still roll back) and never waits for the medium;
// the copy back flushes the finished file once. Never for a file that is kept.
void UseScratchJournal(sqlite3* db);

// The largest id of a table before the first insert: 0 for an empty table, nothing when the
// count or the max statement fails.
std::optional<int> LargestId(sqlite3* db, std::string_view countStatement,
                             std::string_view maxStatement);

// The id of the next insert after `last`, which it then is. After the largest int there is
// none: the insert is refused, shown as a failed statement of the table and counted, and
// `last` stays.
std::optional<int> NextInsertId(WriterContext& context, int& last, std::string_view table);

// Runs a writer's find statement and decides for one record. Rules supplies the threshold,
// the compared fields and the column holding the row's id (and, for the merge, the kind and
// the record's short name). A find that fails (one too long to
// run, for a long key) is shown and counted, and the record is left out: without knowing its
// row, an insert could only add it a second time.
template <class Rules>
std::optional<MergeDecision>
FindAndDecide(WriterContext& context, DbStatements& statements, const MergeRun& run,
              const typename Rules::Record& record, const typename Rules::Forms& forms) {
    std::vector<MatchedRow> matched;
    const int rows = statements.Run(Rules::FindStatement(forms), [&](const DbRows& found) {
        MatchCount count = Rules::Compare(found, 1, record, forms);
        if (count.matches >= Rules::kThreshold)
            matched.push_back({DecimalValue(found.Value(1, Rules::kIdColumn)), count.differences});
    });
    if (rows < 0) {
        ReportFailed(context, statements, rows);
        return std::nullopt;
    }
    return run.Decide(matched, record.id, context.syncMode);
}

// Counts a record under its outcome and names it when it differed from its row. `name` makes
// the name, only then.
template <class MakeName>
void TallyAndName(WriterContext& context, RecordKind kind, MergeOutcome outcome, MakeName&& name) {
    Tally(context.counts, outcome);
    if (std::optional<DifferedAction> action = DifferedActionOf(outcome))
        context.differed.Add({kind, name(), *action});
}

// The merge of one list: ids for inserts continue after the table's largest id.
template <class Rules>
void MergeRecords(WriterContext& context, const RecordList<typename Rules::Record>& list) {
    std::optional<int> nextId;
    MergeRun run;
    DbStatements statements(context.db);
    for (const auto& record : list) {
        if (!nextId) {
            nextId = LargestId(context.db, Rules::kCountStatement, Rules::kMaxStatement);
            if (!nextId) {
                context.stopped = true;
                return;
            }
        }
        typename Rules::Forms forms = Rules::MakeForms(*record);
        std::optional<MergeDecision> found =
            FindAndDecide<Rules>(context, statements, run, *record, forms);
        if (!found)
            continue;
        MergeDecision decision = *found;
        if (decision.action == MergeAction::Insert) {
            std::optional<int> id = NextInsertId(context, *nextId, Rules::kTable);
            if (!id)
                continue;
            decision.rowId = *id;
        }
        run.Claim(decision.rowId);
        const auto name = [&] { return Rules::ShortName(*record); };
        if (decision.action == MergeAction::Skip) {
            TallyAndName(context, Rules::kKind, decision.outcome, name);
            continue;
        }
        if (RunReported(context, statements,
                        decision.action == MergeAction::Insert
                            ? Rules::InsertStatement(decision.rowId, *record, forms)
                            : Rules::UpdateStatement(decision.rowId, *record, forms)))
            TallyAndName(context, Rules::kKind, decision.outcome, name);
    }
}

} // namespace zyntra
