#include "platform/file_copy.h"

#include "platform/file_faults.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <future>
#include <memory>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace zyntra {
namespace {

constexpr std::string_view kTemporaryPrefix = ".zyntra-";
constexpr std::string_view kTemporarySuffix = ".part";
constexpr std::size_t kChunk = 1 << 20;

std::string ErrnoText(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

std::string FolderOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The descriptor and, until Keep(), the file's name: whatever way the copy
// ends early, the half-written file goes.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& folder) {
        path_ =
            folder + "/" + std::string(kTemporaryPrefix) + "XXXXXX" + std::string(kTemporarySuffix);
        fd_ = mkostemps(path_.data(), static_cast<int>(kTemporarySuffix.size()), O_CLOEXEC);
    }
    ~TemporaryFile() {
        if (fd_ >= 0)
            close(fd_);
        if (!kept_)
            FaultableUnlink(path_);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int Fd() const { return fd_; }
    const std::string& Path() const { return path_; }
    bool Close() {
        int fd = fd_;
        fd_ = -1;
        return close(fd) == 0;
    }
    void Keep() { kept_ = true; }

private:
    std::string path_;
    int fd_ = -1;
    bool kept_ = false;
};

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

// Copies in to out; nothing when done, else why not.
std::optional<CopyResult> CopyBytes(int in, int out, std::uint64_t total,
                                    const CopyProgress& progress) {
    auto buffer = std::make_unique<char[]>(kChunk);
    std::uint64_t done = 0;
    while (true) {
        ssize_t got = read(in, buffer.get(), kChunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return CopyResult{CopyOutcome::Failed, ErrnoText("cannot read the source")};
        if (got == 0)
            return std::nullopt;
        if (!FaultableWriteAll(out, buffer.get(), static_cast<std::size_t>(got)))
            return CopyResult{CopyOutcome::Failed, ErrnoText("cannot write the copy")};
        done += static_cast<std::uint64_t>(got);
        if (progress && !progress(done, total))
            return CopyResult{CopyOutcome::Cancelled, {}};
    }
}

void FollowSource(int out, const struct stat& source) {
    // FAT and exFAT keep no owner bits; a refusal there changes nothing.
    (void)fchmod(out, source.st_mode & 0777);
    const timespec times[2] = {source.st_atim, source.st_mtim};
    (void)futimens(out, times);
}

void SyncFolder(const std::string& folder) {
    FileDescriptor fd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Get() >= 0)
        (void)fsync(fd.Get());
}

} // namespace

CopyResult CopyFileAtomically(const std::string& source, const std::string& target,
                              bool replaceExisting, const CopyProgress& progress) {
    FileDescriptor in(open(source.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat status {};
    if (in.Get() < 0 || fstat(in.Get(), &status) != 0)
        return {CopyOutcome::Failed, ErrnoText("cannot open the source")};
    if (!S_ISREG(status.st_mode))
        return {CopyOutcome::Failed, "the source is not a file"};
    struct stat existing {};
    if (!replaceExisting && lstat(target.c_str(), &existing) == 0)
        return {CopyOutcome::Failed, "the target exists"};
    std::uint64_t total = static_cast<std::uint64_t>(status.st_size);
    if (progress && !progress(0, total))
        return {CopyOutcome::Cancelled, {}};

    std::string folder = FolderOf(target);
    TemporaryFile temporary(folder);
    if (temporary.Fd() < 0)
        return {CopyOutcome::Failed, ErrnoText("cannot create a file in " + folder)};
    if (auto stopped = CopyBytes(in.Get(), temporary.Fd(), total, progress))
        return *stopped;
    FollowSource(temporary.Fd(), status);
    if (FaultableFsync(temporary.Fd()) != 0 || !temporary.Close())
        return {CopyOutcome::Failed, ErrnoText("cannot flush the copy")};
    if (FaultableRename(temporary.Path(), target) != 0)
        return {CopyOutcome::Failed, ErrnoText("cannot put the copy in place")};
    temporary.Keep();
    SyncFolder(folder);
    return {CopyOutcome::Copied, {}};
}

void FlushFolders(const std::vector<std::string>& folders,
                  const std::function<void()>& whileWaiting) {
    std::set<std::string> distinct(folders.begin(), folders.end());
    auto flush = std::async(std::launch::async, [&distinct] {
        for (const std::string& folder : distinct) {
            FileDescriptor fd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
            if (fd.Get() < 0)
                continue;
            (void)syncfs(fd.Get());
            (void)fsync(fd.Get());
        }
    });
    while (flush.wait_for(std::chrono::milliseconds(40)) != std::future_status::ready)
        if (whileWaiting)
            whileWaiting();
}

bool IsTemporaryCopyName(std::string_view fileName) {
    return fileName.starts_with(kTemporaryPrefix) && fileName.ends_with(kTemporarySuffix);
}

} // namespace zyntra
