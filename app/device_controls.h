#pragma once

#include "device/device_controls.h"

namespace zyntra {

class ControlSet;

// The main window's device tree "tvDictTreeView" and the controls that
// follow the device, for its device link.
DeviceControls DeviceControlsOf(const ControlSet& controls);

} // namespace zyntra
