#include "app/device_sync.h"

#include "device/device_link.h"
#include "device/info_file.h"

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

std::string DeviceSync::IdentOnMedium() const {
    const std::string root = InternalRoot();
    const std::optional<InfoHeaderBytes> header =
        root.empty() ? std::nullopt : ReadInfoFile(root + kInfoFileName);
    return header ? ParseInfoHeader(*header).ident : std::string();
}

void DeviceSync::WriteSyncMarker() {
    devices_.WriteSyncMarker();
}

void DeviceSync::DeleteSyncMarkers() {
    devices_.DeleteSyncMarkers();
}

} // namespace zyntra
