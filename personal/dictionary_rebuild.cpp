#include "personal/dictionary_rebuild.h"

#include "personal/writer_support.h"
#include "storage/sql_text.h"

#include <initializer_list>

namespace zyntra {
namespace {

struct DictionaryVariant {
    int dictId;
    const char* createHeadword;
    bool journalOffWhenCreated;
    const char* sortedInsert;
};

const DictionaryVariant kECVariant = {
    71,
    "CREATE TABLE headword(dict_id INTEGER NOT NULL, hw_id INTEGER PRIMARY KEY, hw_name "
    "TEXT\tNOT NULL COLLATE NOCASE, hw_match TEXT NOT NULL COLLATE NOCASE, type TEXT NOT NULL, "
    "exp TEXT NOT NULL);",
    true,
    "INSERT INTO temp (dict_id, hw_name, hw_match, type, exp) SELECT dict_id, hw_name, "
    "lower(hw_match), type, exp FROM tmp ORDER BY lower(hw_match);",
};

const DictionaryVariant kCEVariant = {
    72,
    "CREATE TABLE headword(dict_id INTEGER  NOT NULL, hw_id INTEGER  PRIMARY KEY, hw_name TEXT "
    "NOT NULL COLLATE NOCASE, hw_match TEXT NOT NULL COLLATE NOCASE, type TEXT NOT NULL, exp "
    "TEXT NOT NULL);",
    false,
    "INSERT INTO temp (dict_id, hw_name, hw_match, type, exp) SELECT dict_id, hw_name, "
    "hw_match, type, exp FROM tmp ORDER BY hw_match;",
};

bool Run(sqlite3* db, std::string_view statement) {
    ScopedQuery q(db);
    int rc = db_query(q, statement);
    db_free(q);
    return rc >= 0;
}

bool RunAll(sqlite3* db, std::initializer_list<std::string_view> statements) {
    for (std::string_view statement : statements)
        if (!Run(db, statement))
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
                       "DROP TABLE IF EXISTS temp;",
                       "CREATE TABLE temp(dict_id INTEGER NOT NULL, hw_name TEXT\tNOT NULL COLLATE "
                       "NOCASE, hw_match TEXT NOT NULL COLLATE NOCASE, type TEXT NOT NULL, exp "
                       "TEXT NOT NULL);"});
}

struct EntryForms {
    DbText type, exp;
};

MergeDecision DecideEntry(WriterContext& context, const MergeRun& run, const UserDictEntry& entry,
                          const EntryForms& forms) {
    ScopedQuery q(context.db);
    int rows = db_query(q, "select rowid, hw_name, hw_match, type, exp from tmp where hw_name = " +
                               SqlQuoted(entry.storedHeadword) + ";");
    std::vector<MatchedRow> found;
    for (int row = 1; row <= rows; ++row) {
        int differences = (TextEquals(RowValue(q, row, 3), forms.type) ? 0 : 1) +
                          (TextEquals(RowValue(q, row, 4), forms.exp) ? 0 : 1);
        found.push_back({DecimalValue(RowValue(q, row, 0)), differences});
    }
    db_free(q);
    // Entries carry no row id of their own.
    return run.Decide(found, 0, context.syncMode);
}

std::string EntryStatement(const DictionaryVariant& variant, const UserDictEntry& entry,
                           const EntryForms& forms, const MergeDecision& decision) {
    const std::string id = std::to_string(variant.dictId);
    if (decision.action == MergeAction::Insert)
        return "insert into tmp values( " + id + ", " + SqlQuoted(entry.storedHeadword) + ", " +
               SqlQuoted(entry.hw_match) + ", " + Quoted(forms.type) + ", " + Quoted(forms.exp) +
               ");";
    return "update tmp set dict_id=" + id + ", hw_name=" + SqlQuoted(entry.storedHeadword) +
           ", hw_match=" + SqlQuoted(entry.hw_match) + ", type=" + Quoted(forms.type) +
           ", exp=" + Quoted(forms.exp) + " where rowid=" + std::to_string(decision.rowId) + ";";
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
    for (const auto& entry : list) {
        EntryForms forms{WriterText(entry->stored, "type", entry->type, false),
                         WriterText(entry->stored, "exp", entry->exp, false)};
        MergeDecision decision = DecideEntry(context, run, *entry, forms);
        if (decision.action == MergeAction::Insert)
            decision.rowId = ++*lastRowid;
        run.Claim(decision.rowId);
        if (decision.action == MergeAction::Skip ||
            RunReported(context, EntryStatement(variant, *entry, forms, decision)))
            Tally(context.counts, decision.outcome);
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
    if (!Run(context.db, "BEGIN;"))
        return false;
    bool created = false;
    bool done = EnsureHeadword(context.db, variant, created) && PrepareWorkTables(context.db) &&
                MergeEntries(context, variant, list) && RebuildSorted(context.db, variant);
    // A statement error can end the transaction early; then COMMIT fails as well.
    if (!done || !Run(context.db, "COMMIT;")) {
        Run(context.db, "ROLLBACK;");
        return false;
    }
    // Without a journal nothing could be rolled back, so it is switched off only now.
    if (created && variant.journalOffWhenCreated && !Run(context.db, "PRAGMA  journal_mode = OFF;"))
        return true;
    return Run(context.db, "VACUUM;");
}

} // namespace

bool RebuildECUser(WriterContext& context, const RecordList<ECUSER>& list) {
    return Rebuild(context, kECVariant, list);
}

bool RebuildCEUser(WriterContext& context, const RecordList<CEUSER>& list) {
    return Rebuild(context, kCEVariant, list);
}

} // namespace zyntra
