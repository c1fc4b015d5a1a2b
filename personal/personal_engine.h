#pragma once

#include "personal/device_snapshots.h"
#include "personal/personal_records.h"
#include "personal/read_only_note.h"
#include "personal/record_kind.h"
#include "personal/run_report.h"
#include "personal/sync_device.h"
#include "platform/file_identity.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zyntra {

class MessageBox;
class PendingEvents;

// Where a load reads and a save writes: the current device's databases, named "Secretary/..."
// in the messages, or the working copies of the program folder, named "backup/...".
enum class RunTarget { Device, WorkingCopies };

// How a save treats a record whose key matches a row that differs from it.
enum class SyncMode : int {
    MemoryWins = 0,   // the row takes the record's values
    DatabaseWins = 1, // the row stays; the reload brings its values into memory
    KeepBoth = 2,     // the record is inserted beside the row
};

// The personal data in memory and everything that moves it: loading from the device or the
// working copies, the writers, the synchronisation run, backup and restore. It knows no control
// and shows no result: the front end chooses the selection and the mode, checks the device's
// password before a synchronisation, and turns the report into what the user sees. (The
// language texts it reads are the class label that loaded timetable cells carry and the
// read-only note below.)
//
// The fixed low-level lines ("open file=%s failed\n", "db_open() failed, file=%s\n",
// "* SQL error, cmd=%s, rc=%d (%s).\n", "... error, rec=%d\n") go to the message box it is
// given, and are counted in the report as well. So does a note naming the records a load made
// read-only; it names each of them once in the life of the engine, while the report of every
// load lists them all.
//
// Runs never nest: loads let pending events run, and whatever a handler starts then is refused
// with a report whose busy flag is set.
class PersonalEngine {
public:
    PersonalEngine(SyncDevice& device, MessageBox& lowLevelMessages, PendingEvents& events);

    // The charset of the texts in memory: "BIG5", "GB2312", "ARMSCII-8" or "UTF-8". The
    // databases always hold UTF-8. Until set, "ARMSCII-8".
    void SetInterfaceCharset(std::string charset) { charset_ = std::move(charset); }
    const std::string& InterfaceCharset() const { return charset_; }
    // The charset of the language texts the message box is given, when it is not the
    // interface charset: record texts in a message are converted to it.
    void SetMessageCharset(std::string charset) { messageCharset_ = std::move(charset); }
    // The labels of loaded timetable cells, by weekday 0..6.
    void SetWeekdayNames(std::function<std::string(int weekday)> names);

    RecordLists& Lists() { return lists_; }
    const RecordLists& Lists() const { return lists_; }

    // A run or a load is going on.
    bool Running() const { return runDepth_ > 0; }
    // A usable device is connected: runs on the device have somewhere to go.
    bool DeviceConnected() const { return !device_.InternalRoot().empty(); }

    // Replaces the selected kinds in memory by what the databases hold. A database that cannot
    // be opened leaves its kinds as they were; when it is PIM.db, nothing is loaded.
    RunReport Load(RunTarget from, DataSelection selection);
    // Merges the selected kinds into the databases, each through a scratch copy that replaces
    // its database only when it was written whole. A database that could not be opened, copied
    // or replaced ends the writing: the ones after it are left as they are. Nothing is ever
    // deleted.
    RunReport Save(RunTarget to, DataSelection selection, SyncMode mode);
    // Marks the device, gives it the working copy of PIM.db when it has none, saves the
    // selection to it, reloads the selection from it and removes the mark.
    RunReport Synchronize(DataSelection selection, SyncMode mode);
    // Resets the working copies from the templates, saves everything into them (both versions
    // kept), reloads from them and copies them into backup/ as one set. The previous backup is
    // replaced only when every record was written and every copy succeeded; otherwise it stays
    // as it was and copiesSucceeded is false.
    RunReport Backup();
    // Copies the backup files that exist over the working copies, merges memory into them
    // (memory wins) and reloads everything from them. Without a backup file it does nothing
    // and restoredAnything is false.
    RunReport Restore();
    // Writes a snapshot of the current device back to it as one set, the sync marker around
    // it, and reloads everything from the device. `result` says why nothing was written; a
    // snapshot of another device is never written.
    RunReport UndoSync(const std::string& snapshotId, SnapshotRestore& result);

private:
    // Marks a run for its lifetime.
    class RunScope {
    public:
        explicit RunScope(int& depth) : depth_(depth) { ++depth_; }
        ~RunScope() { --depth_; }
        RunScope(const RunScope&) = delete;
        RunScope& operator=(const RunScope&) = delete;

    private:
        int& depth_;
    };

    RunReport Refused() const;
    // Notes in the report when the device cannot be written; a run then changes nothing.
    bool DeviceNotWritable(RunReport& report) const;
    void LoadInto(RunTarget from, DataSelection selection, RunReport& report);
    void SaveInto(RunTarget to, DataSelection selection, SyncMode mode, RunReport& report);
    // A file a run writes through its scratch copy.
    struct SlotFile {
        std::string path;
        std::string shownName;
        // The device the run started on, which must still be the one mounted when the written
        // copy replaces the file; empty for the program folder's working copies.
        std::string deviceIdent;
    };
    SlotFile SlotFileOf(RunTarget to, const std::string& root, int slot) const;
    // Each writes its slot's file through a scratch copy. The result is false when the file
    // could not be opened, copied or replaced; a dictionary rebuild that was rolled back leaves
    // its file as it was and answers true.
    bool WriteSlot1(const SlotFile& target, DataSelection selection, SyncMode mode,
                    RunReport& report);
    bool WriteDictionary(int slot, const SlotFile& target, SyncMode mode, RunReport& report);
    // The written scratch copy replaces the file, provided the device and the file are still
    // the ones the scratch copy was taken from (read: the file's identity then); otherwise the
    // file is named as changed and left alone. The scratch copy is removed either way.
    bool CopyBack(const SlotFile& target, const std::string& scratch,
                  const std::optional<FileIdentity>& read, RunReport& report) const;
    bool StillTheFileRead(const SlotFile& target, const std::optional<FileIdentity>& read,
                          RunReport& report) const;
    void ShowFailedFile(const std::string& message, FailedFile failed, RunReport& report);
    void ShowReadOnlyNote(const std::vector<ReadOnlyEntry>& entries, const std::string& charset);

    SyncDevice& device_;
    MessageBox& messages_;
    PendingEvents& events_;
    RecordLists lists_;
    std::string charset_ = "ARMSCII-8";
    std::string messageCharset_; // empty: the interface charset
    ReadOnlyNote readOnlyNote_;
    std::function<std::string(int)> weekdayNames_;
    int runDepth_ = 0;
};

} // namespace zyntra
