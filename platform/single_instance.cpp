#include "platform/single_instance.h"

#include "platform/program_folder.h"
#include "platform/safe_file_name.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <unistd.h>

namespace zyntra {
namespace {

constexpr std::size_t kMaxNameLength = 200;

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

} // namespace

std::string LockFolder() {
    // On a first start the lock is taken before anything else has made the user folder.
    std::error_code error;
    std::filesystem::create_directories(UserFolder(), error);
    return UserFolder();
}

std::string LockFileName(std::string_view mutexName) {
    return SafeFileName(mutexName, kMaxNameLength) + ".lock";
}

SingleInstance::SingleInstance(std::string_view mutexName)
    : SingleInstance(mutexName, LockFolder()) {}

SingleInstance::SingleInstance(std::string_view mutexName, const std::string& folder) {
    lockPath_ = WithSlash(folder) + LockFileName(mutexName);
    // O_NOFOLLOW: a link planted in the lock's place is not followed.
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
