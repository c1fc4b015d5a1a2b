#pragma once

#include <string>

namespace zyntra::bench {

// Work measured in a process of its own, so that its time and peak memory are its alone. Each
// prints its figures to standard output as "name value" lines and returns the exit code.

// The window model's start-up, FormCreate until the window is shown, with the program folder
// given and the platform as the environment describes it (volume table, home, locale).
int StartupProbe(const std::string& programFolder);

// The content scan of a whole tree into the file lists, as for a device of codes B / 02.
int ListingProbe(const std::string& root);

} // namespace zyntra::bench
