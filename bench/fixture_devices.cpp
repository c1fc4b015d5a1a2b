#include "bench/fixture_devices.h"

#include "bench/sqlite_file.h"
#include "device/info_header.h"
#include "personal/record_fields.h"
#include "storage/database_files.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <variant>
#include <vector>

namespace zyntra::bench {
namespace {

namespace fs = std::filesystem;

// Raise it whenever the rows below change, so that kept fixtures are made again.
constexpr int kFixtureVersion = 1;
constexpr int kBuiltSlots[] = {1, 2, 3};

using Value = std::variant<long long, std::string>;
struct Column {
    const char* name;
    Value value;
};

std::string Padded(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%06d", n);
    return text;
}

std::string Date(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", 2026 + n / 336 % 3, n / 28 % 12 + 1,
                  n % 28 + 1);
    return text;
}

// Two CJK characters counting up, so that the entries are in code-point order.
std::string ChineseHeadword(int n) {
    std::string out;
    for (int codePoint : {0x4E00 + n / 200, 0x4E00 + n % 200}) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
    return out;
}

// Personal texts are stored complemented, as the device keeps them; the field table says
// which columns those are.
template <class Record>
void InsertRow(SqliteFile& db, const RecordFields<Record>& fields, std::vector<Column> row) {
    std::string names, marks;
    std::vector<SqliteValue> values;
    for (Column& column : row) {
        names += (names.empty() ? "" : ", ") + std::string(column.name);
        marks += marks.empty() ? "?" : ", ?";
        if (auto* text = std::get_if<std::string>(&column.value)) {
            if (fields[column.name].form == ColumnForm::Complemented)
                for (char& c : *text)
                    c = static_cast<char>(~static_cast<unsigned char>(c));
            values.emplace_back(std::move(*text));
        } else {
            values.emplace_back(std::get<long long>(column.value));
        }
    }
    db.Run("insert into " + std::string(fields.table) + " (" + names + ") values (" + marks + ")",
           values);
}

void FillPim(const std::string& path, int records) {
    SqliteFile db(path);
    db.Exec("begin");
    for (int n = 0; n < records; ++n) {
        const std::string id = Padded(n);
        InsertRow(db, kAddressBookFields,
                  {{"id", n + 1},
                   {"name", "Person " + id + " \xE9\x99\xB3"},
                   {"category", n % 6},
                   {"email", "person" + id + "@example.com"},
                   {"mobile1", "09" + id + "78"},
                   {"home_address", "No. " + std::to_string(n) + ", Harbour Road"},
                   {"office_name", "Company " + std::to_string(n % 500)},
                   {"note", "met at fair " + std::to_string(n % 97)}});
        InsertRow(db, kScheduleFields,
                  {{"id", n + 1},
                   {"date", Date(n)},
                   {"start_time", "09:00"},
                   {"end_time", "10:30"},
                   {"content", "Meeting " + id},
                   {"alarm", 0},
                   {"alarm_BStime", -1}});
        InsertRow(db, kToDoFields,
                  {{"id", n + 1},
                   {"date", Date(n)},
                   {"content", "Task " + id},
                   {"category", n % 3},
                   {"priority", n % 3},
                   {"status", n % 2}});
    }
    db.Exec("commit");
}

template <class MakeEntry>
void FillDictionary(const std::string& path, int records, int dictId, MakeEntry make) {
    SqliteFile db(path);
    db.Exec("begin");
    for (int n = 0; n < records; ++n) {
        auto [headword, type, explanation] = make(n);
        InsertRow(db, kUserDictFields,
                  {{"dict_id", dictId},
                   {"hw_id", n + 1},
                   {"hw_name", headword},
                   {"hw_match", HeadwordKey(headword)},
                   {"type", type},
                   {"exp", explanation}});
    }
    db.Exec("commit");
}

std::string DeviceFileName(int slot) {
    return GetDatabaseSlot(slot).deviceFileName;
}

std::string Stamp(int records) {
    std::ostringstream stamp;
    stamp << "version " << kFixtureVersion << ", records " << records;
    for (int slot : kBuiltSlots)
        stamp << ", template " << fs::file_size(TemplatePath(slot));
    return stamp.str();
}

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

void EnsureFixtureDatabases(const std::string& folder, int records) {
    const fs::path stampPath = fs::path(folder) / "fixture-stamp";
    const std::string stamp = Stamp(records);
    if (fs::exists(stampPath) && ReadText(stampPath) == stamp)
        return;
    std::fprintf(stderr, "bench: building a device of %d records per kind in %s\n", records,
                 folder.c_str());
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (int slot : kBuiltSlots)
        fs::copy_file(TemplatePath(slot), fs::path(folder) / DeviceFileName(slot));
    FillPim(fs::path(folder) / DeviceFileName(1), records);
    FillDictionary(fs::path(folder) / DeviceFileName(2), records, 71, [](int n) {
        return std::tuple{"word" + Padded(n), std::string("n."),
                          "\xE8\xA9\x9E " + std::to_string(n)};
    });
    FillDictionary(fs::path(folder) / DeviceFileName(3), records, 72, [](int n) {
        return std::tuple{ChineseHeadword(n), std::string("v."), "meaning " + Padded(n)};
    });
    std::ofstream(stampPath, std::ios::binary) << stamp;
}

void MakeDevice(const std::string& root, const std::string& fixtureFolder) {
    InfoHeader header;
    header.model = kDeviceModel;
    header.ident = "BENCH-0001";
    header.driveKind = static_cast<std::int32_t>(DriveKind::InternalMemory);
    const InfoHeaderBytes bytes = BuildInfoHeader(header);
    fs::create_directories(root + "Secretary");
    std::ofstream(root + kInfoFileName, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    for (int slot = 1; slot <= kDatabaseSlotCount; ++slot) {
        fs::path fixture = fs::path(fixtureFolder) / DeviceFileName(slot);
        fs::copy_file(!fixtureFolder.empty() && fs::exists(fixture) ? fixture
                                                                    : fs::path(TemplatePath(slot)),
                      DeviceDatabasePath(root, slot), fs::copy_options::overwrite_existing);
    }
}

} // namespace zyntra::bench
