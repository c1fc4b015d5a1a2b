#include "platform/inside_root.h"

#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace zyntra {
namespace {

// Calls visit with each path from root's first component below it down to path itself, in
// that order, until visit returns false; false when path is not below root or has a ".."
// component, or when visit stopped the walk.
bool WalkBelowRoot(const std::string& root, const std::string& path,
                   const std::function<bool(const std::string& prefix)>& visit) {
    if (root.empty() || root.back() != '/' || path.size() < root.size() ||
        path.compare(0, root.size(), root) != 0)
        return false;
    std::size_t start = root.size();
    while (start < path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        const std::string_view component(path.data() + start, end - start);
        if (component == "..")
            return false;
        if (!component.empty() && component != "." && !visit(path.substr(0, end)))
            return false;
        start = end + 1;
    }
    return true;
}

bool IsRefusedType(const struct stat& status) {
    return !S_ISREG(status.st_mode);
}

} // namespace

bool IsInsideRoot(const std::string& root, const std::string& path) {
    bool missing = false;
    return WalkBelowRoot(root, path, [&missing](const std::string& prefix) {
        struct stat status {};
        // Past a component that is not there nothing is reached through a link; the rest is
        // still walked for its "..".
        if (missing || ::lstat(prefix.c_str(), &status) != 0) {
            missing = true;
            return true;
        }
        return !S_ISLNK(status.st_mode);
    });
}

bool IsRegularFile(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

int OpenRegularFile(const std::string& path, int flags, mode_t mode) {
    struct stat status {};
    // A device node is refused before open, which may already act on it.
    if (::lstat(path.c_str(), &status) == 0 && IsRefusedType(status)) {
        errno = EINVAL;
        return -1;
    }
    const int fd = ::open(path.c_str(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, mode);
    if (fd < 0)
        return -1;
    // What lstat saw may have been swapped since.
    if (::fstat(fd, &status) != 0 || IsRefusedType(status)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

int OpenInsideRoot(const std::string& root, const std::string& path, int flags, mode_t mode) {
    if (!IsInsideRoot(root, path)) {
        errno = ELOOP;
        return -1;
    }
    return OpenRegularFile(path, flags, mode);
}

bool MakeFoldersInsideRoot(const std::string& root, const std::string& path) {
    return WalkBelowRoot(root, path, [](const std::string& prefix) {
        if (::mkdir(prefix.c_str(), 0777) == 0)
            return true;
        struct stat status {};
        // lstat, so that a link to a folder does not pass for one.
        return errno == EEXIST && ::lstat(prefix.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
    });
}

} // namespace zyntra
