#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zyntra {

// The device's personal databases as they were before a synchronisation changed them, kept in
// the program folder's "snapshots/" so that the synchronisation can be undone: one folder per
// device and time holding the files found below "Secretary/" and the device's ident.

inline constexpr int kSnapshotsKeptPerDevice = 10;

struct SnapshotFile {
    int slot = 0;     // the database slot, 1..5
    std::string name; // the device's file name: "PIM.db", "ECDIY_Dict.db", ...
    std::int64_t size = 0;
};

struct Snapshot {
    std::string id;    // the folder's name: the ident made safe, then the time
    std::string ident; // the device's ident as its "_info.dat" holds it
    std::string time;  // "yyyy-mm-dd hh:mm:ss", local time
    std::vector<SnapshotFile> files;
};

std::string SnapshotsFolder();

// Copies every database the device holds into a new snapshot and keeps only the newest
// kSnapshotsKeptPerDevice of that ident. Nothing (and no folder left behind) when a copy
// failed, a file went missing on the way, or the internal memory is not there at all.
std::optional<Snapshot> TakeSnapshot(const std::string& internalRoot, const std::string& ident,
                                     std::time_t now);

// Every snapshot, newest first; a folder that is not a whole snapshot is passed over.
std::vector<Snapshot> ListSnapshots();
// The newest snapshot of the device with this ident: the state before its last synchronisation.
std::optional<Snapshot> NewestSnapshotOf(const std::string& ident);

enum class SnapshotRestore {
    Done,
    Unknown,     // no snapshot has that id
    OtherDevice, // the snapshot was taken of a device with another ident
    CopyFailed,  // the device's files are as they were
};

// Writes a snapshot's files back onto the device they were taken of, as one set: every file is
// replaced, or none. identOnMedium reads the ident the mounted device names now; it is asked
// before the copies start and again before the first file is replaced, so that a device
// swapped meanwhile is left alone (OtherDevice).
SnapshotRestore RestoreSnapshot(const std::string& id, const std::string& internalRoot,
                                const std::function<std::string()>& identOnMedium);

} // namespace zyntra
