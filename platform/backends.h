#pragma once

#include "platform/input_methods.h"
#include "platform/registry.h"
#include "platform/shell_folders.h"
#include "platform/volume_monitor.h"
#include "platform/volumes.h"

#include <memory>

namespace zyntra {

// The one place that picks the backend of each platform interface from the
// environment. Where the real backend cannot work, a do-nothing one takes
// its place (no volumes, a monitor that never fires), so callers never check.

// The simulated table when ZYNTRA_VOLUMES names a file, else the mount
// table, else (no readable mount table) no volumes.
std::unique_ptr<Volumes> MakeVolumes();

// The monitor that matches MakeVolumes(); volumes must outlive it.
std::unique_ptr<VolumeMonitor> MakeVolumeMonitor(const Volumes& volumes,
                                                 VolumeMonitor::Callback callback);

// The folders ZYNTRA_IBUS_COMPONENTS and ZYNTRA_FCITX5_INPUTMETHODS name
// when either is set; else the framework the session uses (XMODIFIERS,
// GTK_IM_MODULE, QT_IM_MODULE), or both when none is named.
InputMethodFolders InputMethodFoldersFromEnvironment();
std::unique_ptr<InputMethods> MakeInputMethods();

// Answers from the system locale and the given input methods.
std::unique_ptr<Registry> MakeRegistry(const InputMethods& inputMethods);

std::unique_ptr<SpecialFolders> MakeSpecialFolders();

} // namespace zyntra
