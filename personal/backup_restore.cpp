#include "personal/personal_engine.h"
#include "personal/run_targets.h"
#include "storage/database_copy.h"
#include "storage/database_files.h"

#include <filesystem>
#include <vector>

namespace zyntra {
namespace {

// The working copies that exist replace their backup files together; when one cannot, the
// previous backup stays whole.
bool BackUpWorkingCopies(RunReport& report) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(BackupPath(1)).parent_path(), error);
    std::vector<DatabaseFileCopy> copies;
    std::vector<int> slots;
    for (int slot = 1; slot <= kDatabaseSlotCount; ++slot) {
        if (RegularFileExists(WorkingCopyPath(slot))) {
            copies.push_back({WorkingCopyPath(slot), BackupPath(slot)});
            slots.push_back(slot);
        }
    }
    const std::vector<std::size_t> failed = CopyDatabaseFiles(copies);
    for (std::size_t index : failed)
        report.failedFiles.push_back(
            {ProgramFolderName(BackupPath(slots.at(index))), FileFailure::NotCopied});
    return failed.empty();
}

} // namespace

RunReport PersonalEngine::Backup() {
    if (Running())
        return Refused();
    RunScope run(runDepth_);
    RunReport report;
    // A written working copy that could not be reset still holds an earlier run's records:
    // written into, it would bring them into memory and into the backup, so nothing more is
    // done. The copied-only slots are backed up as they are, and named.
    bool writtenSlotNotReset = false;
    for (int slot : ResetWorkingCopies()) {
        report.failedFiles.push_back(
            {ProgramFolderName(WorkingCopyPath(slot)), FileFailure::NotCopied});
        writtenSlotNotReset |= GetDatabaseSlot(slot).scratchFileName != nullptr;
    }
    if (writtenSlotNotReset) {
        report.copiesSucceeded = false;
        return report;
    }
    SaveInto(RunTarget::WorkingCopies, DataSelection::All(), SyncMode::KeepBoth, report);
    // A working copy that did not take memory's records must not be loaded over them.
    if (!report.copiesSucceeded)
        return report;
    LoadInto(RunTarget::WorkingCopies, DataSelection::All(), report);
    // A working copy that lacks a record, or kept an old backup's data because it could not be
    // replaced, would take the previous backup's place with less than it holds.
    if (!report.Succeeded() || report.failedStatements > 0 || !BackUpWorkingCopies(report))
        report.copiesSucceeded = false;
    return report;
}

RunReport PersonalEngine::Restore() {
    if (Running())
        return Refused();
    RunScope run(runDepth_);
    RunReport report;
    report.restoredAnything = false;
    for (int slot = 1; slot <= kDatabaseSlotCount; ++slot) {
        if (!RegularFileExists(BackupPath(slot)))
            continue;
        if (CopyDatabaseFile(BackupPath(slot), WorkingCopyPath(slot))) {
            report.restoredAnything = true;
        } else {
            report.copiesSucceeded = false;
            report.failedFiles.push_back(
                {ProgramFolderName(BackupPath(slot)), FileFailure::NotCopied});
        }
    }
    if (report.restoredAnything) {
        SaveInto(RunTarget::WorkingCopies, DataSelection::All(), SyncMode::MemoryWins, report);
        LoadInto(RunTarget::WorkingCopies, DataSelection::All(), report);
    }
    return report;
}

} // namespace zyntra
