#include "platform/program_folder.h"

#include <filesystem>
#include <system_error>

namespace zyntra {
namespace {

std::string ExecutableFolder() {
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return "./";
    std::string folder = exe.parent_path().string();
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::string& Folder() {
    static std::string folder = ExecutableFolder();
    return folder;
}

} // namespace

const std::string& ProgramFolder() {
    return Folder();
}

std::string ExecutablePath() {
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : exe.string();
}

void SetProgramFolder(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    Folder() = std::move(folder);
}

} // namespace zyntra
