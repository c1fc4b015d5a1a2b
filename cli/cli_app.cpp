#include "cli/cli_app.h"

#include "app/device_sync.h"
#include "app/startup_checks.h"
#include "app/user_folder.h"
#include "device/device_link.h"
#include "exchange/record_table.h"
#include "personal/personal_engine.h"
#include "platform/backends.h"
#include "platform/input_methods.h"
#include "platform/locale_language.h"
#include "platform/program_folder.h"
#include "platform/registry.h"
#include "platform/single_instance.h"
#include "platform/volumes.h"
#include "storage/database_files.h"
#include "storage/db.h"
#include "storage/text_conv.h"
#include "texts/lang_text.h"

#include <filesystem>

namespace zyntra {
namespace {

// The charset of a language file's section: the charset of the system language it is written
// for. An unknown section is looked up in the system language's, as the lookups do.
const char* SectionCharset(const std::string& section, const std::string& systemLanguage) {
    if (section == "English")
        return InterfaceCharset("en_US");
    if (section == "TChinese")
        return InterfaceCharset("zh_TW");
    if (section == "SChinese")
        return InterfaceCharset("zh_CN");
    return InterfaceCharset(systemLanguage);
}

const char* FailureKey(FileFailure failure) {
    switch (failure) {
    case FileFailure::Missing:
        return "SM_CliMissing";
    case FileFailure::NotOpened:
        return "SM_CliNotOpened";
    case FileFailure::NotCopied:
        return "SM_CliNotCopied";
    case FileFailure::NotReplaced:
        return "SM_CliNotReplaced";
    case FileFailure::NotRebuilt:
        return "SM_CliNotRebuilt";
    case FileFailure::Changed:
        return "SM_CliChanged";
    }
    return "SM_CliNotOpened";
}

} // namespace

CliApp::CliApp(std::FILE* out, std::FILE* err) : out_(out), err_(err) {}

CliApp::~CliApp() {
    if (languageFileOpen_)
        CloseLanguageFile();
}

std::string CliApp::Text(const char* key) const {
    return textCodec_->ToUtf8(LangText(key));
}

std::string CliApp::CountText(const char* key, int count) const {
    return textCodec_->ToUtf8(FormatCount(LangText(key), count));
}

void CliApp::Say(const char* key, const std::string& about, const char* followsKey) const {
    std::string line = Text(key);
    if (!about.empty())
        line += " " + about;
    if (followsKey != nullptr)
        line += " " + Text(followsKey);
    Tell(line);
}

void CliApp::Tell(const std::string& utf8Line) const {
    std::fprintf(err_, "zyntra-cli: %s\n", utf8Line.c_str());
    std::fflush(err_);
}

void CliApp::SetPassword(std::optional<std::string> utf8Password) {
    utf8Password_ = std::move(utf8Password);
}

std::optional<int> CliApp::Start() {
    volumes_ = MakeVolumes();
    inputMethods_ = MakeInputMethods();
    registry_ = MakeRegistry(*inputMethods_);
    language_ = ReadSystemLanguage(*registry_);
    const std::string& language = language_;
    systemCodec_ = std::make_unique<CharsetCodec>(InterfaceCharset(language));
    textCodec_ = std::make_unique<CharsetCodec>(InterfaceCharset(language));
    services_ = std::make_unique<ConsoleServices>(*textCodec_, err_);
    const UserFolderSetup folders = PrepareUserFolder(SystemLocaleName());
    if (FirstMissingRequiredFile(ProgramFolder(), UserFolder())) {
        services_->Services().messages.Show(MissingFilesMessage(language));
        return kExitFailed;
    }
    OpenLanguageFile(LanguageFilePath());
    languageFileOpen_ = true;
    // A section chosen by hand may be another language's than the locale's: its texts are in
    // its own charset, and standard error takes them as UTF-8 all the same.
    textCodec_ = std::make_unique<CharsetCodec>(
        SectionCharset(LanguageSectionOf(LanguageFilePath()), language));
    services_ = std::make_unique<ConsoleServices>(*textCodec_, err_);
    UiServices ui = services_->Services();
    if (!folders.copiedBackupFiles.empty())
        Say("SM_OldBackupCopied", UserFolder() + "backup/");
    // Nothing of the program folder changes while the window runs on it.
    instance_ = std::make_unique<SingleInstance>(kApplicationTitle);
    if (instance_->AlreadyRunning()) {
        Say("SM_CliRunning");
        return kExitFailed;
    }
    ResetWorkingCopies();

    devices_ = std::make_unique<DeviceLink>(ui, *volumes_);
    devices_->DiscoverDevices(false);
    deviceSync_ = std::make_unique<DeviceSync>(*devices_);
    personal_ = std::make_unique<PersonalEngine>(*deviceSync_, ui.messages, ui.pendingEvents);
    personal_->SetInterfaceCharset(recordCodec_.Charset());
    personal_->SetMessageCharset(textCodec_->Charset());
    if (devices_->DeviceCount() > 1) {
        overflow_ = true;
        return kExitNoDevice;
    }
    if (devices_->LastScanUsable())
        devices_->PrepareDeviceStorage();
    return std::nullopt;
}

std::optional<int> CliApp::RequireUnlockedDevice(const char* nothingDoneKey) {
    if (!devices_->LastScanUsable() || devices_->DeviceCount() != 1) {
        Say("SM_CliNoDevice", {}, nothingDoneKey);
        return kExitNoDevice;
    }
    const DEV_INFO& device = devices_->CurrentDevice();
    if (device.Locked()) {
        if (!utf8Password_) {
            Say("SM_CliLocked", {}, nothingDoneKey);
            return kExitPasswordRefused;
        }
        // The device keeps the digest of the password as the window's dialog takes it: in
        // the system language's charset.
        std::optional<std::string> password = systemCodec_->FromUtf8(*utf8Password_);
        if (!password) {
            Say("SM_CliBadPassword", {}, nothingDoneKey);
            return kExitPasswordRefused;
        }
        if (!devices_->PasswordMatches(*password)) {
            Say("SM_CliWrongPassword", {}, nothingDoneKey);
            return kExitPasswordRefused;
        }
    }
    const std::string root = device.rootPath[0];
    if (!PersonalDatabasesReadable([&](int slot) { return DeviceDatabasePath(root, slot); }))
        return kExitFailed;
    return std::nullopt;
}

std::string CliApp::BackupFolder() {
    return std::filesystem::path(BackupPath(1)).parent_path().string();
}

std::optional<int> CliApp::RequireBackup(const char* nothingDoneKey) const {
    std::error_code error;
    if (!std::filesystem::is_regular_file(BackupPath(1), error)) {
        Say("SM_CliNoBackup", BackupFolder(), nothingDoneKey);
        return kExitFailed;
    }
    if (!PersonalDatabasesReadable(BackupPath))
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
            Say("SM_CliNotDatabase", path);
            return false;
        }
    }
    return true;
}

bool CliApp::Succeeded(const RunReport& report) const {
    if (const char* refused = DeviceAccessKey(report.deviceAccess))
        Say(refused);
    for (const FailedFile& failed : report.failedFiles)
        Say(FailureKey(failed.failure), failed.file);
    for (RecordKind kind : report.unwrittenKinds)
        Say("SM_CliNotWritten", RecordKindName(kind));
    if (report.failedStatements > 0)
        Tell(CountText("SM_CliStatementsFailed", report.failedStatements));
    if (report.unreadableRows > 0)
        Tell(CountText("SM_CliRowsUnreadable", report.unreadableRows));
    return report.Clean();
}

} // namespace zyntra
