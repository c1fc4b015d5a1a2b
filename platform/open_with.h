#pragma once

#include <string>

namespace zyntra {

// Opens the file with the program the desktop associates with it: the
// opener (xdg-open, or the program ZYNTRA_OPENER names) is started with the
// path as its one argument, never through a shell, in a session of its own,
// and not waited for. Returns false when the opener could not be started.
bool OpenWithDefaultProgram(const std::string& path);
bool OpenWithDefaultProgram(const std::string& path, const std::string& opener);

// ZYNTRA_OPENER when set, else "xdg-open".
std::string DefaultOpener();

} // namespace zyntra
