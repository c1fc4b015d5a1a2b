#pragma once

#include <map>
#include <string>

namespace zyntra {

// A record whose texts could not be converted whole when it was loaded (a character the
// interface charset lacks, a text longer than the conversion buffer) shows cut texts. It is
// read-only: it keeps the texts exactly as the database stored them, and the writers write
// those, never the cut ones, so the full text survives a synchronisation or a backup.
struct StoredForm {
    bool readOnly = false;
    // Column name -> the column's value as stored; filled only while readOnly.
    std::map<std::string, std::string, std::less<>> columns;
};

} // namespace zyntra
