#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zyntra {

// Which file stands under a name, and as what: the same identity before and after a piece of
// work means nobody replaced, wrote or swapped the medium under it meanwhile (a device pulled
// out and another plugged in at the same mount point gives other inodes).
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;

    bool operator==(const FileIdentity&) const = default;
};

// The identity of what the name itself holds (a link is not followed); nothing when there is
// nothing under the name.
std::optional<FileIdentity> FileIdentityOf(const std::string& path);

} // namespace zyntra
