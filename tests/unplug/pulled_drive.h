#pragma once

#include "platform/volumes.h"

#include <map>
#include <string>
#include <vector>

namespace zyntra::test {

// A drive that is pulled out and plugged in again while the program runs. Pulling moves its
// folder away, so every path into it stops resolving as on a removed medium, and takes it out
// of the volume table; plugging it in puts both back.
class PulledDrive {
public:
    // root ends with '/'.
    PulledDrive(MemoryVolumes& volumes, std::string root);
    ~PulledDrive();
    PulledDrive(const PulledDrive&) = delete;
    PulledDrive& operator=(const PulledDrive&) = delete;

    void Pull();
    void PlugIn();
    bool Pulled() const { return pulled_; }
    const std::string& Root() const { return root_; }

private:
    MemoryVolumes& volumes_;
    std::string root_;
    std::vector<Volume> listed_;
    bool pulled_ = false;
};

// The device's database files as bytes, by path; missing files are left out.
std::map<std::string, std::string> DatabaseFiles(const std::string& internalRoot);

// What makes the device's internal memory inconsistent, one line each: a sync marker, a staged
// or set-aside database file, a database lost, or one that changed and fails its integrity
// check. `before` is DatabaseFiles of the same device at an earlier time.
std::vector<std::string> Inconsistencies(const std::string& internalRoot,
                                         const std::map<std::string, std::string>& before);

// The device's database files whose bytes differ from `before`, or that came or went.
std::vector<std::string> ChangedDatabases(const std::string& internalRoot,
                                          const std::map<std::string, std::string>& before);

} // namespace zyntra::test
