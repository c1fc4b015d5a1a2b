#include "storage/database_copy.h"

#include "platform/file_attributes.h"
#include "platform/file_faults.h"
#include "platform/inside_root.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace zyntra {
namespace {

CopyFaultHook& FaultHook() {
    static CopyFaultHook hook;
    return hook;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int Get() const { return fd_; }
    bool Close() {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool CopyByReading(int from, int to) {
    char buffer[64 * 1024];
    for (;;) {
        ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        if (!FaultableWriteAll(to, buffer, static_cast<std::size_t>(got)))
            return false;
    }
}

// Errors after which reading the rest still works: a kernel or file system without the call,
// or two file systems it does not copy between (EXDEV before Linux 5.3).
bool KernelCopyUnsupported(int error) {
    return error == ENOSYS || error == EXDEV || error == EINVAL || error == EOPNOTSUPP;
}

// The kernel moves the data (or shares the blocks) without it passing through this process.
// Both offsets advance by what it copied, so reading can take over at any point; false only
// for a real error.
bool CopyInKernel(int from, int to) {
    for (;;) {
        ssize_t copied = FaultableCopyFileRange(from, to, std::size_t{1} << 30);
        if (copied > 0)
            continue;
        if (copied == 0)
            return true;
        if (errno == EINTR)
            continue;
        return KernelCopyUnsupported(errno);
    }
}

// Some file systems report the end early (copying nothing from pseudo files): what is left
// is read, which costs one read at the end of a complete copy.
bool CopyContents(int from, int to) {
    return CopyInKernel(from, to) && CopyByReading(from, to);
}

bool WriteTemporaryCopy(const std::string& source, const std::string& temporary) {
    FileDescriptor in(OpenRegularFile(source, O_RDONLY));
    if (in.Get() < 0)
        return false;
    // Whatever an earlier run or the medium left under the name goes (a link itself, not what
    // it points at), and the file is made anew.
    FaultableUnlink(temporary);
    FileDescriptor out(OpenRegularFile(temporary, O_WRONLY | O_CREAT | O_EXCL, 0666));
    if (out.Get() < 0)
        return false;
    return CopyContents(in.Get(), out.Get()) && FaultableFsync(out.Get()) == 0 && out.Close();
}

void SyncFolderOf(const std::string& path) {
    std::string folder = std::filesystem::path(path).parent_path().string();
    FileDescriptor dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY));
    if (dir.Get() >= 0)
        ::fsync(dir.Get());
}

std::string TemporaryName(const std::string& target) {
    return target + ".part";
}

// Where a target waits while the other files of its set are put in place.
std::string PreviousName(const std::string& target) {
    return target + ".previous";
}

// The copy is complete on the medium under the temporary name; nothing else changed.
bool StageCopy(const std::string& source, const std::string& target) {
    // An empty name is what a device path leading out of the device gives.
    if (source.empty() || target.empty())
        return false;
    const std::string temporary = TemporaryName(target);
    bool copied = WriteTemporaryCopy(source, temporary);
    if (copied && FaultHook())
        copied = FaultHook()(target);
    if (!copied)
        FaultableUnlink(temporary);
    return copied;
}

void FinishCopy(const std::string& target) {
    SyncFolderOf(target);
    SetArchiveOnly(target);
}

bool Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

// The staged copy replaces the target, which steps aside under its previous name.
bool PutInPlace(const std::string& target) {
    const std::string previous = PreviousName(target);
    FaultableUnlink(previous); // left by a run that ended half-way
    const bool hadTarget = Exists(target);
    if (hadTarget && FaultableRename(target, previous) != 0)
        return false;
    if (FaultableRename(TemporaryName(target), target) == 0)
        return true;
    if (hadTarget)
        FaultableRename(previous, target);
    return false;
}

void TakeBack(const std::string& target) {
    const std::string previous = PreviousName(target);
    if (Exists(previous))
        FaultableRename(previous, target);
    else
        FaultableUnlink(target);
}

} // namespace

bool CopyDatabaseFile(const std::string& source, const std::string& target,
                      const ReplaceCheck& mayReplace) {
    if (!StageCopy(source, target))
        return false;
    if ((mayReplace && !mayReplace()) || FaultableRename(TemporaryName(target), target) != 0) {
        FaultableUnlink(TemporaryName(target));
        return false;
    }
    FinishCopy(target);
    return true;
}

std::vector<std::size_t> CopyDatabaseFiles(const std::vector<DatabaseFileCopy>& copies,
                                           const ReplaceCheck& mayReplace) {
    std::vector<std::size_t> failed;
    for (std::size_t i = 0; i < copies.size(); ++i)
        if (!StageCopy(copies[i].source, copies[i].target))
            failed.push_back(i);
    if (failed.empty() && mayReplace && !mayReplace())
        for (std::size_t i = 0; i < copies.size(); ++i)
            failed.push_back(i);
    std::size_t placed = 0;
    while (failed.empty() && placed < copies.size()) {
        if (!PutInPlace(copies[placed].target))
            failed.push_back(placed);
        else
            ++placed;
    }
    for (std::size_t i = 0; i < copies.size(); ++i) {
        const std::string& target = copies[i].target;
        if (failed.empty()) {
            FaultableUnlink(PreviousName(target));
            FinishCopy(target);
        } else if (i < placed) {
            TakeBack(target);
        } else {
            FaultableUnlink(TemporaryName(target));
        }
    }
    return failed;
}

void SetCopyFaultHook(CopyFaultHook hook) {
    FaultHook() = std::move(hook);
}

void RecoverInterruptedCopy(const std::string& target) {
    if (target.empty())
        return;
    const std::string previous = PreviousName(target);
    // Only a regular file is put back: a link planted on the medium stays no database.
    if (!Exists(target) && IsRegularFile(previous))
        ::rename(previous.c_str(), target.c_str());
    // While the target is still missing, its old data stays where it is.
    if (Exists(target))
        ::unlink(previous.c_str());
    ::unlink(TemporaryName(target).c_str());
}

} // namespace zyntra
