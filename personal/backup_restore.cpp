#include "personal/personal_engine.h"
#include "personal/run_targets.h"
#include "storage/database_copy.h"
#include "storage/database_files.h"

#include <filesystem>

namespace zyntra {
namespace {

bool BackUpWorkingCopies(RunReport& report) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(BackupPath(1)).parent_path(), error);
    bool copied = true;
    for (int slot = 1; slot <= kDatabaseSlotCount; ++slot) {
        if (RegularFileExists(WorkingCopyPath(slot)) &&
            !CopyDatabaseFile(WorkingCopyPath(slot), BackupPath(slot))) {
            copied = false;
            report.failedFiles.push_back(
                {ProgramFolderName(BackupPath(slot)), FileFailure::NotCopied});
        }
    }
    return copied;
}

} // namespace

RunReport PersonalEngine::Backup() {
    if (Running())
        return Refused();
    RunScope run(runDepth_);
    RunReport report;
    // A copy that fails leaves the old working copy; the backup goes on, and says so.
    for (int slot : ResetWorkingCopies())
        report.failedFiles.push_back(
            {ProgramFolderName(WorkingCopyPath(slot)), FileFailure::NotCopied});
    SaveInto(RunTarget::WorkingCopies, DataSelection::All(), SyncMode::KeepBoth, report);
    LoadInto(RunTarget::WorkingCopies, DataSelection::All(), report);
    // copiesSucceeded already says whether the working copies were written whole: one that was
    // not would put an old backup's data in its place.
    if (!BackUpWorkingCopies(report))
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
