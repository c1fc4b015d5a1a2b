#include "personal/device_snapshots.h"

#include "platform/file_faults.h"
#include "platform/program_folder.h"
#include "platform/safe_file_name.h"
#include "storage/database_copy.h"
#include "storage/database_files.h"

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace zyntra {
namespace {

namespace fs = std::filesystem;

constexpr const char* kIdentFile = "ident";
constexpr const char* kTimeFile = "time";
constexpr const char* kPartSuffix = ".part";

// An ident comes from the device: it reaches the folder name made safe, and short.
constexpr std::size_t kIdentInNameLength = 64;

std::string Stamp(std::time_t now, const char* format) {
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, format, &local);
    return text;
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Flushed like the databases beside it, so that a snapshot whose folder got its final name
// holds all of its files.
bool WriteAll(const fs::path& path, const std::string& text) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    const bool written = FaultableWriteAll(fd, text.data(), text.size()) && FaultableFsync(fd) == 0;
    return ::close(fd) == 0 && written;
}

// A folder the hook refuses to remove stays, as one the system refused would.
void RemoveFolder(const fs::path& folder) {
    std::error_code error;
    if (!FileStepFails(FileStep::Delete, folder.string()))
        fs::remove_all(folder, error);
}

std::optional<Snapshot> ReadSnapshot(const fs::path& folder) {
    std::error_code error;
    const std::string id = folder.filename().string();
    if (!fs::is_directory(folder, error) || id.ends_with(kPartSuffix) ||
        !fs::is_regular_file(folder / kIdentFile, error) ||
        !fs::is_regular_file(folder / kTimeFile, error))
        return std::nullopt;
    Snapshot snapshot{id, ReadAll(folder / kIdentFile), ReadAll(folder / kTimeFile), {}};
    // Only the device's own file names are read, and written back.
    for (int slot = 1; slot <= kDatabaseSlotCount; ++slot) {
        const std::string name = GetDatabaseSlot(slot).deviceFileName;
        const auto size = fs::file_size(folder / name, error);
        if (!error)
            snapshot.files.push_back({slot, name, static_cast<std::int64_t>(size)});
    }
    return snapshot;
}

bool Newer(const Snapshot& a, const Snapshot& b) {
    return a.time != b.time ? a.time > b.time : a.id > b.id;
}

void KeepNewest(const std::string& ident) {
    int kept = 0;
    for (const Snapshot& snapshot : ListSnapshots())
        if (snapshot.ident == ident && ++kept > kSnapshotsKeptPerDevice)
            RemoveFolder(SnapshotsFolder() + snapshot.id);
}

// A folder name not yet taken: two snapshots of one second get "-2", "-3", ...
std::string FreeId(const std::string& base) {
    std::error_code error;
    std::string id = base;
    for (int n = 2; fs::exists(SnapshotsFolder() + id, error); ++n)
        id = base + "-" + std::to_string(n);
    return id;
}

std::vector<int> SlotsOnDevice(const std::string& internalRoot) {
    std::vector<int> slots;
    std::error_code error;
    for (int slot = 1; slot <= kDatabaseSlotCount; ++slot)
        if (fs::is_regular_file(DeviceDatabasePath(internalRoot, slot), error))
            slots.push_back(slot);
    return slots;
}

} // namespace

std::string SnapshotsFolder() {
    return UserFolder() + "snapshots/";
}

std::optional<Snapshot> TakeSnapshot(const std::string& internalRoot, const std::string& ident,
                                     std::time_t now) {
    std::error_code error;
    fs::create_directories(SnapshotsFolder(), error);
    const std::string id =
        FreeId(SafeFileName(ident, kIdentInNameLength) + "-" + Stamp(now, "%Y%m%d-%H%M%S"));
    // Made under a name that no listing takes, and renamed only when whole.
    const fs::path part = SnapshotsFolder() + id + kPartSuffix;
    RemoveFolder(part);
    // Which files the snapshot must hold is settled first: one that goes missing on the way (the
    // device pulled out) fails the snapshot instead of being left out of it.
    const std::vector<int> slots = SlotsOnDevice(internalRoot);
    bool whole = fs::is_directory(internalRoot, error) && fs::create_directory(part, error) &&
                 WriteAll(part / kIdentFile, ident) &&
                 WriteAll(part / kTimeFile, Stamp(now, "%Y-%m-%d %H:%M:%S"));
    for (std::size_t i = 0; whole && i < slots.size(); ++i)
        whole = CopyDatabaseFile(DeviceDatabasePath(internalRoot, slots[i]),
                                 (part / GetDatabaseSlot(slots[i]).deviceFileName).string());
    whole = whole && FaultableRename(part.string(), SnapshotsFolder() + id) == 0;
    if (!whole) {
        RemoveFolder(part);
        return std::nullopt;
    }
    KeepNewest(ident);
    return ReadSnapshot(SnapshotsFolder() + id);
}

std::vector<Snapshot> ListSnapshots() {
    std::vector<Snapshot> snapshots;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(SnapshotsFolder(), error))
        if (std::optional<Snapshot> snapshot = ReadSnapshot(entry.path()))
            snapshots.push_back(std::move(*snapshot));
    std::sort(snapshots.begin(), snapshots.end(), Newer);
    return snapshots;
}

std::optional<Snapshot> NewestSnapshotOf(const std::string& ident) {
    for (Snapshot& snapshot : ListSnapshots())
        if (snapshot.ident == ident)
            return std::move(snapshot);
    return std::nullopt;
}

SnapshotRestore RestoreSnapshot(const std::string& id, const std::string& internalRoot,
                                const std::function<std::string()>& identOnMedium) {
    // An id names a folder of the snapshots and nothing else.
    if (id.empty() || id.find('/') != std::string::npos || id.front() == '.')
        return SnapshotRestore::Unknown;
    const std::optional<Snapshot> snapshot = ReadSnapshot(SnapshotsFolder() + id);
    if (!snapshot)
        return SnapshotRestore::Unknown;
    if (snapshot->ident != identOnMedium())
        return SnapshotRestore::OtherDevice;
    std::vector<DatabaseFileCopy> copies;
    for (const SnapshotFile& file : snapshot->files)
        copies.push_back({SnapshotsFolder() + id + "/" + file.name,
                          DeviceDatabasePath(internalRoot, file.slot)});
    bool swapped = false;
    const bool copied = CopyDatabaseFiles(copies, [&] {
                            swapped = snapshot->ident != identOnMedium();
                            return !swapped;
                        }).empty();
    return copied    ? SnapshotRestore::Done
           : swapped ? SnapshotRestore::OtherDevice
                     : SnapshotRestore::CopyFailed;
}

} // namespace zyntra
