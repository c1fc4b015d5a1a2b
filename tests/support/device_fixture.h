#pragma once

#include "device/info_header.h"
#include "platform/volumes.h"
#include "tests/support/temp_dir.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

struct sqlite3;

namespace zyntra::test {

// An "_info.dat" head of model "QX740"; locked ones carry the lock bit and
// the digest of password, as the device stores it (16 digest bytes, 16 zero).
InfoHeader DeviceHeader(std::string ident, DriveKind kind);
InfoHeader LockedDeviceHeader(std::string ident, DriveKind kind, const std::string& password);

// The bytes of an "_info.dat": the 256-byte head, then padding up to size;
// a smaller size cuts the head short.
std::string InfoFileBytes(const InfoHeader& header, std::size_t size = 512);

// Simulated drives: folders of one temporary directory, listed in a
// MemoryVolumes in the order they are added (the drive-letter order).
class FixtureDrives {
public:
    explicit FixtureDrives(MemoryVolumes& volumes) : volumes_(volumes) {}

    // A drive whose "_info.dat" holds the header; returns its root ('/' at the end).
    std::string AddDeviceDrive(const std::string& name, const InfoHeader& header);
    // A drive whose "_info.dat" holds exactly these bytes.
    std::string AddDriveWithInfoBytes(const std::string& name, const std::string& bytes);
    // A drive without "_info.dat".
    std::string AddPlainDrive(const std::string& name, VolumeType type = VolumeType::Removable);
    // The internal memory of a device, with the five templates in "Secretary".
    std::string AddInternalMemory(const std::string& name, const InfoHeader& header);

    // A folder of the same temporary directory that is no drive.
    std::string Outside() const { return dir_.Path() + "outside/"; }
    const std::string& Base() const { return dir_.Path(); }

private:
    std::string AddVolume(const std::string& name, VolumeType type);

    MemoryVolumes& volumes_;
    TempDir dir_;
    std::vector<Volume> list_;
};

// Copies the program folder's five templates into root + "Secretary/".
void WriteDeviceDatabases(const std::string& internalRoot);

// A column value for FixtureDatabase::Insert.
struct FixtureColumn {
    std::string name;
    std::variant<std::monostate, long long, std::string> value; // monostate: NULL
};
// Personal tables store texts complemented; dictionaries, dates and the
// content index store them as they are.
FixtureColumn Complemented(std::string name, std::string_view utf8);
FixtureColumn Text(std::string name, std::string text);
FixtureColumn Integer(std::string name, long long value);
FixtureColumn Null(std::string name);
std::string ComplementedBytes(std::string_view utf8);

// A database opened with SQLite itself, for building and reading fixtures.
// Failures throw std::runtime_error with SQLite's message.
class FixtureDatabase {
public:
    explicit FixtureDatabase(const std::string& path);
    ~FixtureDatabase();
    FixtureDatabase(const FixtureDatabase&) = delete;
    FixtureDatabase& operator=(const FixtureDatabase&) = delete;

    void Exec(const std::string& sql);
    // Values are bound, so any bytes reach the table unchanged.
    void Insert(const std::string& table, const std::vector<FixtureColumn>& columns);
    // The first column of the first row, "" for none or NULL.
    std::string QueryText(const std::string& sql);

private:
    sqlite3* db_ = nullptr;
};

// One row of the content index; an empty optional stores NULL.
struct ContentIndexRow {
    std::optional<long long> field_01 = 0;
    std::optional<long long> field_02 = 0;
    std::optional<long long> field_04 = 0;
    std::optional<std::string> mainClass = std::string();
    std::optional<std::string> subClass = std::string();
    std::optional<std::string> hw_name;
    std::optional<std::string> hw_path = std::string();
};
ContentIndexRow CardBaseRow(std::string hwPath, std::string mainClass, std::string subClass);
ContentIndexRow FolderRow(std::string hwPath, std::string hwName);
ContentIndexRow DatabaseRow(std::string hwPath, std::string hwName);
// Row 0 names the card folder "QX740" with codes "B", "02"; rows 1.. are
// folders "F1", "F2", ... at the root.
std::vector<ContentIndexRow> NumberedFolderRows(int count);

// Replaces the table "file" of the database (created when missing) by one
// with nullable columns holding the rows in order.
void WriteContentIndex(const std::string& databasePath, const std::vector<ContentIndexRow>& rows);
// Row `row` (counted from 0) of the content index fails to read, while
// counting the rows still works.
void MakeContentRowUnreadable(const std::string& databasePath, int row);
// A file of that name that is no database.
void WriteGarbageDatabase(const std::string& path);

} // namespace zyntra::test
