#include "tests/support/unwritable_file.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zyntra::test {

UnwritableFile::UnwritableFile(std::string path) : path_(std::move(path)) {
    if (geteuid() == 0)
        SetImmutable(true);
    else
        chmod(path_.c_str(), 0444);
    active_ = access(path_.c_str(), W_OK) != 0;
}

UnwritableFile::~UnwritableFile() {
    if (geteuid() == 0)
        SetImmutable(false);
    else
        chmod(path_.c_str(), 0644);
}

void UnwritableFile::SetImmutable(bool on) const {
    const int fd = open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    int flags = 0;
    if (ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        (void)ioctl(fd, FS_IOC_SETFLAGS, &flags);
    }
    close(fd);
}

} // namespace zyntra::test
