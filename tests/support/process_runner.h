#pragma once

#include <string>
#include <vector>

namespace zyntra::test {

// One run of a program, started directly (no shell) with exactly the given
// environment.
struct ProcessRequest {
    std::string program; // an absolute path
    std::vector<std::string> args;
    std::vector<std::string> environment; // "NAME=value"
    std::string input;                    // written to standard input, which is then closed
    std::string outputFile; // when set, standard output is this file (opened for writing)
};

struct ProcessResult {
    // The exit status; 128 + the signal number when a signal ended it.
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the program to its end. Failing to start it throws std::runtime_error.
ProcessResult RunProcess(const ProcessRequest& request);

} // namespace zyntra::test
