#pragma once

#include "device/device_link.h"
#include "kit/controls.h"
#include "tests/support/device_fixture.h"
#include "tests/support/program_folder_fixture.h"
#include "tests/support/ui_doubles.h"

#include <memory>
#include <string>
#include <vector>

namespace zyntra::test {

// A device link on the main window's controls, without peers: headless UI
// services, drives as temporary folders, the language file open.
class DeviceLinkTest : public ProgramFolderTest {
protected:
    DeviceLinkTest();
    ~DeviceLinkTest() override;

    template <class T> T& Get(const char* name) { return controls_.Get<T>(name); }
    TreeView& Tree() { return Get<TreeView>("tvDictTreeView"); }
    // "caption/image/depth" of every node in tree order.
    std::vector<std::string> TreeShape();
    // Texts of the message boxes shown so far.
    std::vector<std::string> ShownTexts() const;
    // Enabled state of the switched device controls: all on, all off, or mixed (nullopt).
    std::optional<bool> SwitchedControlsEnabled();
    bool EnabledOnlyGroupEnabled();

    DeviceLink& Link() { return *link_; }

    HeadlessUiServices ui_;
    MemoryVolumes volumes_;
    FixtureDrives drives_{volumes_};
    ControlSet controls_;
    std::unique_ptr<DeviceLink> link_;
};

} // namespace zyntra::test
