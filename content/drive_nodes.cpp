#include "content/drive_nodes.h"

#include "platform/shell_folders.h"

#include <filesystem>

namespace zyntra {

namespace {

bool HoldsDeviceInfo(const std::string& root) {
    std::error_code error;
    return std::filesystem::exists(root + kDeviceInfoFile, error);
}

bool IsUsableDrive(const Volumes& volumes, const Volume& volume) {
    switch (volume.type) {
    case VolumeType::Fixed:
        return true;
    case VolumeType::Removable:
        return volumes.IsReadable(volume.root) && !HoldsDeviceInfo(volume.root);
    case VolumeType::Network:
    case VolumeType::Cdrom:
        return volumes.IsReadable(volume.root);
    }
    return false;
}

} // namespace

std::vector<Volume> UsableDrives(const Volumes& volumes) {
    std::vector<Volume> drives;
    for (const Volume& volume : volumes.List())
        if (IsUsableDrive(volumes, volume))
            drives.push_back(volume);
    return drives;
}

std::string MountPoint(const Volume& volume) {
    std::string mount = volume.root;
    while (mount.size() > 1 && mount.back() == '/')
        mount.pop_back();
    return mount;
}

std::string DriveCaption(const std::string& mountPoint) {
    if (mountPoint == "/")
        return mountPoint;
    return FolderCaption(mountPoint) + " (" + mountPoint + ")";
}

std::string VolumeRootHolding(const Volumes& volumes, const std::string& path) {
    std::string folder = path.ends_with('/') ? path : path + "/";
    std::string best;
    for (const Volume& volume : volumes.List())
        if (folder.starts_with(volume.root) && volume.root.size() > best.size())
            best = volume.root;
    return best;
}

} // namespace zyntra
