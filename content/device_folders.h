#pragma once

#include "content/content_category.h"
#include "content/file_entry.h"
#include "device/device_record.h"

#include <optional>
#include <span>
#include <string>

namespace zyntra {

class DeviceLink;

// The storage of the device that the device-side list shows and a paste onto the device fills:
// its root, whether it is the memory card, and the device's content index, which names the
// category folders.
struct DeviceStorageView {
    std::string devicePath; // the storage's root, ending in '/'
    bool card = false;
    std::span<const FILE_INFO> index;
};

// The internal memory or the memory card of the current device as a storage view; its root is
// empty when the device lacks that storage.
DeviceStorageView StorageOfCurrentDevice(const DeviceLink& devices, bool card);

// Where the content manager keeps a storage's categories: the root itself on the internal
// memory; on the card, the folder that row 0 of the index names (upper-cased, as the folders
// are made there). Nothing when the root is empty or the row would lead outside it.
std::optional<std::string> StorageBaseFolder(const DeviceStorageView& storage);

// The folder whose files the device-side list shows for the category, without a trailing '/'.
// Nothing when the index lacks the category's row or its name would lead outside the storage
// (through a link on the medium too).
std::optional<std::string> CategoryFolder(const DeviceStorageView& storage,
                                          ContentCategory category);

// The folder a file pasted onto the device goes to, ending in '/'. An e-book goes to the
// folder of its class: the first row from 7 on whose class codes equal the book's exactly
// (case counts); nothing when no row has them, or when a name would lead outside the storage
// (through a link on the medium too).
std::optional<std::string> DeviceTargetFolder(const DeviceStorageView& storage,
                                              ContentCategory category, const FILE_TYPE& entry);

// The first index row that may name an e-book class folder.
inline constexpr int kFirstBookClassRow = 7;

} // namespace zyntra
