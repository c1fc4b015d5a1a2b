#include "platform/volume_monitor.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <filesystem>
#include <sys/inotify.h>
#include <unistd.h>

namespace zyntra {
namespace {

constexpr std::uint32_t kTableEvents =
    IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM | IN_DELETE | IN_DELETE_SELF | IN_MOVE_SELF;

bool Has(const std::vector<Volume>& list, const Volume& volume) {
    return std::find(list.begin(), list.end(), volume) != list.end();
}

std::string FolderOf(const std::string& path) {
    std::filesystem::path parent = std::filesystem::path(path).parent_path();
    return parent.empty() ? "." : parent.string();
}

} // namespace

std::vector<VolumeEvent> DiffVolumes(const std::vector<Volume>& before,
                                     const std::vector<Volume>& after) {
    std::vector<VolumeEvent> events;
    for (const auto& volume : before)
        if (!Has(after, volume))
            events.push_back({VolumeChange::Removal, volume});
    for (const auto& volume : after)
        if (!Has(before, volume))
            events.push_back({VolumeChange::Arrival, volume});
    return events;
}

std::unique_ptr<VolumeMonitor> VolumeMonitor::ForMountTable(const Volumes& volumes,
                                                            Callback callback,
                                                            const std::string& mountInfoPath) {
    int fd = open(mountInfoPath.c_str(), O_RDONLY | O_CLOEXEC);
    return std::unique_ptr<VolumeMonitor>(
        new VolumeMonitor(volumes, std::move(callback), fd, Condition::Priority, {}));
}

std::unique_ptr<VolumeMonitor> VolumeMonitor::ForTableFile(const Volumes& volumes,
                                                           Callback callback,
                                                           const std::string& tablePath) {
    int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd >= 0 && inotify_add_watch(fd, FolderOf(tablePath).c_str(), kTableEvents) < 0) {
        close(fd);
        fd = -1;
    }
    std::string name = std::filesystem::path(tablePath).filename().string();
    return std::unique_ptr<VolumeMonitor>(
        new VolumeMonitor(volumes, std::move(callback), fd, Condition::Readable, name));
}

VolumeMonitor::VolumeMonitor(const Volumes& volumes, Callback callback, int fd, Condition condition,
                             std::string watchedName)
    : volumes_(volumes), callback_(std::move(callback)), fd_(fd), condition_(condition),
      watchedName_(std::move(watchedName)), known_(volumes.List()) {}

VolumeMonitor::~VolumeMonitor() {
    if (fd_ >= 0)
        close(fd_);
}

// Whether the table needs reading again: false only when notifications were
// read and none concerned the table file (its folder may be a busy one such
// as /tmp). A call without notifications, from a test or the command line,
// always reads. The mount table's change mark is cleared by poll() itself,
// so there is nothing to drain there.
bool VolumeMonitor::DrainNotifications() {
    if (condition_ != Condition::Readable || fd_ < 0)
        return true;
    alignas(inotify_event) char buffer[16 * (sizeof(inotify_event) + NAME_MAX + 1)];
    bool relevant = false;
    bool sawAny = false;
    while (true) {
        ssize_t length = read(fd_, buffer, sizeof buffer);
        if (length < 0 && errno == EINTR)
            continue;
        if (length <= 0)
            break;
        sawAny = true;
        for (ssize_t offset = 0; offset < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + offset);
            bool aboutFolder =
                (event->mask & (IN_Q_OVERFLOW | IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF)) != 0;
            if (aboutFolder || (event->len > 0 && watchedName_ == event->name))
                relevant = true;
            offset += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    return relevant || !sawAny;
}

std::size_t VolumeMonitor::Dispatch() {
    if (!DrainNotifications())
        return 0;
    std::vector<Volume> current = volumes_.List();
    std::vector<VolumeEvent> events = DiffVolumes(known_, current);
    known_ = std::move(current);
    for (const auto& event : events)
        if (callback_)
            callback_(event);
    return events.size();
}

} // namespace zyntra
