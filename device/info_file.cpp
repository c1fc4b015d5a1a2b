#include "device/info_file.h"

#include "platform/inside_root.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace zyntra {

std::optional<InfoHeaderBytes> ReadInfoFile(const std::string& path) {
    int fd = OpenRegularFile(path, O_RDONLY);
    if (fd < 0)
        return std::nullopt;
    InfoHeaderBytes header{};
    std::size_t filled = 0;
    bool failed = false;
    while (filled < header.size()) {
        ssize_t got = ::read(fd, header.data() + filled, header.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            failed = true;
        if (got <= 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    ::close(fd);
    if (failed)
        return std::nullopt;
    return header;
}

} // namespace zyntra
