#include "personal/dictionary_rebuild.h"

#include "personal/record_statements.h"
#include "personal/writer_support.h"

#include <initializer_list>

namespace zyntra {
namespace {

struct DictionaryVariant {
    RecordKind kind;
    int dictId;
    const char* createHeadword;
    bool journalOffWhenCreated;
    const char* sortedInsert;
};

const DictionaryVariant kECVariant = {
    RecordKind::ECUser,
    71,
    "CREATE TABLE headword(dict_id INTEGER NOT NULL, hw_id INTEGER PRIMARY KEY, hw_name "
    "TEXT\tNOT NULL COLLATE NOCASE, hw_match TEXT NOT NULL COLLATE NOCASE, type TEXT NOT NULL, "
    "exp TEXT NOT NULL);",
    true,
    "INSERT INTO temp (dict_id, hw_name, hw_match, type, exp) SELECT dict_id, hw_name, "
    "lower(hw_match), type, exp FROM tmp ORDER BY lower(hw_match);",
};

const DictionaryVariant kCEVariant = {
    RecordKind::CEUser,
    72,
    "CREATE TABLE headword(dict_id INTEGER  NOT NULL, hw_id INTEGER  PRIMARY KEY, hw_name TEXT "
    "NOT NULL COLLATE NOCASE, hw_match TEXT NOT NULL COLLATE NOCASE, type TEXT NOT NULL, exp "
    "TEXT NOT NULL);",
    false,
    "INSERT INTO temp (dict_id, hw_name, hw_match, type, exp) SELECT dict_id, hw_name, "
    "hw_match, type, exp FROM tmp ORDER BY hw_match;",
};

bool RunAll(sqlite3* db, std::initializer_list<std::string_view> statements) {
    for (std::string_view statement : statements)
        if (!RunQuietly(db, statement))
            return false;
    return true;
}

// Creates a missing headword table; `created` tells whether it had to.
bool EnsureHeadword(sqlite3* db, const DictionaryVariant& variant, bool& created) {
    ScopedQuery q(db);
    int rows =
        db_query(q, "select name from sqlite_master where type = 'table' and name = 'headword';");
    db_free(q);
    if (rows < 0)
        return false;
    if (q.ncol != 0)
        return true;
    created = true;
    return RunAll(db, {"DROP TABLE IF EXISTS headword;", variant.createHeadword,
                       "CREATE INDEX i_headword1 ON headword (hw_id);",
                       "CREATE INDEX i_headword2 ON headword (hw_name);",
                       "CREATE INDEX i_headword3 ON headword (hw_match);"});
}

bool PrepareWorkTables(sqlite3* db) {
    return RunAll(db, {"DROP TABLE IF EXISTS tmp;",
                       "CREATE TABLE tmp AS SELECT dict_id, hw_name, hw_match, type, exp FROM "
                       "headword;",
                       // Every entry merged looks its headword up; the index goes with tmp.
                       "CREATE INDEX IF NOT EXISTS tmp_hw_name ON tmp (hw_name);",
                       "DROP TABLE IF EXISTS temp;",
                       "CREATE TABLE temp(dict_id INTEGER NOT NULL, hw_name TEXT\tNOT NULL COLLATE "
                       "NOCASE, hw_match TEXT NOT NULL COLLATE NOCASE, type TEXT NOT NULL, exp "
                       "TEXT NOT NULL);"});
}

// The find statement selects the rowid before the listed columns.
int FoundColumn(std::string_view name) {
    return 1 + HeadwordFindColumns().PositionOf(name);
}

// Nothing, after showing and counting the failure, when the find cannot run.
std::optional<MergeDecision> DecideEntry(WriterContext& context, DbStatements& statements,
                                         const MergeRun& run, const FieldValues& values) {
    static const std::size_t type = kUserDictFields.IndexOf("type");
    static const std::size_t exp = kUserDictFields.IndexOf("exp");
    std::vector<MatchedRow> found;
    const int rows = statements.Run(HeadwordFindStatement(values), [&](const DbRows& row) {
        int differences = (TextEquals(row.Value(1, FoundColumn("type")), values[type]) ? 0 : 1) +
                          (TextEquals(row.Value(1, FoundColumn("exp")), values[exp]) ? 0 : 1);
        found.push_back({DecimalValue(row.Value(1, 0)), differences});
    });
    // Inserting an entry whose row could not be looked up could only add it a second time.
    if (rows < 0) {
        ReportFailed(context, statements, rows);
        return std::nullopt;
    }
    // Entries carry no row id of their own.
    return run.Decide(found, 0, context.syncMode);
}

BoundStatement EntryStatement(const FieldValues& values, const MergeDecision& decision) {
    if (decision.action == MergeAction::Insert)
        return HeadwordInsertStatement(values);
    return HeadwordUpdateStatement(decision.rowId, values);
}

template <class Entry>
bool MergeEntries(WriterContext& context, const DictionaryVariant& variant,
                  const RecordList<Entry>& list) {
    if (list.empty())
        return true;
    // tmp has no key of its own: an insert takes the rowid after the largest.
    std::optional<int> lastRowid =
        LargestId(context.db, "select count(rowid) from tmp;", "select max(rowid) from tmp;");
    if (!lastRowid)
        return false;
    MergeRun run;
    DbStatements statements(context.db);
    for (const auto& entry : list) {
        const FieldValues values = HeadwordValues(variant.dictId, *entry);
        std::optional<MergeDecision> found = DecideEntry(context, statements, run, values);
        if (!found)
            continue;
        MergeDecision decision = *found;
        if (decision.action == MergeAction::Insert) {
            std::optional<int> rowid = NextInsertId(context, *lastRowid, "tmp");
            if (!rowid)
                continue;
            decision.rowId = *rowid;
        }
        run.Claim(decision.rowId);
        if (decision.action == MergeAction::Skip ||
            RunReported(context, statements, EntryStatement(values, decision)))
            TallyAndName(context, variant.kind, decision.outcome, [&] { return entry->hw_name; });
    }
    return true;
}

bool RebuildSorted(sqlite3* db, const DictionaryVariant& variant) {
    return RunAll(db, {variant.sortedInsert, "DELETE FROM headword;",
                       "INSERT INTO headword (dict_id, hw_id, hw_name, hw_match, type, exp) SELECT "
                       "dict_id, rowid, hw_name, hw_match, type, exp FROM temp ORDER BY rowid;",
                       "DROP TABLE IF EXISTS tmp;", "DROP TABLE IF EXISTS temp;"});
}

template <class Entry>
bool Rebuild(WriterContext& context, const DictionaryVariant& variant,
             const RecordList<Entry>& list) {
    if (!RunQuietly(context.db, "BEGIN;"))
        return false;
    bool created = false;
    bool done = EnsureHeadword(context.db, variant, created) && PrepareWorkTables(context.db) &&
                MergeEntries(context, variant, list) && RebuildSorted(context.db, variant);
    // A statement error can end the transaction early; then COMMIT fails as well.
    if (!done || !RunQuietly(context.db, "COMMIT;")) {
        RunQuietly(context.db, "ROLLBACK;");
        return false;
    }
    // Without a journal nothing could be rolled back, so it is switched off only now.
    if (created && variant.journalOffWhenCreated &&
        !RunQuietly(context.db, "PRAGMA  journal_mode = OFF;"))
        return true;
    return RunQuietly(context.db, "VACUUM;");
}

} // namespace

bool RebuildECUser(WriterContext& context, const RecordList<ECUSER>& list) {
    return Rebuild(context, kECVariant, list);
}

bool RebuildCEUser(WriterContext& context, const RecordList<CEUSER>& list) {
    return Rebuild(context, kCEVariant, list);
}

} // namespace zyntra
