#include "device/content_path.h"
#include "device/device_link.h"
#include "platform/inside_root.h"
#include "storage/database_copy.h"
#include "storage/database_files.h"

#include <filesystem>
#include <string_view>

namespace zyntra {
namespace {

// The template slot of a database file named in the content index; 0 for
// any other name.
int SlotOfDatabaseName(std::string_view name) {
    for (int slot = 1; slot <= kDatabaseSlotCount; ++slot)
        if (name == GetDatabaseSlot(slot).deviceFileName)
            return slot;
    return 0;
}

} // namespace

bool DeviceLink::FileHasContent(const std::string& path) {
    if (!IsRegularFile(path))
        return false;
    return FileSize(path, ui_.messages) != 0;
}

void DeviceLink::PrepareDeviceStorage() {
    WaitCursorScope wait(ui_.waitCursor);
    if (curDev_ < 0 || curDev_ >= kMaxDevices)
        return;
    const DEV_INFO& device = Record(curDev_);
    if (!device.rootPath[0].empty()) {
        PrepareDeviceDatabases(curDev_);
        MakeInternalEntries(device.rootPath[0]);
    }
    if (!device.rootPath[1].empty())
        MakeCardFolders(device.rootPath[1]);
}

// Rows from 1 on; row 0 describes the card. What cannot be made (a
// write-protected medium, a file or a link where a folder should be) is
// skipped quietly. The mount root is used as it
// is: upper-casing it would name another folder on a case-sensitive system.
void DeviceLink::MakeInternalEntries(const std::string& root) {
    const auto& rows = fileInfo_[static_cast<std::size_t>(curDev_)];
    for (int i = 1; i < fileInfoCount_[static_cast<std::size_t>(curDev_)]; ++i) {
        const FILE_INFO& row = rows[static_cast<std::size_t>(i)];
        const std::optional<std::string> path = ContentEntryPath(root, row.hw_path, row.hw_name);
        if (!path || !IsInsideRoot(root, *path))
            continue;
        if (row.IsFolder()) {
            MakeFoldersInsideRoot(root, *path);
            continue;
        }
        const int slot = SlotOfDatabaseName(row.hw_name);
        if (slot == 0 || FileHasContent(*path))
            continue;
        // The database's folder may not exist yet on a fresh device.
        if (MakeFoldersInsideRoot(root, std::filesystem::path(*path).parent_path().string()))
            CopyDatabaseFile(TemplatePath(slot), *path);
    }
}

// The card's folders go below the folder that row 0 names, upper-cased;
// database files are never made there.
void DeviceLink::MakeCardFolders(const std::string& root) {
    const int count = fileInfoCount_[static_cast<std::size_t>(curDev_)];
    if (count < 1)
        return;
    const auto& rows = fileInfo_[static_cast<std::size_t>(curDev_)];
    const std::optional<std::string> base =
        ContentFolderPath(root, UpperCasedAscii(rows[0].hw_path));
    if (!base)
        return;
    MakeFoldersInsideRoot(root, *base);
    for (int i = 1; i < count; ++i) {
        const FILE_INFO& row = rows[static_cast<std::size_t>(i)];
        if (!row.IsFolder())
            continue;
        if (const std::optional<std::string> path =
                ContentEntryPath(*base, row.hw_path, row.hw_name))
            MakeFoldersInsideRoot(root, *path);
    }
}

} // namespace zyntra
