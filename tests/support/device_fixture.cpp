#include "tests/support/device_fixture.h"

#include "storage/database_files.h"
#include "storage/password_digest.h"

#include <filesystem>
#include <sqlite3.h>
#include <stdexcept>

namespace zyntra::test {
namespace {

std::string FileTableColumns() {
    return "id INTEGER PRIMARY KEY, field_01 INTEGER, field_02 INTEGER, field_04 INTEGER, "
           "mainClass TEXT, subClass TEXT, hw_name TEXT, hw_path TEXT";
}

template <class T> FixtureColumn Optional(std::string name, const std::optional<T>& value) {
    if (!value)
        return Null(std::move(name));
    if constexpr (std::is_same_v<T, std::string>)
        return Text(std::move(name), *value);
    else
        return Integer(std::move(name), *value);
}

} // namespace

InfoHeader DeviceHeader(std::string ident, DriveKind kind) {
    InfoHeader header;
    header.model = kDeviceModel;
    header.ident = std::move(ident);
    header.driveKind = static_cast<std::int32_t>(kind);
    return header;
}

InfoHeader LockedDeviceHeader(std::string ident, DriveKind kind, const std::string& password) {
    InfoHeader header = DeviceHeader(std::move(ident), kind);
    header.lockFlags = 1;
    PasswordDigest(password.c_str(), kPasswordSalt, header.pwdDigest.data());
    return header;
}

std::string InfoFileBytes(const InfoHeader& header, std::size_t size) {
    const InfoHeaderBytes bytes = BuildInfoHeader(header);
    std::string file(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    file.resize(size, '\0');
    return file;
}

std::string FixtureDrives::AddVolume(const std::string& name, VolumeType type) {
    const std::string root = dir_.Path() + name + "/";
    std::filesystem::create_directories(root);
    list_.push_back({root, type});
    volumes_.Set(list_);
    return root;
}

std::string FixtureDrives::AddDeviceDrive(const std::string& name, const InfoHeader& header) {
    return AddDriveWithInfoBytes(name, InfoFileBytes(header));
}

std::string FixtureDrives::AddDriveWithInfoBytes(const std::string& name,
                                                 const std::string& bytes) {
    const std::string root = AddVolume(name, VolumeType::Removable);
    WriteFile(root + kInfoFileName, bytes);
    return root;
}

std::string FixtureDrives::AddPlainDrive(const std::string& name, VolumeType type) {
    return AddVolume(name, type);
}

std::string FixtureDrives::AddInternalMemory(const std::string& name, const InfoHeader& header) {
    const std::string root = AddDeviceDrive(name, header);
    WriteDeviceDatabases(root);
    return root;
}

void WriteDeviceDatabases(const std::string& internalRoot) {
    std::filesystem::create_directories(internalRoot + "Secretary");
    for (int slot = 1; slot <= kDatabaseSlotCount; ++slot)
        std::filesystem::copy_file(TemplatePath(slot), DeviceDatabasePath(internalRoot, slot),
                                   std::filesystem::copy_options::overwrite_existing);
}

std::string ComplementedBytes(std::string_view utf8) {
    std::string out(utf8);
    for (char& c : out)
        c = static_cast<char>(~static_cast<unsigned char>(c));
    return out;
}

FixtureColumn Complemented(std::string name, std::string_view utf8) {
    return {std::move(name), ComplementedBytes(utf8)};
}
FixtureColumn Text(std::string name, std::string text) {
    return {std::move(name), std::move(text)};
}
FixtureColumn Integer(std::string name, long long value) {
    return {std::move(name), value};
}
FixtureColumn Null(std::string name) {
    return {std::move(name), std::monostate{}};
}

FixtureDatabase::FixtureDatabase(const std::string& path) {
    if (sqlite3_open(path.c_str(), &db_) != SQLITE_OK) {
        std::string why = sqlite3_errmsg(db_);
        sqlite3_close(db_);
        throw std::runtime_error("cannot open " + path + ": " + why);
    }
}

FixtureDatabase::~FixtureDatabase() {
    sqlite3_close(db_);
}

void FixtureDatabase::Exec(const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string why = error != nullptr ? error : sqlite3_errmsg(db_);
        sqlite3_free(error);
        throw std::runtime_error(why + " in: " + sql);
    }
}

void FixtureDatabase::Insert(const std::string& table, const std::vector<FixtureColumn>& columns) {
    std::string names, marks;
    for (const FixtureColumn& column : columns) {
        names += (names.empty() ? "" : ", ") + column.name;
        marks += marks.empty() ? "?" : ", ?";
    }
    const std::string sql = "insert into " + table + " (" + names + ") values (" + marks + ")";
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + " in: " + sql);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int at = static_cast<int>(i + 1);
        const auto& value = columns[i].value;
        if (const auto* text = std::get_if<std::string>(&value))
            sqlite3_bind_text(statement, at, text->data(), static_cast<int>(text->size()),
                              SQLITE_TRANSIENT);
        else if (const auto* number = std::get_if<long long>(&value))
            sqlite3_bind_int64(statement, at, *number);
        else
            sqlite3_bind_null(statement, at);
    }
    const int rc = sqlite3_step(statement);
    sqlite3_finalize(statement);
    if (rc != SQLITE_DONE)
        throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + " in: " + sql);
}

std::string FixtureDatabase::QueryText(const std::string& sql) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + " in: " + sql);
    std::string text;
    if (sqlite3_step(statement) == SQLITE_ROW && sqlite3_column_text(statement, 0) != nullptr)
        text = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    sqlite3_finalize(statement);
    return text;
}

ContentIndexRow CardBaseRow(std::string hwPath, std::string mainClass, std::string subClass) {
    ContentIndexRow row;
    row.hw_name = "QX740";
    row.hw_path = std::move(hwPath);
    row.mainClass = std::move(mainClass);
    row.subClass = std::move(subClass);
    return row;
}

ContentIndexRow FolderRow(std::string hwPath, std::string hwName) {
    ContentIndexRow row;
    row.hw_path = std::move(hwPath);
    row.hw_name = std::move(hwName);
    return row;
}

ContentIndexRow DatabaseRow(std::string hwPath, std::string hwName) {
    ContentIndexRow row = FolderRow(std::move(hwPath), std::move(hwName));
    row.field_04 = 1;
    return row;
}

std::vector<ContentIndexRow> NumberedFolderRows(int count) {
    std::vector<ContentIndexRow> rows;
    if (count > 0)
        rows.push_back(CardBaseRow("QX740", "B", "02"));
    for (int i = 1; i < count; ++i) {
        ContentIndexRow row = FolderRow("", "F" + std::to_string(i));
        row.field_01 = i;
        rows.push_back(row);
    }
    return rows;
}

void WriteContentIndex(const std::string& databasePath, const std::vector<ContentIndexRow>& rows) {
    FixtureDatabase db(databasePath);
    const std::string kind = db.QueryText("select type from sqlite_master where name = 'file'");
    if (!kind.empty())
        db.Exec("drop " + kind + " file");
    db.Exec("drop table if exists file_rows; create table file (" + FileTableColumns() + ");");
    db.Exec("begin");
    for (const ContentIndexRow& row : rows)
        db.Insert("file", {Optional("field_01", row.field_01), Optional("field_02", row.field_02),
                           Optional("field_04", row.field_04), Optional("mainClass", row.mainClass),
                           Optional("subClass", row.subClass), Optional("hw_name", row.hw_name),
                           Optional("hw_path", row.hw_path)});
    db.Exec("commit");
}

// abs() of the smallest 64-bit integer is an error that SQLite raises only
// when the row's value is computed, which counting the rows never does.
void MakeContentRowUnreadable(const std::string& databasePath, int row) {
    FixtureDatabase db(databasePath);
    const std::string rowid = std::to_string(row + 1);
    db.Exec("alter table file rename to file_rows;"
            "create view file as select field_01, field_02, field_04, mainClass, subClass, "
            "case when rowid = " +
            rowid + " then abs(rowid - " + rowid +
            " - 9223372036854775807 - 1) else hw_name end as hw_name, hw_path from file_rows;");
}

void WriteGarbageDatabase(const std::string& path) {
    WriteFile(path,
              std::string("This is no database, just text the user saved under this name.\n") +
                  std::string(4096, 'x'));
}

} // namespace zyntra::test
