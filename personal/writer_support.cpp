#include "personal/writer_support.h"

#include "kit/message_box.h"

#include <limits>

namespace zyntra {

bool RunReported(WriterContext& context, DbStatements& statements,
                 const BoundStatement& statement) {
    int rc = statements.Run(statement);
    if (rc >= 0)
        return true;
    ReportFailed(context, statements, rc);
    return false;
}

void ReportFailed(WriterContext& context, const DbStatements& statements, int rc) {
    ++context.failedStatements;
    context.messages.Show("* SQL error, cmd=" + statements.LastText() +
                          ", rc=" + std::to_string(rc) + " (" + statements.Error() + ").\n");
}

bool RunQuietly(sqlite3* db, std::string_view statement) {
    ScopedQuery q(db);
    int rc = db_query(q, statement);
    db_free(q);
    return rc >= 0;
}

void UseScratchJournal(sqlite3* db) {
    // Without these the writes are only slower, never wrong.
    RunQuietly(db, "PRAGMA journal_mode = MEMORY;");
    RunQuietly(db, "PRAGMA synchronous = OFF;");
}

std::optional<int> LargestId(sqlite3* db, std::string_view countStatement,
                             std::string_view maxStatement) {
    std::optional<int> count = CountOf(db, countStatement);
    if (!count || *count == 0)
        return count;
    return CountOf(db, maxStatement);
}

std::optional<int> NextInsertId(WriterContext& context, int& last, std::string_view table) {
    if (last < std::numeric_limits<int>::max())
        return ++last;
    ++context.failedStatements;
    context.messages.Show("* No row id is left for an insert into " + std::string(table) +
                          " after " + std::to_string(last) + ".\n");
    return std::nullopt;
}

} // namespace zyntra
