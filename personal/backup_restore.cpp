#include "texts/lang_text.h"
#include "storage/database_copy.h"
#include "storage/database_files.h"
#include "personal/personal_data.h"

#include <filesystem>

namespace zyntra {
namespace {

bool Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// The working copies as the templates are, each slot whose template is there.
void ResetWorkingCopiesFromTemplates() {
    for (int slot = 1; slot <= kDatabaseSlotCount; ++slot)
        if (Exists(TemplatePath(slot)))
            CopyDatabaseFile(TemplatePath(slot), WorkingCopyPath(slot));
}

} // namespace

bool PersonalData::BackUpWorkingCopies() {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(BackupPath(1)).parent_path(), error);
    bool copied = true;
    for (int slot = 1; slot <= kDatabaseSlotCount; ++slot)
        if (Exists(WorkingCopyPath(slot)) &&
            !CopyDatabaseFile(WorkingCopyPath(slot), BackupPath(slot)))
            copied = false;
    return copied;
}

void PersonalData::sbBackupClick() {
    if (Running())
        return;
    bool backedUp = false;
    {
        RunScope run(*this);
        WaitCursorScope wait(ui_.waitCursor);
        ResetWorkingCopiesFromTemplates();
        syncMode_ = 2;
        syncResult_ = 1;
        SavePersonalData(true);
        LoadPersonalData(true);
        // A working copy that could not be written would put an old backup's data in its place.
        backedUp = syncResult_ == 1;
        backedUp = BackUpWorkingCopies() && backedUp;
    }
    ui_.messages.Show(LangText(backedUp ? "SM_ExportOK" : "SM_ExportNG"));
}

void PersonalData::sbRestoreClick() {
    if (Running())
        return;
    bool restored = false;
    {
        RunScope run(*this);
        WaitCursorScope wait(ui_.waitCursor);
        for (int slot = 1; slot <= kDatabaseSlotCount; ++slot)
            if (Exists(BackupPath(slot)) &&
                CopyDatabaseFile(BackupPath(slot), WorkingCopyPath(slot)))
                restored = true;
        if (restored) {
            syncMode_ = 0;
            syncResult_ = 1;
            SavePersonalData(true);
            LoadPersonalData(true);
        }
    }
    if (restored)
        ui_.messages.Show(LangText("SM_ImportOK"));
}

bool PersonalData::OfferBackupOnClose() {
    if (Running())
        return false;
    if (!lists_.AnyRecords())
        return true;
    if (ui_.question.AskCaptioned("Zyntra", LangText("SM_NeedToExportData")))
        sbBackupClick();
    return true;
}

} // namespace zyntra
