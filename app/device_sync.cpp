#include "app/device_sync.h"

#include "device/device_link.h"

namespace zyntra {

std::string DeviceSync::InternalRoot() const {
    if (!devices_.LastScanUsable() || devices_.DeviceCount() == 0)
        return {};
    return devices_.CurrentDevice().rootPath[0];
}

bool DeviceSync::Locked() const {
    return !InternalRoot().empty() && devices_.CurrentDevice().Locked();
}

bool DeviceSync::CheckPassword(int mode) {
    return devices_.CheckDevicePassword(mode);
}

void DeviceSync::WriteSyncMarker() {
    devices_.WriteSyncMarker();
}

void DeviceSync::DeleteSyncMarkers() {
    devices_.DeleteSyncMarkers();
}

} // namespace zyntra
