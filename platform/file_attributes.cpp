#include "platform/file_attributes.h"

#include "platform/inside_root.h"

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
    // Through the descriptor, so that a link planted under the name changes nothing elsewhere.
    const int fd = OpenRegularFile(path, O_RDONLY);
    if (fd < 0)
        return false;
    struct stat status {};
    const bool writable = fstat(fd, &status) == 0 && ((status.st_mode & S_IWUSR) != 0 ||
                                                      fchmod(fd, status.st_mode | S_IWUSR) == 0);
    if (writable)
        ResetFatAttributes(fd);
    close(fd);
    return writable;
}

} // namespace zyntra
