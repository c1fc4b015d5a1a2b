#pragma once

#include "personal/record_writers.h"

namespace zyntra {

// Merge a user dictionary into the open scratch copy of its database (slot 2 or 3) and rebuild
// the table headword in the dictionary's sort order, hw_id running from 1, then compact the
// file. Texts are stored as plain UTF-8. Everything up to the compaction is one transaction:
// the result is false when any table-level step failed, the transaction was rolled back, and
// the scratch copy must not replace the database. A failed entry is shown and skipped.
bool RebuildECUser(WriterContext& context, const RecordList<ECUSER>& list);
bool RebuildCEUser(WriterContext& context, const RecordList<CEUSER>& list);

} // namespace zyntra
