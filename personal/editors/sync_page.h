#pragma once

#include "kit/ui_services.h"
#include "personal/editors/record_file_dialogs.h"
#include "personal/personal_engine.h"

#include <array>
#include <functional>

namespace zyntra {

class CheckList;
class Control;
class ControlSet;
class DeviceLink;
class PageControl;
class RadioButton;
class SpeedButton;
class ToolButton;

// The controls of the synchronisation page that its handlers read and drive.
struct SyncPageControls {
    CheckList& clbSyncData; // the data selection: one check mark per selection item
    RadioButton& rbSync1;
    RadioButton& rbSync2;
    RadioButton& rbSync3;
    SpeedButton& sbSync;
    SpeedButton& sbBackup;
    SpeedButton& sbRestore;
    SpeedButton& sbUndoSync;
    SpeedButton& sbImportFile;
    SpeedButton& sbExportFile;
    PageControl& pgcDataSet;
    Control& tabSyncSet;                        // holds every control that starts a load or a run
    std::array<ToolButton*, 5> pageSyncButtons; // tbAddrSync .. tbUserSync

    static SyncPageControls From(const ControlSet& controls);
};

// The synchronisation page: its handlers read the selection and the mode from the controls,
// check the device's password, run the engine and show the result in the user's language.
//
// While a handler runs, the page is disabled; a handler reached anyway (through the pending
// events a load lets run) does nothing.
class SyncPage {
public:
    SyncPage(SyncPageControls controls, UiServices ui, PersonalEngine& engine, DeviceLink& devices);

    // Receives the status line's record count when a per-page Sync button shows the sync page.
    void SetStatusRecordCountSink(std::function<void(int)> sink);
    // Told after every run that loaded the lists again.
    void SetListsReloadedSink(std::function<void()> sink);
    // Attaches the handlers below to sbSync, sbBackup, sbRestore, sbUndoSync, sbImportFile,
    // sbExportFile and the five page Sync buttons.
    void AttachHandlers();

    // The kinds checked in clbSyncData.
    DataSelection Selection() const;
    // rbSync1 memory wins, rbSync2 the device wins, otherwise both are kept.
    SyncMode ModeFromButtons() const;
    // A handler or an engine run is going on.
    bool Running() const { return handlerDepth_ > 0 || engine_.Running(); }
    // What the engine reported for the last run a handler started.
    const RunReport& LastReport() const { return lastReport_; }

    void sbSyncClick();
    void sbBackupClick();
    void sbRestoreClick();
    // Writes the newest snapshot of the current device back to it, after asking.
    void sbUndoSyncClick();
    // Appends the records of a file the user chooses to memory; the editors show them.
    void sbImportFileClick();
    // Writes memory's records to a file the user chooses.
    void sbExportFileClick();
    void tbAddrSyncClick() { ShowSyncPage(); }
    void tbScheSyncClick() { ShowSyncPage(); }
    void tbToDoSyncClick() { ShowSyncPage(); }
    void tbClassSyncClick() { ShowSyncPage(); }
    void tbUserSyncClick() { ShowSyncPage(); }

    // The close prompt: offers a backup when any list holds records. The result is whether the
    // window may close: false only while a run is going on.
    bool OfferBackupOnClose();

private:
    // Marks a handler run: the first one disables the page, the last one gives it back the
    // state it had.
    class HandlerScope {
    public:
        explicit HandlerScope(SyncPage& page);
        ~HandlerScope();
        HandlerScope(const HandlerScope&) = delete;
        HandlerScope& operator=(const HandlerScope&) = delete;

    private:
        SyncPage& page_;
    };

    void ShowSyncPage();
    void ListsReloaded();
    // The result of the last run under the language text of `key`, with its report as details.
    void ShowResult(const char* key);

    SyncPageControls controls_;
    UiServices ui_;
    PersonalEngine& engine_;
    DeviceLink& devices_;
    RecordFileDialogs recordFiles_;
    std::function<void(int)> recordCountSink_;
    std::function<void()> listsReloadedSink_;
    RunReport lastReport_;
    int handlerDepth_ = 0;
    bool pageWasEnabled_ = true;
};

} // namespace zyntra
