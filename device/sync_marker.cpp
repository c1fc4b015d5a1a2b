#include "device/device_link.h"
#include "platform/inside_root.h"

#include <fcntl.h>
#include <unistd.h>

namespace zyntra {
namespace {

constexpr const char kSyncMarkerName[] = "_sync.dat";
constexpr const char kSyncMarkerText[] = "test";

} // namespace

void DeviceLink::WriteSyncMarker() {
    const std::string& root = CurrentDevice().rootPath[0];
    // Without an internal-memory root the name alone would land in the
    // working directory.
    if (root.empty())
        return;
    const int marker =
        OpenInsideRoot(root, root + kSyncMarkerName, O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (marker < 0)
        return;
    (void)::write(marker, kSyncMarkerText, sizeof kSyncMarkerText - 1);
    ::close(marker);
}

void DeviceLink::DeleteSyncMarkers() {
    for (int i = 0; i < devCount_; ++i) {
        const std::string& root = Record(i).rootPath[0];
        // unlink, not remove: a folder of that name is not the marker.
        if (!root.empty())
            ::unlink((root + kSyncMarkerName).c_str());
    }
}

} // namespace zyntra
