#include "device/device_link.h"
#include "storage/database_copy.h"
#include "storage/database_files.h"
#include "storage/db.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace zyntra {
namespace {

constexpr const char kCountStatement[] = "select count() from file;";
constexpr const char kRowStatement[] =
    "select field_01, field_02, field_04, mainClass, subClass, hw_name, hw_path "
    "from file limit %d, 1;";

// The decimal text of a column as an int; text that is no number gives 0.
int DecimalInt(const char* text) {
    long long value = std::strtoll(text, nullptr, 10);
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

void AssignIfNotNull(int& field, const char* value) {
    if (value != nullptr)
        field = DecimalInt(value);
}

void AssignIfNotNull(std::string& field, const char* value) {
    if (value != nullptr)
        field = value;
}

} // namespace

void DeviceLink::PrepareDeviceDatabases(int dev) {
    if (dev < 0 || dev >= kMaxDevices)
        return;
    const std::string root = Record(dev).rootPath[0];
    if (root.empty())
        return;
    // A device pulled out mid-copy may hold a database only under its set-aside name: it is put
    // back before a missing file is made anew from its template.
    for (int slot = 1; slot <= kDatabaseSlotCount; ++slot)
        RecoverInterruptedCopy(DeviceDatabasePath(root, slot));
    const std::string devicePim = DeviceDatabasePath(root, 1);
    if (!FileHasContent(devicePim)) {
        for (int slot = 1; slot <= kDatabaseSlotCount; ++slot) {
            const std::string target = DeviceDatabasePath(root, slot);
            std::error_code error;
            // A failed copy (no "Secretary" folder yet) is made good by
            // PrepareDeviceStorage from the content index.
            if (std::filesystem::exists(TemplatePath(slot), error) && !FileHasContent(target))
                CopyDatabaseFile(TemplatePath(slot), target);
        }
    }
    // An empty or damaged PIM.db (the template copy above may have failed) is no index.
    if (!FileHasContent(devicePim) || !ReadContentIndex(devicePim, dev))
        ReadContentIndex(TemplatePath(1), dev);
}

// False only when the database cannot be opened (missing, or no database);
// a missing or unreadable table "file" leaves the device's index as it was.
bool DeviceLink::ReadContentIndex(const std::string& databasePath, int dev) {
    DbQuery query;
    query.db = OpenExistingDatabase(databasePath);
    if (query.db == nullptr)
        return false;
    if (db_query(query, kCountStatement) >= 1 && query.table != nullptr &&
        query.table[query.ncol] != nullptr) {
        const int count = std::clamp(DecimalInt(query.table[query.ncol]), 0, kMaxFileInfoRows);
        fileInfoCount_[static_cast<std::size_t>(dev)] = count;
        for (int row = 0; row < count; ++row)
            ReadContentRow(query, dev, row);
        DEV_INFO& device = Record(dev);
        device.mainClass = fileInfo_[static_cast<std::size_t>(dev)][0].mainClass;
        device.subClass = fileInfo_[static_cast<std::size_t>(dev)][0].subClass;
    }
    db_free(query);
    db_close(query.db);
    return true;
}

void DeviceLink::ReadContentRow(DbQuery& query, int dev, int row) {
    char statement[sizeof kRowStatement + 16];
    std::snprintf(statement, sizeof statement, kRowStatement, row);
    if (db_query(query, statement) < 1 || query.table == nullptr || query.ncol < 7) {
        ui_.messages.Show("file error, rec=" + std::to_string(row) + "\n");
        ui_.pendingEvents.ProcessPendingEvents();
        return;
    }
    char** values = query.table + query.ncol;
    FILE_INFO& info = fileInfo_[static_cast<std::size_t>(dev)][static_cast<std::size_t>(row)];
    AssignIfNotNull(info.field_01, values[0]);
    AssignIfNotNull(info.field_02, values[1]);
    AssignIfNotNull(info.field_04, values[2]);
    AssignIfNotNull(info.mainClass, values[3]);
    AssignIfNotNull(info.subClass, values[4]);
    AssignIfNotNull(info.hw_name, values[5]);
    AssignIfNotNull(info.hw_path, values[6]);
}

} // namespace zyntra
