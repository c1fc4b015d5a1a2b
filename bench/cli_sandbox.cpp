#include "bench/cli_sandbox.h"

#include "bench/fixture_devices.h"

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace zyntra::bench {
namespace {

namespace fs = std::filesystem;

// The executables are large and need no copy: a hard link where the build folder and the
// sandbox share a file system.
void PlaceFile(const fs::path& source, const fs::path& target) {
    std::error_code linkError;
    fs::create_hard_link(source, target, linkError);
    if (linkError)
        fs::copy_file(source, target);
}

// Working copies equal to the templates, no scratch copies beside them.
void LayOutWorkingFiles(const fs::path& built, const fs::path& target) {
    fs::remove_all(target / "data");
    for (const fs::directory_entry& entry : fs::directory_iterator(target))
        if (entry.path().filename().string().starts_with("temp"))
            fs::remove(entry.path());
    fs::copy(built / "init", target / "data", fs::copy_options::recursive);
    if (fs::exists(built / "data" / "loading.avi"))
        fs::copy_file(built / "data" / "loading.avi", target / "data" / "loading.avi");
}

// The program folder as the build lays it out: working copies equal to the templates and an
// empty backup/.
void CopyProgramFolder(const fs::path& built, const fs::path& target) {
    fs::remove_all(target);
    fs::create_directories(target);
    for (const fs::directory_entry& entry : fs::directory_iterator(built)) {
        const std::string name = entry.path().filename().string();
        if (name == "data" || name == "backup" || name == "Zyntra" || name == "Zyntra.ini")
            continue;
        if (entry.is_directory())
            fs::copy(entry.path(), target / name, fs::copy_options::recursive);
        else
            PlaceFile(entry.path(), target / name);
    }
    LayOutWorkingFiles(built, target);
    fs::create_directory(target / "backup");
}

} // namespace

CliSandbox::CliSandbox(const std::string& builtProgramFolder, const std::string& folder)
    : built_(builtProgramFolder), folder_(folder), program_(folder + "program/"),
      device_(folder + "device/"), home_(folder + "home/"), runtime_(folder + "run/") {
    CopyProgramFolder(builtProgramFolder, program_);
    fs::remove_all(device_);
    fs::create_directories(home_ + ".config");
    fs::create_directories(runtime_);
    chmod(runtime_.c_str(), 0700);
    std::ofstream(folder_ + "volumes.txt") << "removable " << device_ << "\n";
}

void CliSandbox::ResetDevice(const std::string& fixtureFolder) const {
    fs::remove_all(device_);
    MakeDevice(device_, fixtureFolder);
}

void CliSandbox::PlugComputerFolder(const std::string& folder) const {
    std::ofstream(folder_ + "volumes.txt") << "removable " << device_ << "\n"
                                           << "fixed " << folder << "\n";
}

void CliSandbox::ResetWorkingFiles() const {
    LayOutWorkingFiles(built_, program_);
}

void CliSandbox::ClearBackup() const {
    fs::remove_all(program_ + "backup");
    fs::create_directory(program_ + "backup");
}

std::vector<std::string> CliSandbox::Environment() const {
    return {
        "HOME=" + home_,
        "XDG_CONFIG_HOME=" + home_ + ".config",
        "XDG_RUNTIME_DIR=" + runtime_,
        "ZYNTRA_VOLUMES=" + folder_ + "volumes.txt",
        "LANG=C.UTF-8",
        "LC_ALL=C.UTF-8",
        "PATH=/usr/bin:/bin",
    };
}

ProcessTiming CliSandbox::Run(const std::vector<std::string>& args, const std::string& outputFile,
                              double timeLimit) const {
    return RunChecked({program_ + "zyntra-cli", args, Environment(), outputFile, timeLimit});
}

} // namespace zyntra::bench
