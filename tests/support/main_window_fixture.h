#pragma once

#include "app/main_window.h"
#include "kit/ui_services.h"
#include "platform/input_methods.h"
#include "platform/registry.h"
#include "platform/shell_folders.h"
#include "platform/volumes.h"
#include "tests/support/file_operation_double.h"
#include "tests/support/program_folder_fixture.h"
#include "tests/support/ui_doubles.h"

#include <memory>

namespace zyntra::test {

// The main window without a window: headless UI services, in-memory
// platform services and a program folder of its own. Tests set the
// platform up (registry, volumes, input methods, screen), then call Create.
class MainWindowHarness {
public:
    MainWindowHarness();
    ~MainWindowHarness();

    // The regional setting "sLanguage": "CHT", "CHS" or "ENU"; an empty
    // optional makes the key impossible to open.
    void SetRegionalSetting(std::optional<std::string> sLanguage);
    void SetScreen(ScreenSize screen) { screen_ = screen; }

    // Builds TdfmMain (once) and returns it.
    TdfmMain& Window();
    // Start-up as a front end runs it: FormCreate, then the window appears.
    bool Create();

    const TempProgramFolder& Folder() const { return folder_; }
    std::string SettingsPath() const { return folder_.File("Zyntra.ini"); }

    HeadlessUiServices ui;
    MemoryRegistry registry;
    MemoryVolumes volumes;
    std::unique_ptr<MemoryInputMethods> inputMethods =
        std::make_unique<MemoryInputMethods>(std::vector<InputMethod>{});
    MemorySpecialFolders specialFolders{"/nonexistent/Desktop", "/nonexistent/Documents"};
    RecordingFileOperation fileOperations;

private:
    TempProgramFolder folder_;
    ScreenSize screen_{1280, 1024};
    std::unique_ptr<TdfmMain> window_;
};

} // namespace zyntra::test
