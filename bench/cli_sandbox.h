#pragma once

#include "bench/timed_process.h"

#include <string>
#include <vector>

namespace zyntra::bench {

// Everything one run of zyntra-cli sees, under one folder: a copy of the program folder (the
// executable hard-linked), a home, a runtime folder and a simulated volume table that plugs
// in one device's internal memory.
class CliSandbox {
public:
    CliSandbox(const std::string& builtProgramFolder, const std::string& folder);

    // The device made anew from the fixture databases (the empty templates for "").
    void ResetDevice(const std::string& fixtureFolder) const;
    void ClearBackup() const;
    // Working copies as the build lays them out and no scratch copy: a run stopped half-way
    // leaves them in any state.
    void ResetWorkingFiles() const;
    // A fixed volume in the table besides the device: the computer side lists its root.
    void PlugComputerFolder(const std::string& folder) const;

    // One whole zyntra-cli process, stopped at the time limit (0: none); throws when it fails.
    ProcessTiming Run(const std::vector<std::string>& args, const std::string& outputFile = "",
                      double timeLimit = 0) const;

    // The environment of every run: the sandbox's home, runtime folder and volume table.
    std::vector<std::string> Environment() const;

    const std::string& ProgramFolder() const { return program_; }
    const std::string& DeviceRoot() const { return device_; }
    const std::string& Home() const { return home_; }
    const std::string& Folder() const { return folder_; }

private:
    std::string built_;
    std::string folder_;
    std::string program_;
    std::string device_;
    std::string home_;
    std::string runtime_;
};

} // namespace zyntra::bench
