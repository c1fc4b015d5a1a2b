#include "storage/stdout_line.h"

#include <cstdarg>
#include <cstdio>

namespace zyntra {

void StdoutLine(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vfprintf(stdout, format, args);
    va_end(args);
    std::fflush(stdout);
}

} // namespace zyntra
