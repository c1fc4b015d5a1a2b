#pragma once

namespace zyntra {

// The operating-system code read at start-up. Its codes name Windows versions
// only, so on Linux it is always 0. It exists because start-up records it
// where the Windows program did; transfers do not follow it and always run
// file by file, which puts the same files into the same folders.
int GetOsVersionCode();

} // namespace zyntra
