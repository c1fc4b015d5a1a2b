#pragma once

namespace zyntra {

// Writes one fixed line of the storage layer to standard output and flushes
// it, so the lines keep their order with anything else the process prints.
void StdoutLine(const char* format, ...) __attribute__((format(printf, 1, 2)));

} // namespace zyntra
