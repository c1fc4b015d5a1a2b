#include "tests/cli/cli_sandbox.h"

#include "storage/database_files.h"
#include "tests/support/device_fixture.h"

#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>

namespace zyntra::test {
namespace {

namespace fs = std::filesystem;

// A hard link where the build folder and /tmp share a file system: the
// executable is large, and every test needs its own program folder.
void PlaceExecutable(const std::string& target) {
    std::error_code linkError;
    fs::create_hard_link(ZYNTRA_CLI_BINARY, target, linkError);
    if (linkError)
        fs::copy_file(ZYNTRA_CLI_BINARY, target);
}

} // namespace

CliSandbox::CliSandbox() : runtime_(dir_.Path() + "run/") {
    PlaceExecutable(folder_.File("zyntra-cli"));
    fs::create_directories(dir_.Path() + "home/.config");
    fs::create_directory(runtime_);
    chmod(runtime_.c_str(), 0700);
    WriteVolumeTable();
}

InfoHeader CliSandbox::InternalHeader(const std::string& ident) {
    return DeviceHeader(ident, DriveKind::InternalMemory);
}

std::string CliSandbox::AddDevice(const std::string& name, const InfoHeader& header) {
    const std::string root = dir_.Path() + name + "/";
    WriteFile(root + kInfoFileName, InfoFileBytes(header));
    WriteDeviceDatabases(root);
    plugged_.push_back(root);
    WriteVolumeTable();
    return root;
}

std::string CliSandbox::AddCard(const std::string& name, const std::string& ident) {
    const std::string root = dir_.Path() + name + "/";
    WriteFile(root + kInfoFileName, InfoFileBytes(DeviceHeader(ident, DriveKind::MemoryCard)));
    plugged_.push_back(root);
    WriteVolumeTable();
    return root;
}

void CliSandbox::SetPlugged(const std::vector<std::string>& roots) {
    plugged_ = roots;
    WriteVolumeTable();
}

void CliSandbox::WriteVolumeTable() const {
    std::string table;
    for (const std::string& root : plugged_)
        table += "removable " + root + "\n";
    WriteFile(dir_.Path() + "volumes.txt", table);
}

ProcessResult CliSandbox::Run(const std::vector<std::string>& args, const std::string& locale,
                              const std::string& input) const {
    return RunProcess(Request(args, locale, input));
}

ProcessResult CliSandbox::RunInto(const std::string& outputFile,
                                  const std::vector<std::string>& args) const {
    ProcessRequest request = Request(args, kEnglishLocale, "");
    request.outputFile = outputFile;
    return RunProcess(request);
}

ProcessRequest CliSandbox::Request(const std::vector<std::string>& args, const std::string& locale,
                                   const std::string& input) const {
    ProcessRequest request;
    request.program = folder_.File("zyntra-cli");
    request.args = args;
    request.input = input;
    request.environment = {
        "HOME=" + dir_.Path() + "home",
        "XDG_CONFIG_HOME=" + dir_.Path() + "home/.config",
        "XDG_RUNTIME_DIR=" + runtime_,
        "ZYNTRA_VOLUMES=" + dir_.Path() + "volumes.txt",
        "LANG=" + locale,
        "LC_ALL=" + locale,
        "PATH=/usr/bin:/bin",
    };
    return request;
}

void CliSandbox::SetLanguage(const std::string& section) const {
    const std::string path = folder_.File("Lang.ini");
    std::string text = ReadFile(path);
    const std::string key = "Language=";
    const std::size_t at = text.find(key);
    if (at == std::string::npos)
        throw std::runtime_error("Lang.ini names no language");
    text.replace(at + key.size(), text.find_first_of("\r\n", at) - at - key.size(), section);
    WriteFile(path, text);
}

std::string CliSandbox::WriteInput(const std::string& name, const std::string& bytes) const {
    const std::string path = dir_.Path() + "input/" + name;
    WriteFile(path, bytes);
    return path;
}

std::string DevicePim(const std::string& internalRoot) {
    return DeviceDatabasePath(internalRoot, 1);
}
std::string DeviceECDict(const std::string& internalRoot) {
    return DeviceDatabasePath(internalRoot, 2);
}
std::string DeviceCEDict(const std::string& internalRoot) {
    return DeviceDatabasePath(internalRoot, 3);
}

bool IsUtf8(const std::string& bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int length = lead < 0x80           ? 1
                           : (lead >> 5) == 0x6  ? 2
                           : (lead >> 4) == 0xE  ? 3
                           : (lead >> 3) == 0x1E ? 4
                                                 : 0;
        if (length == 0 || i + length > bytes.size())
            return false;
        for (int k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

} // namespace zyntra::test
