#include "tests/unplug/pulled_drive.h"

#include "storage/database_files.h"
#include "tests/support/device_fixture.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

namespace zyntra::test {
namespace {

std::string WithoutSlash(const std::string& root) {
    return root.substr(0, root.size() - 1);
}

std::string AwayName(const std::string& root) {
    return WithoutSlash(root) + ".pulled";
}

std::string IntegrityOf(const std::string& path) {
    try {
        return FixtureDatabase(path).QueryText("pragma integrity_check");
    } catch (const std::runtime_error& error) {
        return error.what();
    }
}

} // namespace

PulledDrive::PulledDrive(MemoryVolumes& volumes, std::string root)
    : volumes_(volumes), root_(std::move(root)) {}

PulledDrive::~PulledDrive() {
    // The temporary directory's clean-up finds the drive's files either way.
    if (pulled_)
        PlugIn();
}

void PulledDrive::Pull() {
    if (pulled_)
        return;
    listed_ = volumes_.List();
    std::vector<Volume> left;
    std::copy_if(listed_.begin(), listed_.end(), std::back_inserter(left),
                 [&](const Volume& volume) { return volume.root != root_; });
    volumes_.Set(left);
    std::filesystem::rename(WithoutSlash(root_), AwayName(root_));
    pulled_ = true;
}

void PulledDrive::PlugIn() {
    if (!pulled_)
        return;
    std::filesystem::rename(AwayName(root_), WithoutSlash(root_));
    volumes_.Set(listed_);
    pulled_ = false;
}

std::map<std::string, std::string> DatabaseFiles(const std::string& internalRoot) {
    std::map<std::string, std::string> files;
    for (int slot = 1; slot <= kDatabaseSlotCount; ++slot) {
        const std::string path = DeviceDatabasePath(internalRoot, slot);
        if (FileExists(path))
            files[path] = ReadFile(path);
    }
    return files;
}

std::vector<std::string> Inconsistencies(const std::string& internalRoot,
                                         const std::map<std::string, std::string>& before) {
    std::vector<std::string> found;
    if (FileExists(internalRoot + "_sync.dat"))
        found.push_back("the sync marker is still there");
    for (int slot = 1; slot <= kDatabaseSlotCount; ++slot) {
        const std::string path = DeviceDatabasePath(internalRoot, slot);
        for (const char* leftover : {".part", ".previous"})
            if (FileExists(path + leftover))
                found.push_back(path + leftover + " is left over");
        const auto old = before.find(path);
        if (!FileExists(path)) {
            if (old != before.end())
                found.push_back(path + " is lost");
            continue;
        }
        if (old != before.end() && ReadFile(path) == old->second)
            continue;
        if (const std::string integrity = IntegrityOf(path); integrity != "ok")
            found.push_back(path + " changed and is damaged: " + integrity);
    }
    return found;
}

std::vector<std::string> ChangedDatabases(const std::string& internalRoot,
                                          const std::map<std::string, std::string>& before) {
    const std::map<std::string, std::string> now = DatabaseFiles(internalRoot);
    std::vector<std::string> changed;
    for (int slot = 1; slot <= kDatabaseSlotCount; ++slot) {
        const std::string path = DeviceDatabasePath(internalRoot, slot);
        const auto was = before.find(path);
        const auto is = now.find(path);
        const bool same = (was == before.end()) == (is == now.end()) &&
                          (is == now.end() || is->second == was->second);
        if (!same)
            changed.push_back(path);
    }
    return changed;
}

} // namespace zyntra::test
