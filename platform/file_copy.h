#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zyntra {

enum class CopyOutcome { Copied, Cancelled, Failed };

struct CopyResult {
    CopyOutcome outcome = CopyOutcome::Failed;
    std::string error; // why it failed; empty otherwise

    bool Copied() const { return outcome == CopyOutcome::Copied; }
};

// Told the bytes copied so far and the file's size, first with 0 before
// anything is written; returning false cancels the copy.
using CopyProgress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

// Copies a regular file so that the target never looks complete before it
// is: the bytes go to a hidden temporary file in the target's folder, are
// flushed to the medium, and the file is renamed over the target (replacing
// it only when replaceExisting is set). Permissions and times follow the
// source. A failed or cancelled copy leaves the target as it was, the source
// untouched and no temporary file behind.
CopyResult CopyFileAtomically(const std::string& source, const std::string& target,
                              bool replaceExisting, const CopyProgress& progress = {});

// Flushes everything still cached for the file systems holding these folders, and the folders'
// own entries, so that "done" means on the medium: a removable one may be pulled out as soon as
// this returns. The flush runs on a thread of its own; whileWaiting is called every few
// hundredths of a second until it ends, so that a window stays responsive.
void FlushFolders(const std::vector<std::string>& folders,
                  const std::function<void()>& whileWaiting = {});

// The temporary files are named ".zyntra-XXXXXX.part"; a folder listing may
// skip them.
bool IsTemporaryCopyName(std::string_view fileName);

} // namespace zyntra
