#pragma once

#include <string>

namespace zyntra {

// The folder of the running executable, with a trailing '/'. Every shipped
// file (language file, shims, templates, working copies, backups) is found
// relative to it, never relative to the working directory.
const std::string& ProgramFolder();

// The running executable's own path ("" when it cannot be read).
std::string ExecutablePath();

// Points the process at another program folder; tests build one in a
// temporary directory.
void SetProgramFolder(std::string folder);

} // namespace zyntra
