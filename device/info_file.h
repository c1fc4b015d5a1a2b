#pragma once

#include "device/info_header.h"

#include <optional>
#include <string>

namespace zyntra {

// The first 256 bytes of a drive's "_info.dat". A shorter file fills the
// front of a zero-filled header, so no byte of an earlier read survives.
// Nothing when the file is missing or cannot be read, or is a link or no
// regular file (a FIFO under the name must not hold up a scan).
std::optional<InfoHeaderBytes> ReadInfoFile(const std::string& path);

} // namespace zyntra
