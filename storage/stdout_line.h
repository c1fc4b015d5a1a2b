#pragma once

#include <cstdio>

namespace zyntra {

// Writes one fixed line of the storage layer to standard output and flushes
// it, so the lines keep their order with anything else the process prints.
void StdoutLine(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Where the lines go. The command line sends them to standard error, so that
// its standard output carries nothing but results.
void SetLowLevelLineStream(std::FILE* stream);
std::FILE* LowLevelLineStream();

} // namespace zyntra
