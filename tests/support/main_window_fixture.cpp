#include "tests/support/main_window_fixture.h"

#include "texts/lang_text.h"

namespace zyntra::test {

MainWindowHarness::MainWindowHarness() {
    SetRegionalSetting("ENU");
}

MainWindowHarness::~MainWindowHarness() {
    window_.reset();
    CloseLanguageFile();
}

void MainWindowHarness::SetRegionalSetting(std::optional<std::string> sLanguage) {
    registry = MemoryRegistry();
    if (sLanguage)
        registry.SetString(RegistryRoot::CurrentUser, "Control Panel\\International", "sLanguage",
                           *sLanguage);
}

bool MainWindowHarness::Create() {
    if (!Window().FormCreate())
        return false;
    Window().Show();
    return true;
}

TdfmMain& MainWindowHarness::Window() {
    if (!window_) {
        window_ = std::make_unique<TdfmMain>(
            ui.Services(), PlatformServices{registry, volumes, *inputMethods, specialFolders, fileOperations},
            screen_);
        window_->SetSettingsPath(SettingsPath());
    }
    return *window_;
}

} // namespace zyntra::test
