#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zyntra {

// Paths from a device's content index (hw_path, hw_name) placed below a
// storage root. The device writes "\" between folders; both "\" and "/"
// separate components here. A path that could leave the root gives nothing:
// one that is absolute (starts with a separator), or has a ".." component or
// a zero byte. Empty and "." components are dropped.

// base (ending in '/') followed by the folders of hwPath, ending in '/'; base
// itself for an empty hwPath.
std::optional<std::string> ContentFolderPath(const std::string& base, std::string_view hwPath);

// The folder of hwPath below base, then hwName, which must name something
// (an empty or "." name gives nothing). No trailing '/'.
std::optional<std::string> ContentEntryPath(const std::string& base, std::string_view hwPath,
                                            std::string_view hwName);

// ASCII letters upper-cased; bytes from 0x80 up are kept, so UTF-8 names stay whole.
std::string UpperCasedAscii(std::string_view text);

} // namespace zyntra
