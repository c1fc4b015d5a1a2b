#include "personal/device_snapshots.h"
#include "personal/dictionary_rebuild.h"
#include "personal/personal_engine.h"
#include "personal/run_targets.h"
#include "personal/writer_support.h"
#include "platform/file_attributes.h"
#include "platform/file_identity.h"
#include "storage/database_copy.h"
#include "storage/db.h"
#include "storage/text_conv.h"

#include <ctime>
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

FileFailure OpenFailure(ScratchCopy taken) {
    switch (taken) {
    case ScratchCopy::TargetMissing:
        return FileFailure::Missing;
    case ScratchCopy::CopyFailed:
        return FileFailure::NotCopied;
    default:
        return FileFailure::NotOpened;
    }
}

std::string OpenFailedText(const std::string& shownName) {
    return "db_open() failed, file=" + shownName + "\n";
}

void CopyBackFailed(const std::string& shownName, RunReport& report) {
    report.copiesSucceeded = false;
    report.failedFiles.push_back({shownName, FileFailure::NotReplaced});
}

} // namespace

PersonalEngine::SlotFile PersonalEngine::SlotFileOf(RunTarget to, const std::string& root,
                                                    int slot) const {
    return {TargetPath(to, root, slot), ShownName(to, slot),
            to == RunTarget::Device ? device_.Ident() : std::string()};
}

bool PersonalEngine::StillTheFileRead(const SlotFile& target,
                                      const std::optional<FileIdentity>& read,
                                      RunReport& report) const {
    const bool sameDevice =
        target.deviceIdent.empty() || device_.IdentOnMedium() == target.deviceIdent;
    if (sameDevice && FileIdentityOf(target.path) == read)
        return true;
    report.copiesSucceeded = false;
    report.failedFiles.push_back({target.shownName, FileFailure::Changed});
    return false;
}

bool PersonalEngine::CopyBack(const SlotFile& target, const std::string& scratch,
                              const std::optional<FileIdentity>& read, RunReport& report) const {
    bool changed = false;
    const bool replaced = CopyDatabaseFile(scratch, target.path, [&] {
        changed = !StillTheFileRead(target, read, report);
        return !changed;
    });
    if (!replaced && !changed)
        CopyBackFailed(target.shownName, report);
    RemoveFile(scratch);
    return replaced;
}

bool PersonalEngine::WriteSlot1(const SlotFile& file, DataSelection selection, SyncMode mode,
                                RunReport& report) {
    const std::string& target = file.path;
    const std::string& shownName = file.shownName;
    const std::string scratch = ScratchCopyPath(1);
    // Taken before the copy: a change while it is being copied is a change too.
    const std::optional<FileIdentity> read = FileIdentityOf(target);
    ScratchCopy taken = TakeScratchCopy(target, scratch);
    if (taken != ScratchCopy::Taken)
        report.copiesSucceeded = false;
    sqlite3* db = taken == ScratchCopy::Taken ? OpenExistingDatabase(scratch) : nullptr;
    if (db == nullptr) {
        report.copiesSucceeded = false;
        ShowFailedFile(OpenFailedText(shownName), {shownName, OpenFailure(taken)}, report);
        RemoveFile(scratch);
        return false;
    }
    UseScratchJournal(db);
    // One transaction for every writer: a record's failed statement is undone alone and the run
    // goes on, as in a transaction of its own.
    const bool transaction = RunQuietly(db, "BEGIN;");
    WriterContext context{.db = db, .syncMode = static_cast<int>(mode), .messages = messages_};
    auto write = [&](RecordKind kind, auto writer, const auto& list) {
        if (!selection.Includes(kind))
            return;
        context.counts = {};
        context.stopped = false;
        writer(context, list);
        report.Of(kind) = context.counts;
        if (context.stopped)
            report.unwrittenKinds.push_back(kind);
    };
    write(RecordKind::AddressBook, WriteAddressBook, lists_.AddrList);
    write(RecordKind::Schedule, WriteSchedule, lists_.ScheList);
    write(RecordKind::ToDo, WriteToDo, lists_.ToDoList);
    write(RecordKind::ClassTable, WriteClassTable, lists_.classGrid);
    report.failedStatements += context.failedStatements;
    report.differed.Append(context.differed);
    // An error that ended the transaction early lost the writes before it: the copy is not
    // written back.
    const bool committed = !transaction || RunQuietly(db, "COMMIT;");
    if (!committed)
        RunQuietly(db, "ROLLBACK;");
    db_close(db);
    if (!committed) {
        CopyBackFailed(shownName, report);
        RemoveFile(scratch);
        return false;
    }
    return CopyBack(file, scratch, read, report);
}

bool PersonalEngine::WriteDictionary(int slot, const SlotFile& file, SyncMode mode,
                                     RunReport& report) {
    const std::string& target = file.path;
    const std::string& shownName = file.shownName;
    const std::string scratch = ScratchCopyPath(slot);
    // A missing dictionary starts as an empty database; the rebuild gives it its table.
    // Taken before the copy: a change while it is being copied is a change too.
    const std::optional<FileIdentity> read = FileIdentityOf(target);
    ScratchCopy taken = TakeScratchCopy(target, scratch);
    sqlite3* db = taken == ScratchCopy::CopyFailed ? nullptr
                  : taken == ScratchCopy::Taken    ? OpenExistingDatabase(scratch)
                                                   : db_open(scratch);
    if (db == nullptr) {
        report.copiesSucceeded = false;
        ShowFailedFile(OpenFailedText(shownName), {shownName, OpenFailure(taken)}, report);
        RemoveFile(scratch);
        return false;
    }
    UseScratchJournal(db);
    WriterContext context{.db = db, .syncMode = static_cast<int>(mode), .messages = messages_};
    const bool rebuilt = slot == 2 ? RebuildECUser(context, lists_.ECUserList)
                                   : RebuildCEUser(context, lists_.CEUserList);
    report.Of(slot == 2 ? RecordKind::ECUser : RecordKind::CEUser) = context.counts;
    report.failedStatements += context.failedStatements;
    report.differed.Append(context.differed);
    db_close(db);
    // A rebuild that failed half-way must not replace the dictionary. It was rolled back on
    // the scratch copy, so the dictionary is as it was and the run may go on.
    if (!rebuilt) {
        report.copiesSucceeded = false;
        report.failedFiles.push_back({shownName, FileFailure::NotRebuilt});
        RemoveFile(scratch);
        return true;
    }
    return CopyBack(file, scratch, read, report);
}

RunReport PersonalEngine::Save(RunTarget to, DataSelection selection, SyncMode mode) {
    if (Running() || (to == RunTarget::Device && !DeviceConnected()))
        return Refused();
    RunScope run(runDepth_);
    RunReport report;
    SaveInto(to, selection, mode, report);
    return report;
}

void PersonalEngine::SaveInto(RunTarget to, DataSelection selection, SyncMode mode,
                              RunReport& report) {
    const std::string root = to == RunTarget::Device ? device_.InternalRoot() : std::string();
    if (to == RunTarget::Device && root.empty()) {
        report.noDevice = true;
        return;
    }
    // Without a converter every text would be written empty.
    if (conv_open(charset_.c_str(), "UTF-8") < 0) {
        report.copiesSucceeded = false;
        return;
    }
    // A file that could not be opened, copied or replaced says the medium is in trouble (full,
    // pulled out): the run writes nothing more, and the files after it keep what they hold.
    bool goOn = WriteSlot1(SlotFileOf(to, root, 1), selection, mode, report);
    for (int slot = 2; goOn && slot <= 3 && selection.Includes(RecordKind::ECUser); ++slot)
        goOn = WriteDictionary(slot, SlotFileOf(to, root, slot), mode, report);
    conv_close();
}

bool PersonalEngine::DeviceNotWritable(RunReport& report) const {
    report.deviceAccess = device_.DeviceWriteAccess();
    if (report.deviceAccess == WriteAccess::Writable)
        return false;
    report.copiesSucceeded = false;
    return true;
}

RunReport PersonalEngine::Synchronize(DataSelection selection, SyncMode mode) {
    const std::string root = device_.InternalRoot();
    if (Running() || root.empty())
        return Refused();
    RunScope run(runDepth_);
    RunReport report;
    if (DeviceNotWritable(report))
        return report;
    device_.WriteSyncMarker();
    // A run that could not be undone does not change the device.
    if (!TakeSnapshot(root, device_.Ident(), std::time(nullptr))) {
        report.copiesSucceeded = false;
        report.failedFiles.push_back({"snapshots/", FileFailure::NotCopied});
        device_.DeleteSyncMarkers();
        return report;
    }
    const std::string pim = DeviceDatabasePath(root, 1);
    if (!RegularFileExists(pim) && !CopyDatabaseFile(WorkingCopyPath(1), pim)) {
        report.copiesSucceeded = false;
        report.failedFiles.push_back({ShownName(RunTarget::Device, 1), FileFailure::NotCopied});
    }
    SaveInto(RunTarget::Device, selection, mode, report);
    // Memory is reloaded only from files that took what it holds: a file left as it was (or
    // another device mounted in its place) would be loaded over the records not yet written.
    if (report.copiesSucceeded)
        LoadInto(RunTarget::Device, selection, report);
    device_.DeleteSyncMarkers();
    return report;
}

RunReport PersonalEngine::UndoSync(const std::string& snapshotId, SnapshotRestore& result) {
    const std::string root = device_.InternalRoot();
    result = SnapshotRestore::Unknown;
    if (Running() || root.empty())
        return Refused();
    RunScope run(runDepth_);
    RunReport report;
    if (DeviceNotWritable(report))
        return report;
    device_.WriteSyncMarker();
    // The device must be the one discovered, and still be it when its files are replaced.
    const std::string ident = device_.Ident();
    result = RestoreSnapshot(snapshotId, root, [&] {
        const std::string onMedium = device_.IdentOnMedium();
        return onMedium == ident ? onMedium : std::string();
    });
    if (result != SnapshotRestore::Done) {
        report.copiesSucceeded = false;
        report.failedFiles.push_back(
            {"snapshots/" + snapshotId, result == SnapshotRestore::CopyFailed
                                            ? FileFailure::NotReplaced
                                            : FileFailure::Missing});
    } else {
        LoadInto(RunTarget::Device, DataSelection::All(), report);
    }
    device_.DeleteSyncMarkers();
    return report;
}

} // namespace zyntra
