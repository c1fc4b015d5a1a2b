#include "platform/write_access.h"

#include <cerrno>
#include <sys/statvfs.h>
#include <unistd.h>

namespace zyntra {
namespace {

WriteAccess AccessOf(const std::string& path) {
    struct statvfs volume {};
    if (statvfs(path.c_str(), &volume) == 0 && (volume.f_flag & ST_RDONLY) != 0)
        return WriteAccess::ReadOnlyMount;
    if (access(path.c_str(), W_OK) == 0 || errno == ENOENT)
        return WriteAccess::Writable;
    return errno == EROFS ? WriteAccess::ReadOnlyMount : WriteAccess::NotWritable;
}

} // namespace

WriteAccess WriteAccessOf(const std::vector<std::string>& paths) {
    WriteAccess result = WriteAccess::Writable;
    for (const std::string& path : paths) {
        const WriteAccess access = AccessOf(path);
        if (access == WriteAccess::ReadOnlyMount)
            return access;
        if (access == WriteAccess::NotWritable)
            result = access;
    }
    return result;
}

} // namespace zyntra
