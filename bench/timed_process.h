#pragma once

#include <string>
#include <vector>

namespace zyntra::bench {

// One whole run of a program: started directly (no shell) with exactly the given environment.
struct TimedCommand {
    std::string program; // an absolute path, or a name looked up in PATH
    std::vector<std::string> args;
    std::vector<std::string> environment; // "NAME=value"; empty: the bench's own environment
    std::string outputFile;               // standard output; empty: discarded
    double timeLimit = 0;                 // seconds after which the child is killed; 0: none
};

struct ProcessTiming {
    double seconds = 0;   // wall time from fork to the end of the child
    long peakRssKb = 0;   // the child's ru_maxrss
    int exitCode = -1;    // 128 + the signal when a signal ended it
    std::string errors;   // what the child wrote to standard error
    bool stopped = false; // killed at the time limit: seconds is a lower bound
};

// Runs the program to its end; failing to start it throws std::runtime_error.
ProcessTiming RunTimed(const TimedCommand& command);

// Runs it and throws std::runtime_error with its standard error unless it exits with 0 or was
// stopped at its time limit.
ProcessTiming RunChecked(const TimedCommand& command);

} // namespace zyntra::bench
