#pragma once

#include "platform/volumes.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zyntra {

enum class VolumeChange { Arrival, Removal };

struct VolumeEvent {
    VolumeChange change = VolumeChange::Arrival;
    Volume volume;

    bool operator==(const VolumeEvent&) const = default;
};

// Tells arrivals and removals of volumes. It fits any event loop: the loop
// watches Fd() for the condition WatchFor() names and calls Dispatch() when
// it is met (a Qt window uses a QSocketNotifier of the matching type; the
// command line and the tests call Dispatch() themselves). Dispatch() reads
// the volume list again, compares it with the last one and reports each
// removal, then each arrival, to the callback, on the caller's thread.
class VolumeMonitor {
public:
    enum class Condition {
        Readable, // POLLIN (QSocketNotifier::Read)
        Priority, // POLLPRI (QSocketNotifier::Exception)
    };
    using Callback = std::function<void(const VolumeEvent&)>;

    // Watches the mount table, which poll() marks with POLLPRI on a change.
    static std::unique_ptr<VolumeMonitor>
    ForMountTable(const Volumes& volumes, Callback callback,
                  const std::string& mountInfoPath = "/proc/self/mountinfo");

    // Watches the simulated volume table file through its folder, so that
    // writing, replacing (rename over), creating and deleting it are seen.
    static std::unique_ptr<VolumeMonitor> ForTableFile(const Volumes& volumes, Callback callback,
                                                       const std::string& tablePath);

    ~VolumeMonitor();
    VolumeMonitor(const VolumeMonitor&) = delete;
    VolumeMonitor& operator=(const VolumeMonitor&) = delete;

    // -1 when nothing could be watched; Dispatch() still works when called.
    int Fd() const { return fd_; }
    Condition WatchFor() const { return condition_; }

    // Drains what the descriptor holds and reports the changes since the
    // last call (or since construction). Returns the number reported.
    std::size_t Dispatch();

    // The list the next Dispatch() compares against.
    const std::vector<Volume>& Known() const { return known_; }

private:
    VolumeMonitor(const Volumes& volumes, Callback callback, int fd, Condition condition,
                  std::string watchedName);

    bool DrainNotifications();

    const Volumes& volumes_;
    Callback callback_;
    int fd_;
    Condition condition_;
    std::string watchedName_; // the table file's name in its folder; empty for the mount table
    std::vector<Volume> known_;
};

// The removals (volumes of before missing from after) in the order of
// before, then the arrivals in the order of after. A volume whose type
// changed is removed and arrives again.
std::vector<VolumeEvent> DiffVolumes(const std::vector<Volume>& before,
                                     const std::vector<Volume>& after);

} // namespace zyntra
