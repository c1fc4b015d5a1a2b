#pragma once

#include "platform/write_access.h"

#include <string>

namespace zyntra {

// What a synchronisation run needs of the device link: the current device's internal memory
// and the sync marker. The password check is the front end's, before it starts a run.
class SyncDevice {
public:
    virtual ~SyncDevice() = default;

    // The internal memory's root of the current device, ending with '/'; empty while no usable
    // device is connected.
    virtual std::string InternalRoot() const = 0;
    // The current device's ident from its "_info.dat": snapshots are kept and written back by it.
    virtual std::string Ident() const = 0;
    // The ident the internal memory's "_info.dat" names now, read afresh; empty when it cannot
    // be read. A run compares it with the ident it started with before it replaces a device
    // file: another device plugged in at the same mount point must not receive this one's data.
    virtual std::string IdentOnMedium() const = 0;

    // Writes "_sync.dat" on the current device; deletes it from every device in use.
    virtual void WriteSyncMarker() = 0;
    virtual void DeleteSyncMarkers() = 0;

    // Whether the internal memory, its "Secretary" folder and the databases there may be
    // written. Asked before a run changes anything: a read-only mount, or files of another
    // owner, would otherwise fail half-way with nothing to tell the user what to do.
    virtual WriteAccess DeviceWriteAccess() const;
};

} // namespace zyntra
