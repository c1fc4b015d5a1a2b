#include "texts/lang_text.h"
#include "kit/controls.h"
#include "storage/database_copy.h"
#include "storage/database_files.h"
#include "personal/dictionary_rebuild.h"
#include "personal/personal_data.h"
#include "personal/sync_device.h"
#include "platform/file_attributes.h"
#include "storage/db.h"
#include "storage/text_conv.h"

#include <filesystem>

namespace zyntra {
namespace {

enum class ScratchCopy { Taken, TargetMissing, CopyFailed };

// A scratch copy is always fresh: the one an earlier run left (perhaps of another device) is
// removed first, so that it can never be written anywhere when this copy fails.
ScratchCopy TakeScratchCopy(const std::string& target, const std::string& scratch) {
    std::error_code error;
    std::filesystem::remove(scratch, error);
    if (!std::filesystem::is_regular_file(target, error))
        return ScratchCopy::TargetMissing;
    if (!CopyDatabaseFile(target, scratch))
        return ScratchCopy::CopyFailed;
    // The copy back must be able to replace the target.
    SetArchiveOnly(target);
    return ScratchCopy::Taken;
}

void RemoveFile(const std::string& path) {
    std::error_code error;
    std::filesystem::remove(path, error);
}

std::string OpenFailedText(const std::string& shownName) {
    return "db_open() failed, file=" + shownName + "\n";
}

} // namespace

bool PersonalData::WriteSlot1(const std::string& target, const std::string& shownName, bool all) {
    const std::string scratch = ScratchCopyPath(1);
    ScratchCopy taken = TakeScratchCopy(target, scratch);
    if (taken != ScratchCopy::Taken)
        syncResult_ = 0;
    sqlite3* db = taken == ScratchCopy::Taken ? OpenExistingDatabase(scratch) : nullptr;
    if (db == nullptr) {
        syncResult_ = 0;
        ui_.messages.Show(OpenFailedText(shownName));
        RemoveFile(scratch);
        return false;
    }
    WriterContext context{db, syncMode_, ui_.messages};
    if (Includes(RecordKind::AddressBook, all))
        WriteAddressBook(context, lists_.AddrList);
    if (Includes(RecordKind::Schedule, all))
        WriteSchedule(context, lists_.ScheList);
    if (Includes(RecordKind::ToDo, all))
        WriteToDo(context, lists_.ToDoList);
    if (Includes(RecordKind::ClassTable, all))
        WriteClassTable(context, lists_.classGrid);
    db_close(db);
    if (!CopyDatabaseFile(scratch, target))
        syncResult_ = 0;
    RemoveFile(scratch);
    return true;
}

void PersonalData::WriteDictionary(int slot, const std::string& target,
                                   const std::string& shownName) {
    const std::string scratch = ScratchCopyPath(slot);
    // A missing dictionary starts as an empty database; the rebuild gives it its table.
    ScratchCopy taken = TakeScratchCopy(target, scratch);
    sqlite3* db = taken == ScratchCopy::CopyFailed ? nullptr
                  : taken == ScratchCopy::Taken    ? OpenExistingDatabase(scratch)
                                                   : db_open(scratch);
    if (db == nullptr) {
        syncResult_ = 0;
        ui_.messages.Show(OpenFailedText(shownName));
        RemoveFile(scratch);
        return;
    }
    WriterContext context{db, syncMode_, ui_.messages};
    bool rebuilt = slot == 2 ? RebuildECUser(context, lists_.ECUserList)
                             : RebuildCEUser(context, lists_.CEUserList);
    db_close(db);
    // A rebuild that failed half-way must not replace the dictionary.
    if (!rebuilt || !CopyDatabaseFile(scratch, target))
        syncResult_ = 0;
    RemoveFile(scratch);
}

void PersonalData::SavePersonalData(bool toWorkingCopies) {
    const std::string root = device_.InternalRoot();
    if (!toWorkingCopies && root.empty())
        return;
    RunScope run(*this);
    auto target = [&](int slot) {
        return toWorkingCopies ? WorkingCopyPath(slot) : DeviceDatabasePath(root, slot);
    };
    auto shown = [&](int slot) {
        return std::string(toWorkingCopies ? "backup/" : "Secretary/") +
               GetDatabaseSlot(slot).deviceFileName;
    };
    // Without a converter every text would be written empty.
    if (conv_open(InterfaceCharset(systemLanguage_), "UTF-8") < 0) {
        syncResult_ = 0;
        return;
    }
    if (WriteSlot1(target(1), shown(1), toWorkingCopies) &&
        Includes(RecordKind::ECUser, toWorkingCopies)) {
        WriteDictionary(2, target(2), shown(2));
        WriteDictionary(3, target(3), shown(3));
    }
    conv_close();
}

void PersonalData::sbSyncClick() {
    if (Running() || device_.InternalRoot().empty())
        return;
    if (device_.Locked() && !device_.CheckPassword(0))
        return;
    {
        RunScope run(*this);
        ui_.pendingEvents.ProcessPendingEvents();
        const std::string root = device_.InternalRoot();
        if (root.empty())
            return;
        WaitCursorScope wait(ui_.waitCursor);
        device_.WriteSyncMarker();
        syncMode_ = ModeFromButtons();
        syncResult_ = 1;
        const std::string pim = DeviceDatabasePath(root, 1);
        std::error_code error;
        if (!std::filesystem::is_regular_file(pim, error) &&
            !CopyDatabaseFile(WorkingCopyPath(1), pim))
            syncResult_ = 0;
        SavePersonalData(false);
        LoadPersonalData(false);
        device_.DeleteSyncMarkers();
    }
    ui_.messages.Show(LangText(syncResult_ == 1 ? "SM_SyncOK" : "SM_SyncNG"));
}

} // namespace zyntra
