#pragma once

#include "personal/record_kind.h"
#include "platform/write_access.h"

#include <array>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace zyntra {

// What the writers did with the records of one kind. Every record written or passed by is
// counted once, under one of these; a record whose statement failed counts nowhere.
struct KindCounts {
    int added = 0;        // inserted: no row of its key was there
    int updated = 0;      // a matched row written with memory's values (memory wins)
    int keptTwice = 0;    // inserted beside rows of its key that differ (both kept, or the
                          // matched rows already answered for other records of the run)
    int leftAlone = 0;    // a differing matched row kept as the database has it (database wins)
    int skippedEqual = 0; // an equal row was there already

    int Total() const { return added + updated + keptTwice + leftAlone + skippedEqual; }
    bool operator==(const KindCounts&) const = default;

    // Each count with the language key of its "%d ..." text, in the order results tell them.
    std::array<std::pair<int, const char*>, 5> Keyed() const {
        return {{{added, "SM_CliAdded"},
                 {updated, "SM_CliUpdated"},
                 {keptTwice, "SM_CliKeptTwice"},
                 {leftAlone, "SM_CliLeftAlone"},
                 {skippedEqual, "SM_CliAlreadyThere"}}};
    }
};

// What a run did with a record that differed from the database row of its key.
enum class DifferedAction {
    KeptTwice, // inserted beside the row
    Updated,   // written over the row
    LeftAlone, // the row kept as it was
};

// A record that differed, named shortly: an address's name; a schedule's "date start
// content"; a to-do's "date content"; a headword; a timetable cell's "weekday/period", both
// counted from 1. Texts are in the interface charset.
struct DifferedRecord {
    RecordKind kind = RecordKind::AddressBook;
    std::string name;
    DifferedAction action = DifferedAction::Updated;

    bool operator==(const DifferedRecord&) const = default;
};

// The records that differed, in the order they were decided. Only the first kListedLimit are
// kept by name, so a run over a large list stays small; the rest are only counted.
class DifferedRecords {
public:
    static constexpr std::size_t kListedLimit = 1000;

    void Add(DifferedRecord record);
    void Append(const DifferedRecords& other);
    void Clear() { *this = {}; }

    const std::vector<DifferedRecord>& Listed() const { return listed_; }
    int NotListed() const { return notListed_; }
    int Total() const { return static_cast<int>(listed_.size()) + notListed_; }

private:
    std::vector<DifferedRecord> listed_;
    int notListed_ = 0;
};

// What went wrong with a database file.
enum class FileFailure {
    Missing,     // it is not there
    NotOpened,   // it would not open as a database
    NotCopied,   // copying it (to its scratch copy, working copy or backup) failed
    NotReplaced, // its written copy could not replace it, so it is as it was
    NotRebuilt,  // the dictionary rebuild failed and was rolled back
    Changed,     // it, or the device holding it, is no longer the one the run read: left alone
};

// A database file a run could not open, copy, or rebuild.
struct FailedFile {
    std::string file; // as the low-level messages name it: "Secretary/PIM.db", "backup/PIM.db"
    FileFailure failure = FileFailure::NotOpened;

    bool operator==(const FailedFile&) const = default;
};

// What a load, save, synchronisation, backup or restore did. The low-level lines shown on the
// way ("db_open() failed, ...", "* SQL error, ...", "... error, rec=N") are all counted here.
struct RunReport {
    // Another run was going on (a handler reached through pending events): nothing was done.
    bool busy = false;
    // No usable device was connected for a run on the device: nothing was done.
    bool noDevice = false;
    // The device could not be written (read-only mount, files of another owner): nothing was
    // done, and copiesSucceeded is false.
    WriteAccess deviceAccess = WriteAccess::Writable;
    // Every copy the result depends on succeeded. Some files in failedFiles leave it true: one
    // a load could not open, a working copy its template could not reset. A backup that left
    // the previous one in place sets it false, whatever kept it.
    bool copiesSucceeded = true;
    // A restore that found no backup file did nothing.
    bool restoredAnything = true;
    std::vector<FailedFile> failedFiles;
    int failedStatements = 0; // "* SQL error ..." shown
    // Kinds whose writer wrote nothing because its table was missing or unreadable.
    std::vector<RecordKind> unwrittenKinds;
    int unreadableRows = 0; // "... error, rec=N" shown
    // Records loaded read-only because a text could not be converted whole ("tele rec=3").
    std::vector<std::string> readOnlyRecords;
    // What the writers did, by RecordKind; loads count nothing. The writers work on scratch
    // copies: a database named in failedFiles did not receive what its kinds count.
    std::array<KindCounts, kAllRecordKinds.size()> counts{};
    // The records that were kept twice, updated or left alone because they differed from the
    // row of their key; like the counts, only what the writers did.
    DifferedRecords differed;

    KindCounts& Of(RecordKind kind) { return counts.at(static_cast<std::size_t>(kind)); }
    const KindCounts& Of(RecordKind kind) const {
        return counts.at(static_cast<std::size_t>(kind));
    }

    // Every copy succeeded and every selected kind was written: what decides between the "OK"
    // and the "NG" result of a synchronisation or a backup.
    bool Succeeded() const { return copiesSucceeded && unwrittenKinds.empty(); }
    // Something was done, it succeeded, and no file, statement or row failed.
    bool Clean() const;
    // A file was left alone because it, or the device holding it, was no longer the one read.
    bool DeviceChanged() const;
};

// The language key that tells why the device could not be written and what to do about it;
// nullptr when it could.
const char* DeviceAccessKey(WriteAccess access);

} // namespace zyntra
