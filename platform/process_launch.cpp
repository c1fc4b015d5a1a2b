#include "platform/process_launch.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace zyntra {
namespace {

void ReapInBackground(pid_t pid) {
    std::thread([pid] {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}

class SpawnSettings {
public:
    SpawnSettings() {
        posix_spawn_file_actions_init(&actions_);
        posix_spawnattr_init(&attributes_);
        posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        // Its own session: closing our terminal or our process group does
        // not take the started program with it.
        posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSID);
    }
    ~SpawnSettings() {
        posix_spawnattr_destroy(&attributes_);
        posix_spawn_file_actions_destroy(&actions_);
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;

    const posix_spawn_file_actions_t* Actions() const { return &actions_; }
    const posix_spawnattr_t* Attributes() const { return &attributes_; }

private:
    posix_spawn_file_actions_t actions_;
    posix_spawnattr_t attributes_;
};

bool IsExecutableFile(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           access(path.c_str(), X_OK) == 0;
}

} // namespace

std::optional<pid_t> StartDetached(const std::vector<std::string>& argv) {
    if (argv.empty() || argv[0].empty())
        return std::nullopt;
    std::vector<char*> args;
    for (const auto& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);

    SpawnSettings settings;
    pid_t pid = 0;
    if (posix_spawnp(&pid, args[0], settings.Actions(), settings.Attributes(), args.data(),
                     environ) != 0)
        return std::nullopt;
    ReapInBackground(pid);
    return pid;
}

bool ProgramOnPath(std::string_view name) {
    if (name.empty())
        return false;
    std::string program(name);
    if (program.find('/') != std::string::npos)
        return IsExecutableFile(program);
    const char* path = std::getenv("PATH");
    std::string_view folders = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
    while (true) {
        std::size_t colon = folders.find(':');
        std::string_view folder = folders.substr(0, colon);
        // An empty entry means the working directory.
        std::string candidate = (folder.empty() ? std::string(".") : std::string(folder)) + "/";
        if (IsExecutableFile(candidate + program))
            return true;
        if (colon == std::string_view::npos)
            return false;
        folders.remove_prefix(colon + 1);
    }
}

} // namespace zyntra
