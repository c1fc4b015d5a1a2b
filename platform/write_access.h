#pragma once

#include <string>
#include <vector>

namespace zyntra {

// Whether this user may write some files and folders.
enum class WriteAccess {
    Writable,
    ReadOnlyMount, // the file system holding one of them is mounted read-only
    NotWritable,   // one of them refuses this user: another owner, or no write permission
};

// Checks each path that exists; a missing one is passed over (writing it makes it anew). A
// read-only mount wins over a refused permission: remounting is what the user must do first.
WriteAccess WriteAccessOf(const std::vector<std::string>& paths);

} // namespace zyntra
