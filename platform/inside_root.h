#pragma once

#include <string>
#include <sys/types.h>

namespace zyntra {

// A removable medium is not trusted: its files are reached only below the storage root they
// belong to, never through a symbolic link (which a crafted medium could point at the
// computer's own files), and only when they are regular files (a FIFO or device node would
// block a read or do something else entirely). Every open, create, folder making and mode
// change of a device file goes through these.

// Whether path is root (non-empty, ending in '/') or lies below it, with no ".." component and
// no existing component below root that is a symbolic link. Components that do not
// exist yet are fine: whatever is made there is made inside.
bool IsInsideRoot(const std::string& root, const std::string& path);

// Whether path itself is a regular file; a link to one is not.
bool IsRegularFile(const std::string& path);

// open(2) of a regular file without following a link in the last component, and without
// waiting on a FIFO: anything but a regular file is refused (-1, errno EINVAL) before it is
// opened for reading or writing. The descriptor is close-on-exec and blocking.
int OpenRegularFile(const std::string& path, int flags, mode_t mode = 0);

// IsInsideRoot, then OpenRegularFile; -1 when either refuses.
int OpenInsideRoot(const std::string& root, const std::string& path, int flags, mode_t mode = 0);

// Makes path and the folders above it up to root, each a real folder: false when one cannot be
// made, or is a link or no folder. Only what lies below root is made or checked.
bool MakeFoldersInsideRoot(const std::string& root, const std::string& path);

} // namespace zyntra
