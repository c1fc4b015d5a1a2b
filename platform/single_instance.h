#pragma once

#include <string>
#include <string_view>

namespace zyntra {

// The named mutex that keeps a second copy of the program from running: an
// exclusive, non-blocking flock on a lock file named after the mutex text,
// held for the object's life. The lock goes with the process, so a crashed
// instance never leaves a stale lock behind.
class SingleInstance {
public:
    enum class State {
        Acquired,      // this object holds the lock
        HeldElsewhere, // another instance holds it
        Failed,        // the lock file could not be opened or locked
    };

    // The lock file lives in LockFolder().
    explicit SingleInstance(std::string_view mutexName);
    SingleInstance(std::string_view mutexName, const std::string& folder);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    State GetState() const { return state_; }
    bool AlreadyRunning() const { return state_ == State::HeldElsewhere; }
    const std::string& LockPath() const { return lockPath_; }

private:
    std::string lockPath_;
    int fd_ = -1;
    State state_ = State::Failed;
};

// The user folder: what the lock guards is the working copies, backups and
// scratch copies there, so two processes on one user folder exclude each
// other whatever their environment says (a job run from cron has no
// $XDG_RUNTIME_DIR), while two user folders never block each other. Made
// when missing.
std::string LockFolder();

// The mutex text as a safe file name: letters, digits, '.', '-' and '_' are
// kept, everything else becomes '_', and ".lock" is added.
std::string LockFileName(std::string_view mutexName);

} // namespace zyntra
