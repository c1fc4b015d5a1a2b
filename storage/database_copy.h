#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace zyntra {

// The one way this subsystem copies a database file (start-up reset,
// synchronisation, backup, restore). The copy goes to a temporary name beside
// the target, is flushed to the medium and then renamed over the target, so
// the target is either the old file or the complete new one, also when the
// device is pulled out mid-copy. The target then gets the archive attribute
// alone (writable). Returns false, with the target untouched, on any failure.
// The source must be a regular file and is never reached through a link in its
// last component; a link or other file standing under the target's name is
// replaced, never written through.
//
// mayReplace, when given, is asked once the copy is complete and just before the target is
// replaced: false (the target or its medium is no longer the one the caller read) makes the
// copy fail with the target untouched.
using ReplaceCheck = std::function<bool()>;
bool CopyDatabaseFile(const std::string& source, const std::string& target,
                      const ReplaceCheck& mayReplace = {});

struct DatabaseFileCopy {
    std::string source;
    std::string target;
};

// Copies several files as one set, each the way CopyDatabaseFile does: every copy is complete
// and flushed under its temporary name before any target is replaced, and a target that cannot
// be replaced puts back those replaced before it. The result is the indexes of the copies that
// failed; when it is not empty, every target is as it was. mayReplace is asked once, before the
// first target is replaced; false fails every copy.
std::vector<std::size_t> CopyDatabaseFiles(const std::vector<DatabaseFileCopy>& copies,
                                           const ReplaceCheck& mayReplace = {});

// Test seam: consulted after the data reached the temporary file and before
// it replaces the target; returning false makes the copy fail at that point.
// An empty function (the default) lets every copy through.
using CopyFaultHook = std::function<bool(const std::string& target)>;
void SetCopyFaultHook(CopyFaultHook hook);

// Makes good what a copy cut off half-way (the medium pulled out) left beside a target: a
// missing target gets back the file that stood aside for a set replacement, and the staged
// and set-aside files go. To be run before anything decides that the target is missing.
void RecoverInterruptedCopy(const std::string& target);

} // namespace zyntra
