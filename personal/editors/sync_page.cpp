#include "personal/editors/sync_page.h"

#include "device/device_link.h"
#include "kit/controls.h"
#include "personal/editors/editor_services.h"
#include "personal/editors/sync_report_text.h"
#include "texts/lang_text.h"

namespace zyntra {

SyncPageControls SyncPageControls::From(const ControlSet& controls) {
    return {controls.Get<CheckList>("clbSyncData"),
            controls.Get<RadioButton>("rbSync1"),
            controls.Get<RadioButton>("rbSync2"),
            controls.Get<RadioButton>("rbSync3"),
            controls.Get<SpeedButton>("sbSync"),
            controls.Get<SpeedButton>("sbBackup"),
            controls.Get<SpeedButton>("sbRestore"),
            controls.Get<SpeedButton>("sbUndoSync"),
            controls.Get<SpeedButton>("sbImportFile"),
            controls.Get<SpeedButton>("sbExportFile"),
            controls.Get<PageControl>("pgcDataSet"),
            controls.Get<Control>("tabSyncSet"),
            {&controls.Get<ToolButton>("tbAddrSync"), &controls.Get<ToolButton>("tbScheSync"),
             &controls.Get<ToolButton>("tbToDoSync"), &controls.Get<ToolButton>("tbClassSync"),
             &controls.Get<ToolButton>("tbUserSync")}};
}

SyncPage::HandlerScope::HandlerScope(SyncPage& page) : page_(page) {
    if (page_.handlerDepth_++ == 0) {
        page_.pageWasEnabled_ = page_.controls_.tabSyncSet.Enabled();
        page_.controls_.tabSyncSet.SetEnabled(false);
    }
}

SyncPage::HandlerScope::~HandlerScope() {
    if (--page_.handlerDepth_ == 0)
        page_.controls_.tabSyncSet.SetEnabled(page_.pageWasEnabled_);
}

SyncPage::SyncPage(SyncPageControls controls, UiServices ui, PersonalEngine& engine,
                   DeviceLink& devices)
    : controls_(controls), ui_(ui), engine_(engine), devices_(devices), recordFiles_(ui, engine) {}

void SyncPage::SetStatusRecordCountSink(std::function<void(int)> sink) {
    recordCountSink_ = std::move(sink);
}

void SyncPage::SetListsReloadedSink(std::function<void()> sink) {
    listsReloadedSink_ = std::move(sink);
}

void SyncPage::ListsReloaded() {
    if (listsReloadedSink_ && !lastReport_.busy)
        listsReloadedSink_();
}

void SyncPage::AttachHandlers() {
    controls_.sbSync.OnClick = [this] { sbSyncClick(); };
    controls_.sbBackup.OnClick = [this] { sbBackupClick(); };
    controls_.sbRestore.OnClick = [this] { sbRestoreClick(); };
    controls_.sbUndoSync.OnClick = [this] { sbUndoSyncClick(); };
    controls_.sbImportFile.OnClick = [this] { sbImportFileClick(); };
    controls_.sbExportFile.OnClick = [this] { sbExportFileClick(); };
    for (ToolButton* button : controls_.pageSyncButtons)
        button->OnClick = [this] { ShowSyncPage(); };
}

DataSelection SyncPage::Selection() const {
    DataSelection selection{};
    for (int item = 0; item < kSelectionItemCount; ++item)
        selection.items[item] = controls_.clbSyncData.Checked(item);
    return selection;
}

SyncMode SyncPage::ModeFromButtons() const {
    if (controls_.rbSync1.Checked())
        return SyncMode::MemoryWins;
    return controls_.rbSync2.Checked() ? SyncMode::DatabaseWins : SyncMode::KeepBoth;
}

void SyncPage::ShowSyncPage() {
    controls_.pgcDataSet.SetActivePageIndex(1);
    if (recordCountSink_)
        recordCountSink_(0);
}

void SyncPage::ShowResult(const char* key) {
    const std::string details = SyncReportDetails(lastReport_);
    if (details.empty())
        ui_.messages.Show(LangText(key));
    else
        ui_.messages.ShowWithDetails(LangText(key), details);
}

void SyncPage::sbSyncClick() {
    if (Running() || !engine_.DeviceConnected())
        return;
    if (devices_.CurrentDevice().Locked() && !devices_.CheckDevicePassword(0))
        return;
    {
        HandlerScope scope(*this);
        ui_.pendingEvents.ProcessPendingEvents();
        // What ran meanwhile may have unplugged the device.
        if (!engine_.DeviceConnected())
            return;
        WaitCursorScope wait(ui_.waitCursor);
        lastReport_ = engine_.Synchronize(Selection(), ModeFromButtons());
        ListsReloaded();
    }
    devices_.RefreshConditionalControls(); // Undo Last Sync now has a snapshot to write back
    const char* refused = DeviceAccessKey(lastReport_.deviceAccess);
    ShowResult(lastReport_.Succeeded() ? "SM_SyncOK" : refused ? refused : "SM_SyncNG");
}

void SyncPage::sbBackupClick() {
    if (Running())
        return;
    {
        HandlerScope scope(*this);
        WaitCursorScope wait(ui_.waitCursor);
        lastReport_ = engine_.Backup();
        ListsReloaded();
    }
    ShowResult(lastReport_.Succeeded() ? "SM_ExportOK" : "SM_ExportNG");
}

void SyncPage::sbRestoreClick() {
    if (Running())
        return;
    {
        HandlerScope scope(*this);
        WaitCursorScope wait(ui_.waitCursor);
        lastReport_ = engine_.Restore();
        ListsReloaded();
    }
    if (lastReport_.restoredAnything)
        ShowResult("SM_ImportOK");
}

void SyncPage::sbUndoSyncClick() {
    if (Running() || !engine_.DeviceConnected())
        return;
    const std::optional<Snapshot> last = NewestSnapshotOf(devices_.CurrentDevice().ident());
    if (!last) {
        ui_.messages.Show(LangText("SM_NoSnapshot"));
        return;
    }
    if (!ui_.question.AskCaptioned(kEditorDialogCaption,
                                   LangText("SM_UndoSyncAsk") + "\n" + last->time))
        return;
    if (devices_.CurrentDevice().Locked() && !devices_.CheckDevicePassword(0))
        return;
    {
        HandlerScope scope(*this);
        WaitCursorScope wait(ui_.waitCursor);
        SnapshotRestore result = SnapshotRestore::Unknown;
        lastReport_ = engine_.UndoSync(last->id, result);
        ListsReloaded();
    }
    const char* refused = DeviceAccessKey(lastReport_.deviceAccess);
    ui_.messages.Show(LangText(lastReport_.Succeeded() ? "SM_UndoSyncOK"
                               : refused               ? refused
                                                       : "SM_UndoSyncNG"));
}

void SyncPage::sbImportFileClick() {
    if (Running())
        return;
    HandlerScope scope(*this);
    if (recordFiles_.Import() && listsReloadedSink_)
        listsReloadedSink_();
}

void SyncPage::sbExportFileClick() {
    if (Running())
        return;
    HandlerScope scope(*this);
    recordFiles_.Export();
}

bool SyncPage::OfferBackupOnClose() {
    if (Running())
        return false;
    if (!engine_.Lists().AnyRecords())
        return true;
    if (ui_.question.AskCaptioned(kEditorDialogCaption, LangText("SM_NeedToExportData")))
        sbBackupClick();
    return true;
}

} // namespace zyntra
