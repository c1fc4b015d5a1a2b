#include "platform/single_instance.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zyntra {
namespace {

constexpr std::size_t kMaxNameLength = 200;
constexpr const char* kSharedFolder = "/tmp/";

bool IsFolder(const char* path) {
    struct stat status {};
    return stat(path, &status) == 0 && S_ISDIR(status.st_mode);
}

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

} // namespace

std::string LockFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/' && IsFolder(runtime))
        return WithSlash(runtime);
    return kSharedFolder;
}

std::string LockFileName(std::string_view mutexName, bool sharedFolder) {
    std::string name;
    for (char c : mutexName.substr(0, kMaxNameLength)) {
        bool safe = std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '_';
        name += safe ? c : '_';
    }
    // No hidden file, no "." or "..".
    if (name.empty() || name.front() == '.')
        name.insert(name.begin(), '_');
    if (sharedFolder)
        name += "-" + std::to_string(getuid());
    return name + ".lock";
}

SingleInstance::SingleInstance(std::string_view mutexName)
    : SingleInstance(mutexName, LockFolder()) {}

SingleInstance::SingleInstance(std::string_view mutexName, const std::string& folder) {
    std::string base = WithSlash(folder);
    lockPath_ = base + LockFileName(mutexName, base == kSharedFolder);
    // O_NOFOLLOW: in a shared folder another user could plant a symlink.
    fd_ = open(lockPath_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0)
        return;
    if (flock(fd_, LOCK_EX | LOCK_NB) == 0) {
        state_ = State::Acquired;
        return;
    }
    state_ = errno == EWOULDBLOCK ? State::HeldElsewhere : State::Failed;
    close(fd_);
    fd_ = -1;
}

SingleInstance::~SingleInstance() {
    // The file stays: unlinking it would let a third instance lock a new
    // file while a second one still waits on the old one.
    if (fd_ >= 0)
        close(fd_);
}

} // namespace zyntra
