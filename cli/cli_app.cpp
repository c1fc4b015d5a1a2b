#include "cli/cli_app.h"

#include "app/startup_checks.h"
#include "device/device_link.h"
#include "storage/database_files.h"
#include "platform/backends.h"
#include "platform/input_methods.h"
#include "platform/registry.h"
#include "platform/shell_folders.h"
#include "platform/single_instance.h"
#include "platform/volumes.h"
#include "storage/db.h"
#include "storage/text_conv.h"

#include <filesystem>

namespace zyntra {

CliApp::CliApp(std::FILE* out, std::FILE* err) : out_(out), err_(err) {}

CliApp::~CliApp() {
    if (window_)
        window_->FormDestroy();
}

void CliApp::Error(const std::string& utf8Text) const {
    std::fprintf(err_, "zyntra-cli: %s\n", utf8Text.c_str());
    std::fflush(err_);
}

void CliApp::SetPassword(std::optional<std::string> utf8Password) {
    utf8Password_ = std::move(utf8Password);
}

bool CliApp::TakeLowLevelFailure() {
    return messages_ && messages_->TakeLowLevelFailure();
}

std::optional<int> CliApp::Start() {
    instance_ = std::make_unique<SingleInstance>(kApplicationTitle);
    if (instance_->AlreadyRunning()) {
        Error("Zyntra is running; close it before using the command line.");
        return kExitFailed;
    }
    volumes_ = MakeVolumes();
    inputMethods_ = MakeInputMethods();
    registry_ = MakeRegistry(*inputMethods_);
    specialFolders_ = MakeSpecialFolders();

    // The interface charset follows the system language, which the window
    // derives from the regional setting; the codec needs it before start-up
    // so that the start-up messages read right.
    const std::string language = ReadSystemLanguage(*registry_);
    codec_ = std::make_unique<CharsetCodec>(InterfaceCharset(language));
    messages_ = std::make_unique<ConsoleMessageBox>(*codec_, err_);
    if (utf8Password_) {
        std::optional<std::string> converted = codec_->FromUtf8(*utf8Password_);
        if (!converted) {
            Error("the password holds a character the device's charset cannot hold");
            return kExitPasswordRefused;
        }
        password_.SetAnswer(converted);
    }
    UiServices ui = headless_.Services();
    UiServices console{*messages_,         ui.question,        ui.waitCursor,
                       ui.pendingEvents,   password_,          ui.inputMethodDialog,
                       ui.timeRangeDialog, ui.classTimeDialog, ui.clock};
    window_ = std::make_unique<TdfmMain>(
        console, PlatformServices{*registry_, *volumes_, *inputMethods_, *specialFolders_},
        ScreenSize{1024, 768});
    window_->SetSettingsPath("");
    if (window_->FormCreate()) {
        window_->Show();
        return std::nullopt;
    }
    overflow_ = window_->Devices().DeviceCount() > 1;
    return overflow_ ? std::optional<int>(kExitNoDevice) : std::optional<int>(kExitFailed);
}

std::optional<int> CliApp::RequireUnlockedDevice() {
    DeviceLink& devices = window_->Devices();
    if (!devices.LastScanUsable() || devices.DeviceCount() != 1) {
        Error("no usable device is connected");
        return kExitNoDevice;
    }
    if (devices.CurrentDevice().Locked() && !devices.CheckDevicePassword(0))
        return kExitPasswordRefused;
    const std::string root = devices.CurrentDevice().rootPath[0];
    if (!PersonalDatabasesReadable([&](int slot) { return DeviceDatabasePath(root, slot); }))
        return kExitFailed;
    return std::nullopt;
}

bool CliApp::PersonalDatabasesReadable(
    const std::function<std::string(int slot)>& pathOfSlot) const {
    for (int slot = 1; slot <= 3; ++slot) {
        const std::string path = pathOfSlot(slot);
        std::error_code error;
        // A dictionary that is not there starts empty; opening it would make the file.
        if (!std::filesystem::is_regular_file(path, error))
            continue;
        sqlite3* db = OpenExistingDatabase(path);
        db_close(db);
        if (db == nullptr) {
            Error("cannot read " + path + ": it is not a database");
            return false;
        }
    }
    return true;
}

} // namespace zyntra
