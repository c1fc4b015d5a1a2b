#pragma once

#include "kit/ui_services.h"
#include "personal/personal_records.h"

#include <array>
#include <functional>
#include <string>

namespace zyntra {

class CheckList;
class Control;
class ControlSet;
class PageControl;
class RadioButton;
class SpeedButton;
class SyncDevice;
class ToolButton;

// The controls of the synchronisation page that the personal data reads and drives.
struct SyncPageControls {
    CheckList& clbSyncData; // the data selection: one check mark per DataKind
    RadioButton& rbSync1;
    RadioButton& rbSync2;
    RadioButton& rbSync3;
    SpeedButton& sbSync;
    SpeedButton& sbBackup;
    SpeedButton& sbRestore;
    PageControl& pgcDataSet;
    Control& tabSyncSet;                        // holds every control that starts a load or a run
    std::array<ToolButton*, 5> pageSyncButtons; // tbAddrSync .. tbUserSync

    static SyncPageControls From(const ControlSet& controls);
};

// The personal data in memory and everything that moves it: loading from the device or the
// working copies, the writers, the synchronisation run, backup and restore.
//
// Runs never nest: while one runs (its loads let pending events through) the synchronisation
// page is disabled, and a handler called anyway does nothing.
class PersonalData {
public:
    PersonalData(UiServices ui, SyncDevice& device, SyncPageControls controls);

    // "zh_TW", "zh_CN" or "en_US": chooses the interface charset.
    void SetSystemLanguage(std::string code) { systemLanguage_ = std::move(code); }
    // The window's weekday names, for the labels of loaded timetable cells.
    void SetWeekdayNames(std::function<std::string(int weekday)> names);
    // Receives the status line's record count when a per-page Sync button shows the sync page.
    void SetStatusRecordCountSink(std::function<void(int)> sink);

    // Attaches the handlers below to sbSync, sbBackup, sbRestore and the five page Sync buttons.
    void AttachHandlers();

    RecordLists& Lists() { return lists_; }
    const RecordLists& Lists() const { return lists_; }
    void ResetList(RecordKind kind) { lists_.ResetList(kind); }
    void ResetAllLists() { lists_.ResetAllLists(); }

    // The kinds checked in clbSyncData.
    DataSelection Selection() const;

    // From the current device (false) or from the working copies (true, every kind).
    void LoadPersonalData(bool fromWorkingCopies);
    // Into the current device (false, the checked kinds) or the working copies (true, all).
    void SavePersonalData(bool toWorkingCopies);

    void sbSyncClick();
    void sbBackupClick();
    void sbRestoreClick();
    void tbAddrSyncClick() { ShowSyncPage(); }
    void tbScheSyncClick() { ShowSyncPage(); }
    void tbToDoSyncClick() { ShowSyncPage(); }
    void tbClassSyncClick() { ShowSyncPage(); }
    void tbUserSyncClick() { ShowSyncPage(); }

    // The close prompt: offers a backup when any list holds records. The result is whether the
    // window may close: false only while a run is going on.
    bool OfferBackupOnClose();

    int SyncMode() const { return syncMode_; }
    void SetSyncMode(int mode) { syncMode_ = mode; }
    // 1 after a run unless a copy it depended on failed, or a dictionary rebuild failed and its
    // database was therefore left as it was.
    int SyncResult() const { return syncResult_; }
    bool Running() const { return runDepth_ > 0; }

private:
    // Marks a run: the first one disables the synchronisation page, the last one gives it back
    // the state it had.
    class RunScope {
    public:
        explicit RunScope(PersonalData& data);
        ~RunScope();
        RunScope(const RunScope&) = delete;
        RunScope& operator=(const RunScope&) = delete;

    private:
        PersonalData& data_;
    };

    void ShowSyncPage();
    int ModeFromButtons() const;
    // Whether a load or save covers a kind: every kind with the working copies, else the checked.
    bool Includes(RecordKind kind, bool workingCopies) const;
    bool WriteSlot1(const std::string& target, const std::string& shownName, bool all);
    void WriteDictionary(int slot, const std::string& target, const std::string& shownName);
    bool BackUpWorkingCopies();

    UiServices ui_;
    SyncDevice& device_;
    SyncPageControls controls_;
    RecordLists lists_;
    std::string systemLanguage_ = "en_US";
    std::function<std::string(int)> weekdayNames_;
    std::function<void(int)> recordCountSink_;
    int syncMode_ = 2;
    int syncResult_ = 1;
    int runDepth_ = 0;
    bool pageWasEnabled_ = true;
};

} // namespace zyntra
