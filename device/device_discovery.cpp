#include "device/device_link.h"
#include "device/info_file.h"
#include "kit/tree_view.h"
#include "platform/volumes.h"
#include "texts/lang_text.h"

namespace zyntra {
namespace {

constexpr int kDeviceImage = 0;
constexpr int kInternalMemoryImage = 1;
constexpr int kMemoryCardImage = 2;

std::string WithTrailingSlash(std::string root) {
    if (root.empty() || root.back() != '/')
        root.push_back('/');
    return root;
}

} // namespace

DiscoveryResult DeviceLink::DiscoverDevices(bool showMessages) {
    tree_.Clear();
    devCount_ = 0;
    devInfo_.fill(DEV_INFO{});
    ScanCounters counters;
    for (const Volume& volume : volumes_.List())
        if (volume.type == VolumeType::Removable && volumes_.IsReadable(volume.root))
            ScanVolume(WithTrailingSlash(volume.root), counters);

    // A device seen only through its card has no databases to work on.
    const bool usable = devCount_ == 1 && counters.cardDrives <= counters.internalDrives;
    lastScanUsable_ = usable;
    DiscoveryResult result = Summary(usable);
    if (usable)
        SetDeviceControlsEnabled(true);
    else
        RefuseScan(showMessages);
    RenumberNodes();
    tree_.FullExpand();
    return result;
}

void DeviceLink::ScanVolume(const std::string& root, ScanCounters& counters) {
    std::optional<InfoHeaderBytes> header = ReadInfoFile(root + kInfoFileName);
    if (!header)
        return;
    const InfoHeader fields = ParseInfoHeader(*header);
    if (fields.model != kDeviceModel)
        return;
    if (fields.driveKind == static_cast<std::int32_t>(DriveKind::InternalMemory)) {
        ++counters.internalDrives;
        RegisterInternalMemory(root, *header);
    } else if (fields.driveKind == static_cast<std::int32_t>(DriveKind::MemoryCard)) {
        ++counters.cardDrives;
        RegisterMemoryCard(root, *header);
    }
}

void DeviceLink::RegisterInternalMemory(const std::string& root, const InfoHeaderBytes& header) {
    const int found = FindDevice(header);
    if (found >= 0) {
        Record(found).rootPath[0] = root;
        PrepareDeviceDatabases(found);
        return;
    }
    if (devCount_ == kMaxDevices)
        return;
    const int dev = devCount_;
    Record(dev).header = header;
    Record(dev).rootPath[0] = root;
    AddDeviceNodes(dev);
    PrepareDeviceDatabases(dev);
    ++devCount_;
    DeleteSyncMarkers();
}

void DeviceLink::RegisterMemoryCard(const std::string& root, const InfoHeaderBytes& header) {
    int dev = FindDevice(header);
    if (dev < 0) {
        if (devCount_ == kMaxDevices)
            return;
        dev = devCount_;
        Record(dev).header = header;
        AddDeviceNodes(dev);
        ++devCount_;
    }
    DEV_INFO& device = Record(dev);
    tree_.AddChild(device.deviceNode, LangText("SM_MySDCard"), kMemoryCardImage, kMemoryCardImage);
    device.rootPath[1] = root;
    RenumberNodes();
}

int DeviceLink::FindDevice(const InfoHeaderBytes& header) const {
    const InfoHeader wanted = ParseInfoHeader(header);
    const std::span<const DEV_INFO> records = Records();
    for (std::size_t i = 0; i < records.size(); ++i) {
        const InfoHeader known = ParseInfoHeader(records[i].header);
        if (known.model == wanted.model && known.ident == wanted.ident)
            return static_cast<int>(i);
    }
    return -1;
}

void DeviceLink::AddDeviceNodes(int dev) {
    const DEV_INFO& device = Record(dev);
    const int top = tree_.AddChild(-1, device.model() + "  (" + device.ident() + ")", kDeviceImage,
                                   kDeviceImage);
    const int internal =
        tree_.AddChild(top, LangText("SM_MyDict"), kInternalMemoryImage, kInternalMemoryImage);
    if (dev == 0) {
        tree_.SetSelected(internal);
        tree_.Expand(top);
    }
    RenumberNodes();
}

// Positions are taken from the tree itself: record i owns the i-th top-level
// node, whose first child is the internal-memory node (also for a device seen
// only through its card) and whose last child is the card node. A card added
// under an earlier device moves every later node, so this runs after each
// change.
void DeviceLink::RenumberNodes() {
    int dev = 0;
    for (int node = 0; node < tree_.NodeCount() && dev < kMaxDevices;
         node = tree_.SubtreeEnd(node), ++dev) {
        DEV_INFO& device = Record(dev);
        device.deviceNode = node;
        const std::vector<int> children = tree_.Children(node);
        if (!children.empty())
            device.dictNode = children.front();
        if (!device.rootPath[1].empty() && children.size() > 1)
            device.cardNode = children.back();
    }
}

void DeviceLink::RefuseScan(bool showMessages) {
    if (showMessages && devCount_ >= 2) {
        ui_.messages.Show(LangText("SM_eDictionaryOverflow"));
        tree_.Clear();
        devCount_ = 0;
    } else if (showMessages) {
        ui_.messages.Show(LangText("SM_NoeDictionary"));
    }
    SetDeviceControlsEnabled(false);
}

} // namespace zyntra
