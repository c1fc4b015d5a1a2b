#include "platform/program_folder.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace zyntra {
namespace {

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::string ExecutableFolder() {
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return "./";
    return WithSlash(exe.parent_path().string());
}

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home == '/')
        return home;
    const passwd* user = getpwuid(getuid());
    return user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "/tmp";
}

// A relative XDG_DATA_HOME is invalid and ignored, as the base-directory rules say.
std::string DataHome() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && *dataHome == '/')
        return WithSlash(dataHome);
    return WithSlash(HomeFolder()) + ".local/share/";
}

struct Folders {
    std::string program = ExecutableFolder();
    std::optional<std::string> user; // settled on first use
};

Folders& CurrentFolders() {
    static Folders folders;
    return folders;
}

} // namespace

std::string UserFolderFor(const std::string& programFolder) {
    const std::string folder = WithSlash(programFolder);
    std::error_code error;
    // data/ alone is not enough: an installed folder ships data/loading.avi, and a root
    // session could write to it.
    const bool holdsWorkingCopies =
        std::filesystem::is_regular_file(folder + "data/default-1.dat", error);
    if (holdsWorkingCopies && access(folder.c_str(), W_OK) == 0)
        return folder;
    return DataHome() + "zyntra/";
}

const std::string& ProgramFolder() {
    return CurrentFolders().program;
}

const std::string& UserFolder() {
    Folders& folders = CurrentFolders();
    if (!folders.user)
        folders.user = UserFolderFor(folders.program);
    return *folders.user;
}

bool UserFolderIsProgramFolder() {
    return UserFolder() == ProgramFolder();
}

std::string ExecutablePath() {
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : exe.string();
}

void SetProgramFolder(std::string folder) {
    folder = WithSlash(std::move(folder));
    SetProgramFolders(folder, folder);
}

void SetProgramFolders(std::string programFolder, std::string userFolder) {
    Folders& folders = CurrentFolders();
    folders.program = WithSlash(std::move(programFolder));
    folders.user = WithSlash(std::move(userFolder));
}

} // namespace zyntra
