#pragma once

#include <string>

namespace zyntra {

// What a synchronisation run needs of the device link: the current device's internal memory,
// its password lock and the sync marker. The main window implements it over its device table.
class SyncDevice {
public:
    virtual ~SyncDevice() = default;

    // The internal memory's root of the current device, ending with '/'; empty while no usable
    // device is connected.
    virtual std::string InternalRoot() const = 0;

    // Bit 0 of the current device's lock flags: its personal data is protected by a password.
    virtual bool Locked() const = 0;

    // Asks for the password and compares it with the device's; mode 0 is the check before a
    // synchronisation. A wrong or cancelled password has been reported when this returns false.
    virtual bool CheckPassword(int mode) = 0;

    // Writes "_sync.dat" on the current device; deletes it from every device in use.
    virtual void WriteSyncMarker() = 0;
    virtual void DeleteSyncMarkers() = 0;
};

} // namespace zyntra
