#include "platform/file_faults.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace zyntra {
namespace {

FileFaultHook& Hook() {
    static FileFaultHook hook;
    return hook;
}

} // namespace

void SetFileFaultHook(FileFaultHook hook) {
    Hook() = std::move(hook);
}

bool FileStepFails(FileStep step, const std::string& path) {
    if (!Hook())
        return false;
    const int error = Hook()(step, path);
    if (error == 0)
        return false;
    errno = error;
    return true;
}

ssize_t FaultableWrite(int fd, const void* data, std::size_t size) {
    if (FileStepFails(FileStep::Write, {}))
        return -1;
    return ::write(fd, data, size);
}

int FaultableFsync(int fd) {
    if (FileStepFails(FileStep::Flush, {}))
        return -1;
    return ::fsync(fd);
}

int FaultableRename(const std::string& from, const std::string& to) {
    if (FileStepFails(FileStep::Rename, to))
        return -1;
    return std::rename(from.c_str(), to.c_str());
}

ssize_t FaultableCopyFileRange(int from, int to, std::size_t length) {
    if (FileStepFails(FileStep::Copy, {}))
        return -1;
    return ::copy_file_range(from, nullptr, to, nullptr, length, 0);
}

bool FaultableWriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = FaultableWrite(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return false;
        if (written == 0) {
            errno = ENOSPC;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

int FaultableUnlink(const std::string& path) {
    if (FileStepFails(FileStep::Delete, path))
        return -1;
    return ::unlink(path.c_str());
}

} // namespace zyntra
