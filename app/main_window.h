#pragma once

#include "app/startup_checks.h"
#include "app/window_settings.h"
#include "kit/control_set.h"
#include "kit/ui_services.h"

#include <memory>
#include <string>
#include <vector>

namespace zyntra {

class ComputerBrowser;
class ContentPage;
class DeviceBrowser;
class TransferCommands;
class DeviceLink;
class FileLists;
class DeviceSync;
class FileOperation;
class PersonalEngine;
class SyncPage;
class UserDataPage;
struct EditorServices;
class InputMethods;
class Registry;
class SpecialFolders;
class Volumes;
class IniFile;
class Form;
class StatusBar;
enum class VolumeChange;
struct VolumeEvent;

// The platform services the main window uses, owned by whoever starts it
// (the window's main(), the command line, a test).
struct PlatformServices {
    Registry& registry;
    Volumes& volumes;
    InputMethods& inputMethods;
    SpecialFolders& specialFolders;
    // Copies, moves and deletes content files, asking the user where it must.
    FileOperation& fileOperations;
};

inline constexpr const char kMainWindowCaption[] = "Zyntra";
inline constexpr const char kMainFormName[] = "dfmMain";
inline constexpr const char kStatusBarName[] = "stbMain";

// The main window: the composition root that owns every piece of program
// state for the whole run and the controls of the window model. The same
// object runs under the Qt window (peers attached to its controls), under
// the command line and in tests (no peers).
class TdfmMain {
public:
    TdfmMain(UiServices ui, PlatformServices platform, ScreenSize screen);
    ~TdfmMain();
    TdfmMain(const TdfmMain&) = delete;
    TdfmMain& operator=(const TdfmMain&) = delete;

    ControlSet& Controls() { return controls_; }
    Form& MainForm();
    UiServices& Ui() { return ui_; }
    PlatformServices& Platform() { return platform_; }
    // The device table, content index, sync marker and password check.
    DeviceLink& Devices() { return *devices_; }
    // The personal data in memory and the runs that move it.
    PersonalEngine& Personal() { return *personal_; }
    // The synchronisation page's handlers: sync, backup, restore, the close prompt.
    SyncPage& Sync() { return *syncPage_; }
    // The five editor pages of the personal data.
    UserDataPage& Editors() { return *userData_; }
    // The content manager's file lists and the handlers of its page.
    FileLists& Files() { return *fileLists_; }
    ContentPage& Content() { return *contentPage_; }
    ComputerBrowser& ComputerSide() { return *computerBrowser_; }
    DeviceBrowser& DeviceSide() { return *deviceBrowser_; }
    // Cut, Copy, Paste, Delete, Download and Upload of the content page.
    TransferCommands& Transfers() { return *transfers_; }

    // The start-up sequence. False when the program must end (the reason has
    // been shown); the caller then quits without running the message loop.
    bool FormCreate();
    // The window appears: the front end calls this once start-up is over (the
    // window after its splash, the command line and tests at once). Pages
    // report their first showing from here on.
    void Show();
    // Holds the window at 1024 x 768 or at the screen size.
    void FormResize();
    // Runs before the window closes; false keeps it open.
    bool FormClose();
    void FormDestroy();

    // A volume came or went: both browsers are built again and the device discovered again,
    // with its messages. Which volume it was does not matter.
    void HandleDriveChange(VolumeChange change);
    // The changes one look at the volumes found, handled as one drive change: the rebuild
    // reads every volume anew, so one pass covers them all. An arrival among them counts,
    // since only an arrival removes stale sync markers.
    void HandleVolumeEvents(const std::vector<VolumeEvent>& events);

    // The application-wide hint: the hint key of the control or menu item
    // under the mouse ("" for none). Changing it refreshes the status line.
    void SetCurrentHint(const std::string& hintKey);
    const std::string& CurrentHint() const { return currentHint_; }
    // The status line, from the state the subsystems keep.
    void UpdateStatusLine();
    // The tip to show for the current hint: its short part.
    std::string TranslateHint() const;

    // Lists the input methods of the system language and lets the user choose
    // one; the editors' text fields get it when their pages show.
    void SelectInputMethod();

    const std::string& SystemLanguage() const { return systemLanguage_; }
    bool Closing() const { return closing_; }

    // Where the window settings live: the executable's path plus ".ini"; an
    // empty path keeps none (the command line has no window to place).
    void SetSettingsPath(std::string path) { settingsPath_ = std::move(path); }
    const std::string& SettingsPath() const { return settingsPath_; }

    // The shell's window-level state, for the subsystems that read it.
    struct State;
    State& Shell() { return *state_; }
    const State& Shell() const { return *state_; }

private:
    EditorServices MakeEditorServices();
    void WireHandlers();
    void MakeTransferCommands();
    bool RunStartupChecks();
    void ShowStartPages();
    void SetDefaultSyncSelection();
    void SetDefaultUserDictionaryView();
    bool DecideOnDevice();
    void ApplyLanguageTexts();
    void LoadWindowSettings();
    void SaveWindowSettings();

    ControlSet controls_;
    UiServices ui_;
    PlatformServices platform_;
    ScreenSize screen_;
    std::string settingsPath_;
    std::string systemLanguage_ = "en_US";
    std::string currentHint_;
    bool closing_ = false;
    std::unique_ptr<State> state_;
    std::unique_ptr<DeviceLink> devices_;
    std::unique_ptr<DeviceSync> deviceSync_;
    std::unique_ptr<PersonalEngine> personal_;
    std::unique_ptr<SyncPage> syncPage_;
    std::unique_ptr<UserDataPage> userData_;
    std::unique_ptr<FileLists> fileLists_;
    std::unique_ptr<ContentPage> contentPage_;
    std::unique_ptr<ComputerBrowser> computerBrowser_;
    std::unique_ptr<DeviceBrowser> deviceBrowser_;
    std::unique_ptr<TransferCommands> transfers_;
};

} // namespace zyntra
