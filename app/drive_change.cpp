#include "app/main_window.h"
#include "content/computer_browser.h"
#include "content/content_page.h"
#include "content/device_browser.h"
#include "device/device_link.h"
#include "kit/wait_cursor.h"
#include "platform/volume_monitor.h"

#include <algorithm>

namespace zyntra {

void TdfmMain::HandleDriveChange(VolumeChange change) {
    WaitCursorScope busy(ui_.waitCursor);
    computerBrowser_->RebuildAndList();
    deviceBrowser_->DiscoverDevices(true);
    if (change == VolumeChange::Arrival)
        devices_->DeleteSyncMarkers();
    if (devices_->DeviceCount() != 0) {
        deviceBrowser_->UseInternalMemory();
        deviceBrowser_->ListDeviceFiles(ListScope::AllCategories);
        contentPage_->SelectCategory(contentPage_->CurrentCategory());
    } else {
        deviceBrowser_->ClearDeviceFiles();
    }
}

void TdfmMain::HandleVolumeEvents(const std::vector<VolumeEvent>& events) {
    if (events.empty())
        return;
    const bool arrival = std::any_of(events.begin(), events.end(), [](const VolumeEvent& event) {
        return event.change == VolumeChange::Arrival;
    });
    HandleDriveChange(arrival ? VolumeChange::Arrival : VolumeChange::Removal);
}

} // namespace zyntra
