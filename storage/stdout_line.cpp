#include "storage/stdout_line.h"

#include <cstdarg>

namespace zyntra {
namespace {

std::FILE* lineStream = nullptr; // null: standard output

} // namespace

void SetLowLevelLineStream(std::FILE* stream) { lineStream = stream; }

std::FILE* LowLevelLineStream() { return lineStream != nullptr ? lineStream : stdout; }

void StdoutLine(const char* format, ...) {
    std::FILE* out = LowLevelLineStream();
    va_list args;
    va_start(args, format);
    std::vfprintf(out, format, args);
    va_end(args);
    std::fflush(out);
}

} // namespace zyntra
