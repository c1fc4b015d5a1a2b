#include "personal/sync_device.h"

#include "storage/database_files.h"

namespace zyntra {

WriteAccess SyncDevice::DeviceWriteAccess() const {
    const std::string root = InternalRoot();
    if (root.empty())
        return WriteAccess::Writable;
    std::vector<std::string> paths = {root, root + "Secretary/"};
    for (int slot = 1; slot <= kDatabaseSlotCount; ++slot)
        if (std::string path = DeviceDatabasePath(root, slot); !path.empty())
            paths.push_back(std::move(path));
    return WriteAccessOf(paths);
}

} // namespace zyntra
