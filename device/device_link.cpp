#include "device/device_link.h"

#include "kit/controls.h"

namespace zyntra {
namespace {

constexpr const char kDefaultMainClass[] = "B";
constexpr const char kDefaultSubClass[] = "02";

std::unique_ptr<TreeView> TreeUnlessGiven(const DeviceControls& controls) {
    if (controls.tree != nullptr)
        return nullptr;
    return std::make_unique<TreeView>("tvDictTreeView");
}

} // namespace

DeviceLink::DeviceLink(UiServices ui, Volumes& volumes, DeviceControls controls)
    : ui_(ui), volumes_(volumes), controls_(std::move(controls)),
      ownTree_(TreeUnlessGiven(controls_)),
      tree_(controls_.tree != nullptr ? *controls_.tree : *ownTree_) {}

DeviceLink::~DeviceLink() = default;

void DeviceLink::SetDeviceControlsEnabled(bool enabled) {
    for (Control* control : controls_.switched)
        control->SetEnabled(enabled);
    ApplyConditions(enabled);
    for (PopupMenu* menu : controls_.switchedMenus)
        menu->SetAutoPopup(enabled);
    if (enabled)
        for (Control* control : controls_.enabledOnly)
            control->SetEnabled(true);
}

void DeviceLink::ApplyConditions(bool enabled) {
    for (const DeviceControls::Conditional& conditional : controls_.switchedWhen)
        conditional.control->SetEnabled(enabled && devCount_ > 0 &&
                                        conditional.holds(CurrentDevice().ident()));
}

void DeviceLink::RefreshConditionalControls() {
    ApplyConditions(lastScanUsable_);
}

void DeviceLink::ForgetDevices() {
    devCount_ = 0;
    curDev_ = 0;
    curPart_ = kInternalMemoryPart;
}

void DeviceLink::UseDefaultContentCodes() {
    DEV_INFO& device = Record(curDev_);
    device.mainClass = kDefaultMainClass;
    device.subClass = kDefaultSubClass;
}

std::span<const DEV_INFO> DeviceLink::Records() const {
    return std::span<const DEV_INFO>(devInfo_).first(static_cast<std::size_t>(devCount_));
}

const DEV_INFO& DeviceLink::CurrentDevice() const {
    return devInfo_.at(static_cast<std::size_t>(curDev_));
}

bool DeviceLink::SelectCurrent(int dev, int part) {
    const bool knownPart = part == -1 || part == kInternalMemoryPart || part == kMemoryCardPart;
    if (dev < 0 || dev >= devCount_ || !knownPart)
        return false;
    curDev_ = dev;
    curPart_ = part;
    return true;
}

std::span<const FILE_INFO> DeviceLink::ContentIndex(int dev) const {
    const auto& rows = fileInfo_.at(static_cast<std::size_t>(dev));
    return std::span<const FILE_INFO>(rows).first(
        static_cast<std::size_t>(fileInfoCount_[static_cast<std::size_t>(dev)]));
}

DiscoveryResult DeviceLink::Summary(bool usable) const {
    DiscoveryResult result;
    result.usable = usable;
    for (const DEV_INFO& device : Records()) {
        result.devices.push_back({device.model(), device.ident(), device.rootPath[0],
                                  device.rootPath[1], device.Locked(), device.mainClass,
                                  device.subClass});
    }
    return result;
}

} // namespace zyntra
