// Development tool: builds the simulated demo device that `make run` plugs in.
//   make_demo_device PROGRAM_FOLDER DEMO_FOLDER
// DEMO_FOLDER gets internal/ (the device's internal memory with its
// databases, a few records and content files), card/ (its memory card) and
// volumes.txt, the simulated volume table naming both.

#include "device/info_header.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string Complemented(const std::string& utf8) {
    std::string out = utf8;
    for (char& c : out)
        c = static_cast<char>(~static_cast<unsigned char>(c));
    return out;
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

void WriteHeader(const fs::path& root, zyntra::DriveKind kind) {
    zyntra::InfoHeader header;
    header.model = zyntra::kDeviceModel;
    header.ident = "DEMO-0001";
    header.driveKind = static_cast<std::int32_t>(kind);
    zyntra::InfoHeaderBytes bytes = zyntra::BuildInfoHeader(header);
    // The device's file is larger than the part the program reads.
    std::string file(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    file.append(256, '\0');
    WriteBytes(root / zyntra::kInfoFileName, file);
}

class Database {
public:
    explicit Database(const fs::path& path) {
        if (sqlite3_open(path.c_str(), &db_) != SQLITE_OK)
            throw std::runtime_error("cannot open " + path.string());
    }
    ~Database() { sqlite3_close(db_); }

    // Runs one statement with text parameters bound in order.
    void Run(const std::string& sql, const std::vector<std::string>& values) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db_));
        for (size_t i = 0; i < values.size(); ++i)
            sqlite3_bind_text(statement, static_cast<int>(i + 1), values[i].data(),
                              static_cast<int>(values[i].size()), SQLITE_TRANSIENT);
        int rc = sqlite3_step(statement);
        sqlite3_finalize(statement);
        if (rc != SQLITE_DONE)
            throw std::runtime_error(sqlite3_errmsg(db_));
    }

private:
    sqlite3* db_ = nullptr;
};

std::string DateFromToday(int days) {
    std::time_t when = std::time(nullptr) + days * 86400;
    std::tm local{};
    localtime_r(&when, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y/%m/%d", &local);
    return text;
}

void AddAddressBook(Database& pim) {
    struct Entry {
        const char* name;
        int category;
        const char* email;
        const char* mobile;
        const char* office;
    } entries[] = {
        {"Alice Chen", 1, "alice.chen@example.com", "0912-345-678", "Harbour Trading"},
        {"Bob Lin", 3, "bob.lin@example.com", "0933-222-111", "Lin & Partners"},
        {"\xE7\x8E\x8B\xE5\xB0\x8F\xE6\x98\x8E", 0, "wang@example.com", "0988-765-432", ""},
    };
    for (const Entry& e : entries)
        pim.Run("insert into telephone (name, category, email, mobile1, mobile2, home_phone, "
                "home_fax, home_address, office_name, office_title, office_phone, office_fax, "
                "office_address, photo_name, note) values (?, " +
                    std::to_string(e.category) +
                    ", ?, ?, '', '', '', '', ?, '', '', '', '', '', '')",
                {Complemented(e.name), Complemented(e.email), Complemented(e.mobile),
                 Complemented(e.office)});
}

void AddScheduleAndTasks(Database& pim) {
    pim.Run("insert into schedule (date, start_time, end_time, content, alarm, alarm_BStime) "
            "values (?, '09:00', '10:30', ?, 2, 30)",
            {DateFromToday(1), Complemented("Team meeting")});
    pim.Run("insert into schedule (date, start_time, end_time, content, alarm, alarm_BStime) "
            "values (?, '', '', ?, 0, -1)",
            {DateFromToday(3), Complemented("Library books due")});
    pim.Run(
        "insert into todolist (date, content, category, priority, status) values (?, ?, 0, 1, 0)",
        {DateFromToday(2), Complemented("Buy a new notebook")});
    pim.Run(
        "insert into todolist (date, content, category, priority, status) values (?, ?, 1, 0, 1)",
        {DateFromToday(-1), Complemented("Send the report")});
    pim.Run("update classtable set abbreviation = ?, course_name = ?, teacher = ?, color = 1, "
            "setting = 1 where id = 1",
            {Complemented("Math"), Complemented("Mathematics"), Complemented("Ms Wu")});
    pim.Run("update classtable set abbreviation = ?, course_name = ?, teacher = ?, color = 3, "
            "setting = 1 where id = 14",
            {Complemented("Eng"), Complemented("English"), Complemented("Mr Hall")});
}

void AddDictionary(const fs::path& path, int dictId, bool lowerMatch,
                   const std::vector<std::vector<std::string>>& entries) {
    Database dict(path);
    int id = 1;
    for (const auto& e : entries) {
        std::string match;
        for (char c : e[0])
            if (c != ' ')
                match +=
                    lowerMatch ? static_cast<char>(std::tolower(static_cast<unsigned char>(c))) : c;
        dict.Run("insert into headword values (" + std::to_string(dictId) + ", " +
                     std::to_string(id++) + ", ?, ?, ?, ?)",
                 {e[0], match, e[1], e[2]});
    }
}


// The last 128 bytes of a tagged song: "TAG", then the 30-byte title and artist fields.
std::string Song(const std::string& title, const std::string& artist, std::size_t audioBytes) {
    std::string tag(128, '\0');
    tag.replace(0, 3, "TAG");
    tag.replace(3, title.size(), title);
    tag.replace(33, artist.size(), artist);
    return std::string(audioBytes, '\0') + tag;
}

// A book for the demo device (content codes B / 02) of the given class, with its English
// title; the 1024-byte trailer ends the file.
std::string Book(const std::string& mainClass, const std::string& subClass,
                 const std::string& title) {
    std::string trailer(1024, '\0');
    trailer.replace(0, 13, "VELLMAR EBOOK");
    trailer.replace(62, 1, "B");
    trailer.replace(66, 2, "02");
    trailer.replace(71, mainClass.size(), mainClass);
    trailer.replace(75, subClass.size(), subClass);
    trailer.replace(220, title.size(), title);
    return std::string(6000, 'x') + trailer;
}

// A 1 x 1 picture, so that opening it shows something.
std::string TinyPng() {
    static const unsigned char bytes[] = {
        0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48,
        0x44, 0x52, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x06, 0x00, 0x00,
        0x00, 0x1F, 0x15, 0xC4, 0x89, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x44, 0x41, 0x54, 0x78,
        0x9C, 0x63, 0xF8, 0xCF, 0xC0, 0xF0, 0x1F, 0x00, 0x05, 0x00, 0x01, 0xFF, 0x89, 0x99,
        0x3D, 0x1D, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

void AddContentFiles(const fs::path& internal) {
    WriteBytes(internal / "TEXT" / "Welcome.txt",
               "Welcome to the demo device.\r\nCopy files here from the computer pane.\r\n");
    // An mp3 frame header is not needed for listing; the ID3v1 tag at the end is what is read.
    WriteBytes(internal / "MUSIC" / "morning.mp3", Song("Morning Song", "Demo Band", 4096));
    WriteBytes(internal / "MUSIC" / "morning.lrc", "[00:00.00]Morning Song\n");
}

// Files for the computer side to send to the device: a volume of its own in the table, so
// the computer tree shows it as a drive.
void AddComputerSamples(const fs::path& samples) {
    WriteBytes(samples / "Music" / "river.mp3", Song("River Song", "Mei Lin", 6000));
    WriteBytes(samples / "Music" / "river.lrc", "[00:00.00]River Song\n");
    WriteBytes(samples / "Music" / "harbour.mp3", Song("Harbour Lights", "Demo Band", 9000));
    WriteBytes(samples / "Pictures" / "lantern.png", TinyPng());
    WriteBytes(samples / "Books" / "tales.dbk", Book("B", "03", "Tales of Two Rivers"));
    WriteBytes(samples / "Books" / "atlas.dbk", Book("B", "05", "Pocket Atlas"));
    // A class the device does not know: refused when pasted.
    WriteBytes(samples / "Books" / "puzzles.dbk", Book("Z", "99", "Puzzle Book"));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_demo_device PROGRAM_FOLDER DEMO_FOLDER\n");
        return 2;
    }
    const fs::path program = argv[1];
    const fs::path demo = argv[2];
    try {
        const fs::path internal = demo / "internal";
        const fs::path card = demo / "card";
        fs::remove_all(demo);
        fs::create_directories(internal / "Secretary");
        fs::create_directories(card);
        WriteHeader(internal, zyntra::DriveKind::InternalMemory);
        WriteHeader(card, zyntra::DriveKind::MemoryCard);

        const char* names[] = {"PIM.db", "ECDIY_Dict.db", "CEDIY_Dict.db", "JCDIY_Dict.db",
                               "CJDIY_Dict.db"};
        for (int slot = 1; slot <= 5; ++slot)
            fs::copy_file(program / "init" / ("default-" + std::to_string(slot) + ".dat"),
                          internal / "Secretary" / names[slot - 1]);
        {
            Database pim(internal / "Secretary" / "PIM.db");
            AddAddressBook(pim);
            AddScheduleAndTasks(pim);
        }
        AddDictionary(internal / "Secretary" / "ECDIY_Dict.db", 71, true,
                      {{"ice cream", "n.", "\xE5\x86\xB0\xE6\xB7\x87\xE6\xB7\x8B"},
                       {"notebook", "n.", "\xE7\xAD\x86\xE8\xA8\x98\xE6\x9C\xAC"},
                       {"sync", "v.", "\xE5\x90\x8C\xE6\xAD\xA5"}});
        AddDictionary(internal / "Secretary" / "CEDIY_Dict.db", 72, false,
                      {{"\xE5\xAD\xB8\xE7\xBF\x92", "v.", "to study; to learn"}});
        AddContentFiles(internal);
        AddComputerSamples(demo / "Samples");

        std::ofstream table(demo / "volumes.txt");
        table << "# The simulated volume table of the demo device; edit it to plug and unplug.\n"
              << "removable " << fs::absolute(internal).string() << "\n"
              << "removable " << fs::absolute(card).string() << "\n"
              << "fixed " << fs::absolute(demo / "Samples").string() << "\n";
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_demo_device: %s\n", error.what());
        return 1;
    }
    return 0;
}
