#include "app/main_window.h"

#include "app/compact_layout.h"
#include "app/controls/main_window_controls.h"
#include "app/device_controls.h"
#include "app/device_sync.h"
#include "app/icon_files.h"
#include "app/input_method_selection.h"
#include "app/main_window_state.h"
#include "app/registry_text.h"
#include "app/startup_checks.h"
#include "app/user_folder.h"
#include "app/window_settings.h"
#include "content/computer_browser.h"
#include "content/content_page.h"
#include "content/device_browser.h"
#include "content/file_lists.h"
#include "content/transfer_commands.h"
#include "device/device_link.h"
#include "kit/controls.h"
#include "personal/editors/sync_page.h"
#include "personal/editors/user_data_page.h"
#include "personal/personal_engine.h"
#include "platform/input_methods.h"
#include "platform/locale_language.h"
#include "platform/os_version.h"
#include "platform/program_folder.h"
#include "platform/shell_folders.h"
#include "storage/database_files.h"
#include "storage/text_conv.h"
#include "texts/ini_file.h"
#include "texts/lang_text.h"

#include <cstdio>

namespace zyntra {
namespace {

// The old backup is copied, never moved: the user learns where the one the program now uses is.
void TellOldBackupCopied(const UserFolderSetup& folders, MessageBox& messages) {
    if (folders.copiedBackupFiles.empty())
        return;
    std::printf("%s\n", OldBackupCopiedLine(folders).c_str());
    std::fflush(stdout);
    messages.Show(LangText("SM_OldBackupCopied") + "\n" + UserFolder() + "backup/");
}

} // namespace

TdfmMain::TdfmMain(UiServices ui, PlatformServices platform, ScreenSize screen)
    : ui_(ui), platform_(platform), screen_(screen), state_(std::make_unique<State>()) {
    settingsPath_ = WindowSettingsPath();
    CreateMainWindowControls(controls_);
    devices_ = std::make_unique<DeviceLink>(ui_, platform_.volumes, DeviceControlsOf(controls_));
    deviceSync_ = std::make_unique<DeviceSync>(*devices_);
    personal_ = std::make_unique<PersonalEngine>(*deviceSync_, ui_.messages, ui_.pendingEvents);
    syncPage_ =
        std::make_unique<SyncPage>(SyncPageControls::From(controls_), ui_, *personal_, *devices_);
    userData_ = std::make_unique<UserDataPage>(controls_, MakeEditorServices());
    fileLists_ = std::make_unique<FileLists>();
    contentPage_ = std::make_unique<ContentPage>(ContentPageControls::From(controls_), ui_,
                                                 *fileLists_, *devices_);
    computerBrowser_ = std::make_unique<ComputerBrowser>(
        controls_, ui_.waitCursor, *fileLists_, platform_.volumes, platform_.specialFolders);
    deviceBrowser_ = std::make_unique<DeviceBrowser>(controls_, ui_, *fileLists_, *devices_,
                                                     platform_.volumes, *contentPage_);
    MakeTransferCommands();
    WireHandlers();
}

void TdfmMain::MakeTransferCommands() {
    DeviceBrowser& deviceSide = *deviceBrowser_;
    transfers_ = std::make_unique<TransferCommands>(
        TransferControls::From(controls_), ui_, *fileLists_, *contentPage_, *computerBrowser_,
        *devices_, platform_.fileOperations,
        DeviceSideHooks{[&deviceSide] { return deviceSide.CurrentStorage(); },
                        [&deviceSide] { deviceSide.ListDeviceFiles(ListScope::CurrentCategory); }});
}

TdfmMain::~TdfmMain() = default;

Form& TdfmMain::MainForm() {
    return controls_.Get<Form>(kMainFormName);
}

EditorServices TdfmMain::MakeEditorServices() {
    return EditorServices{
        .ui = ui_,
        .lists = personal_->Lists(),
        .devices = *devices_,
        .texts = state_->texts,
        .setRecordCount =
            [this](int count) {
                state_->statusRecordCount = count;
                UpdateStatusLine();
            },
        .closing = [this] { return closing_; },
        .interfaceCharset = [this] { return InterfaceCharset(systemLanguage_); },
        .chooseInputMethod =
            [this] {
                if (state_->inputMethods.imeChoice == -1)
                    SelectInputMethod();
            },
        .attachInputMethod =
            [this](EditField& field) {
                field.SetInputMethod(ChosenInputMethodName(state_->inputMethods));
            },
        .pageScroll = [this] { return MainForm().Height(); },
    };
}

void TdfmMain::WireHandlers() {
    MainForm().OnResize = [this] { FormResize(); };
    personal_->SetWeekdayNames([this](int w) { return state_->texts.weekdayNames.at(w); });
    syncPage_->SetStatusRecordCountSink([this](int count) {
        state_->statusRecordCount = count;
        UpdateStatusLine();
    });
    syncPage_->SetListsReloadedSink([this] { userData_->ListsReloaded(); });
    syncPage_->AttachHandlers();
    userData_->AttachHandlers();
    contentPage_->SetShownFileCountSink([this](int count) {
        state_->shownFileCount = count;
        state_->currentCategory = static_cast<int>(contentPage_->CurrentCategory());
        UpdateStatusLine();
    });
    contentPage_->AttachHandlers();
    computerBrowser_->AttachHandlers();
    deviceBrowser_->AttachHandlers();
    transfers_->AttachHandlers();
    auto& mainPages = controls_.Get<PageControl>("pgcMain");
    mainPages.OnChange = [this, &mainPages] {
        state_->mainPage = mainPages.ActivePageIndex();
        UpdateStatusLine();
    };
    controls_.Get<PageControl>("pgcDataSet").OnChange = [this] { UpdateStatusLine(); };
    controls_.Get<PageControl>("pgcPIMPage").OnChange = [this] {
        state_->mainPage = 1;
        UpdateStatusLine();
        userData_->pgcPIMPageChange();
    };
    controls_.Get<TabSheet>("tabUserData").OnShow = [this] { userData_->tabUserDataShow(); };
    controls_.OnFocusChanged = [this](Control* focused) {
        auto* field = dynamic_cast<EditField*>(focused);
        if (field != nullptr && !field->InputMethod().empty())
            platform_.inputMethods.Activate(field->InputMethod());
    };
}

void TdfmMain::SelectInputMethod() {
    zyntra::SelectInputMethod(
        state_->inputMethods, systemLanguage_,
        {platform_.inputMethods, platform_.registry, ui_.inputMethodDialog, ui_.messages},
        {kMainWindowCaption, LangText("SM_SelectIME"), LangText("SM_OK"), LangText("SM_CANCEL")});
}

void TdfmMain::ShowStartPages() {
    controls_.Get<PageControl>("pgcMain").SetActivePageIndex(0);
    controls_.Get<PageControl>("pgcPIMPage").SetActivePageIndex(0);
    controls_.Get<PageControl>("pgcAddress").SetActivePageIndex(0);
    state_->mainPage = 0;
}

void TdfmMain::SetDefaultSyncSelection() {
    CheckList& kinds = controls_.Get<CheckList>("clbSyncData");
    for (int i = 0; i < kinds.ItemCount(); ++i)
        kinds.SetChecked(i, true);
    controls_.Get<RadioButton>("rbSync3").SetChecked(true);
}

void TdfmMain::SetDefaultUserDictionaryView() {
    controls_.Get<SpeedButton>("sbUserECDict").SetDown(true);
    controls_.Get<SpeedButton>("sbUserCEDict").SetDown(false);
    for (const char* name : {"lvECUserList", "lblUserPartOfSpeech", "edtUserPartOfSpeech"})
        controls_.Get<Control>(name).SetVisible(true);
    controls_.Get<Control>("lvCEUserList").SetVisible(false);
}

bool TdfmMain::RunStartupChecks() {
    if (FirstMissingRequiredFile(ProgramFolder(), UserFolder())) {
        ui_.messages.Show(MissingFilesMessage(systemLanguage_));
        return false;
    }
    if (ScreenTooSmall(screen_.width, screen_.height)) {
        ui_.messages.Show(ScreenTooSmallMessage(systemLanguage_));
        return false;
    }
    return true;
}

bool TdfmMain::FormCreate() {
    State& s = *state_;
    s.osVersionCode = GetOsVersionCode();
    systemLanguage_ = SystemLanguageFromRegionalSetting(
        ReadRegistryString(platform_.registry, ui_.messages, RegistryRoot::CurrentUser,
                           "Control Panel\\International", "sLanguage"));
    controls_.SetEncoding(systemLanguage_ == "en_US" ? TextEncoding::SingleByte
                                                     : TextEncoding::DoubleByte);
    const UserFolderSetup folders = PrepareUserFolder(SystemLocaleName());
    if (!RunStartupChecks())
        return false;

    OpenLanguageFile(LanguageFilePath());
    TellOldBackupCopied(folders, ui_.messages);
    WriteIconFiles(UserFolder());
    s.iconsWritten = true;
    LoadWindowSettings();

    s.inputMethods.imeChoice = -1;
    closing_ = false;
    computerBrowser_->SetComputerPath("0");
    deviceBrowser_->ForgetDevicePath();
    ShowStartPages();
    personal_->SetInterfaceCharset(InterfaceCharset(systemLanguage_));
    personal_->Lists().ResetAllLists();
    SetDefaultSyncSelection();
    SetDefaultUserDictionaryView();
    devices_->ForgetDevices();
    devices_->DiscoverDevices(false);
    fileLists_->SetScanContext(devices_->CurrentDevice(), systemLanguage_);
    computerBrowser_->RebuildAndList();
    if (!DecideOnDevice())
        return false;
    ResetWorkingCopies();
    ApplyLanguageTexts();
    contentPage_->SelectCategory(ContentCategory::Ebook);
    return true;
}

// More than one device stops the start; without a usable one the window runs
// with the device controls off and the default content codes.
bool TdfmMain::DecideOnDevice() {
    DeviceLink& link = *devices_;
    if (link.DeviceCount() > 1) {
        ui_.messages.Show(LangText("SM_eDictionaryOverflow"));
        return false;
    }
    const DEV_INFO& device = link.CurrentDevice();
    if (link.DeviceCount() == 1 && !device.rootPath[0].empty()) {
        link.PrepareDeviceStorage();
        deviceBrowser_->UseInternalMemory();
        deviceBrowser_->ListDeviceFiles(ListScope::AllCategories);
        return true;
    }
    link.UseDefaultContentCodes();
    link.SetDeviceControlsEnabled(false);
    deviceBrowser_->ClearDeviceFiles();
    return true;
}

void TdfmMain::Show() {
    MainForm().SetVisible(true);
    UpdateStatusLine();
}

void TdfmMain::FormResize() {
    Form& form = MainForm();
    int width = form.Width() >= 1024 ? 1024 : screen_.width;
    int height = form.Height() >= 768 ? 768 : screen_.height;
    form.SetBounds({form.Left(), form.Top(), width, height});
}

bool TdfmMain::FormClose() {
    return syncPage_->OfferBackupOnClose();
}

void TdfmMain::FormDestroy() {
    CloseLanguageFile();
    if (state_->iconsWritten)
        DeleteIconFiles(UserFolder());
    closing_ = true;
    SaveWindowSettings();
}

void TdfmMain::LoadWindowSettings() {
    Form& form = MainForm();
    IniFile settings(settingsPath_);
    WindowPlacement saved = ReadWindowPlacement(settings, screen_);
    form.SetBounds({saved.left, saved.top, saved.width, saved.height});
    form.SetState(saved.state);

    WindowPlacement placed = PlaceByScreenRule(screen_, saved.state);
    form.SetBounds({placed.left, placed.top, placed.width, placed.height});
    if (IsCompactScreen(screen_))
        ApplyCompactLayout(controls_);
}

void TdfmMain::SaveWindowSettings() {
    if (settingsPath_.empty())
        return;
    const Form& form = MainForm();
    IniFile settings(settingsPath_);
    WriteWindowPlacement(settings,
                         {form.Top(), form.Left(), form.Width(), form.Height(), form.State()});
}

void TdfmMain::SetCurrentHint(const std::string& hintKey) {
    if (hintKey == currentHint_)
        return;
    currentHint_ = hintKey;
    UpdateStatusLine();
}

std::string TdfmMain::TranslateHint() const {
    return currentHint_.empty() ? std::string() : ShortHintPart(LangText(currentHint_));
}

} // namespace zyntra
