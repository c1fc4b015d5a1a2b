#pragma once

#include "personal/sync_device.h"

namespace zyntra {

class DeviceLink;

// The synchronisation run's view of the device link: the current device,
// when the last discovery found exactly one usable device.
class DeviceSync : public SyncDevice {
public:
    explicit DeviceSync(DeviceLink& devices) : devices_(devices) {}

    std::string InternalRoot() const override;
    std::string Ident() const override;
    std::string IdentOnMedium() const override;
    void WriteSyncMarker() override;
    void DeleteSyncMarkers() override;

private:
    DeviceLink& devices_;
};

} // namespace zyntra
