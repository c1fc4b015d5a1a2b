#pragma once

#include <string>

namespace zyntra {

// The Linux reading of "archive attribute only": the file becomes writable
// for its owner, and on a FAT file system its read-only, hidden and system
// attributes are cleared and the archive attribute set. Returns false when
// the file could not be changed, or is a link or no regular file (left alone).
bool SetArchiveOnly(const std::string& path);

} // namespace zyntra
