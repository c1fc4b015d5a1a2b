#pragma once

#include "platform/volumes.h"

#include <string>
#include <vector>

namespace zyntra {

// The name of the description file at the root of each of the device's storages.
inline constexpr const char* kDeviceInfoFile = "_info.dat";

// The volumes the computer tree shows as drives, in the order the platform lists them.
std::vector<Volume> UsableDrives(const Volumes& volumes);

// A volume's mount point: its root without the trailing '/', except for the root itself.
std::string MountPoint(const Volume& volume);

// "LABEL (MOUNT POINT)", the label being the mount point's last part; just "/" for the root.
std::string DriveCaption(const std::string& mountPoint);

// The root of the listed volume that holds path (the longest one), or empty when none does.
std::string VolumeRootHolding(const Volumes& volumes, const std::string& path);

} // namespace zyntra
