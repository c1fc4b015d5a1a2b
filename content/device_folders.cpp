#include "content/device_folders.h"

#include "device/content_path.h"
#include "device/device_link.h"
#include "platform/inside_root.h"

namespace zyntra {
namespace {

const FILE_INFO* Row(const DeviceStorageView& storage, int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= storage.index.size())
        return nullptr;
    return &storage.index[static_cast<std::size_t>(row)];
}

// A folder reached through a link on the medium is none of the device's: a paste there, a
// listing or a deletion would act on whatever the link points at.
std::optional<std::string> Confined(const DeviceStorageView& storage,
                                    std::optional<std::string> folder) {
    std::string root = storage.devicePath;
    if (!root.empty() && root.back() != '/')
        root.push_back('/');
    if (folder && !IsInsideRoot(root, *folder))
        return std::nullopt;
    return folder;
}

std::optional<std::string> WithSlash(std::optional<std::string> folder) {
    if (folder)
        folder->push_back('/');
    return folder;
}

} // namespace

DeviceStorageView StorageOfCurrentDevice(const DeviceLink& devices, bool card) {
    const DEV_INFO& device = devices.CurrentDevice();
    return {device.rootPath[card ? kMemoryCardPart : kInternalMemoryPart], card,
            devices.ContentIndex(devices.CurrentDeviceIndex())};
}

std::optional<std::string> StorageBaseFolder(const DeviceStorageView& storage) {
    if (storage.devicePath.empty())
        return std::nullopt;
    std::string root = storage.devicePath;
    if (root.back() != '/')
        root.push_back('/');
    if (!storage.card)
        return root;
    const FILE_INFO* cardRow = Row(storage, 0);
    if (cardRow == nullptr)
        return std::nullopt;
    return ContentFolderPath(root, UpperCasedAscii(cardRow->hw_name));
}

std::optional<std::string> CategoryFolder(const DeviceStorageView& storage,
                                          ContentCategory category) {
    const std::optional<std::string> base = StorageBaseFolder(storage);
    const FILE_INFO* row = Row(storage, InfoOf(category).deviceFolderRow);
    if (!base || row == nullptr)
        return std::nullopt;
    return Confined(storage, ContentEntryPath(*base, "", row->hw_name));
}

std::optional<std::string> DeviceTargetFolder(const DeviceStorageView& storage,
                                              ContentCategory category, const FILE_TYPE& entry) {
    if (category != ContentCategory::Ebook)
        return WithSlash(CategoryFolder(storage, category));
    const std::optional<std::string> base = StorageBaseFolder(storage);
    if (!base)
        return std::nullopt;
    for (std::size_t i = kFirstBookClassRow; i < storage.index.size(); ++i) {
        const FILE_INFO& row = storage.index[i];
        if (row.mainClass == entry.bookMainClass && row.subClass == entry.bookSubClass)
            return WithSlash(Confined(storage, ContentEntryPath(*base, row.hw_path, row.hw_name)));
    }
    return std::nullopt;
}

} // namespace zyntra
