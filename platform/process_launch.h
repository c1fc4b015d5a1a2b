#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace zyntra {

// Starts argv[0], looked up on PATH, with the given arguments passed as they
// are (never through a shell), in a session of its own and with standard
// input from /dev/null. The caller does not wait: a background thread reaps
// the child when it ends, so no zombie is left. Returns the child's process
// id, or nothing when the program could not be started.
std::optional<pid_t> StartDetached(const std::vector<std::string>& argv);

// Whether an executable of that name is found on PATH (a name with a '/' is
// checked as a path).
bool ProgramOnPath(std::string_view name);

} // namespace zyntra
