#include "app/device_sync.h"

#include "device/device_link.h"

namespace zyntra {

std::string DeviceSync::InternalRoot() const {
    if (!devices_.LastScanUsable() || devices_.DeviceCount() == 0)
        return {};
    return devices_.CurrentDevice().rootPath[0];
}

std::string DeviceSync::Ident() const {
    if (!devices_.LastScanUsable() || devices_.DeviceCount() == 0)
        return {};
    return devices_.CurrentDevice().ident();
}

void DeviceSync::WriteSyncMarker() {
    devices_.WriteSyncMarker();
}

void DeviceSync::DeleteSyncMarkers() {
    devices_.DeleteSyncMarkers();
}

} // namespace zyntra
