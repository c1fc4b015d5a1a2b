#include "platform/file_attributes.h"

#include <fcntl.h>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zyntra {
namespace {

// FAT keeps its own attribute byte; other file systems refuse the ioctl.
void ResetFatAttributes(int fd) {
    __u32 attributes = 0;
    if (ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &attributes) != 0)
        return;
    __u32 wanted = (attributes & ~(ATTR_RO | ATTR_HIDDEN | ATTR_SYS)) | ATTR_ARCH;
    if (wanted != attributes)
        ioctl(fd, FAT_IOCTL_SET_ATTRIBUTES, &wanted);
}

} // namespace

bool SetArchiveOnly(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        return false;
    if ((status.st_mode & S_IWUSR) == 0 && chmod(path.c_str(), status.st_mode | S_IWUSR) != 0)
        return false;
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ResetFatAttributes(fd);
        close(fd);
    }
    return true;
}

} // namespace zyntra
