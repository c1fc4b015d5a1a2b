#include "storage/database_files.h"

#include "kit/message_box.h"
#include "platform/inside_root.h"
#include "platform/program_folder.h"
#include "storage/database_copy.h"
#include "storage/db.h"

#include <cassert>
#include <filesystem>
#include <sys/stat.h>

namespace zyntra {
namespace {

constexpr DatabaseSlot kSlots[kDatabaseSlotCount] = {
    {1, "PIM.db", "temp.dat"},          {2, "ECDIY_Dict.db", "temp_1.dat"},
    {3, "CEDIY_Dict.db", "temp_2.dat"}, {4, "JCDIY_Dict.db", nullptr},
    {5, "CJDIY_Dict.db", nullptr},
};

std::string SlotFile(const std::string& base, const char* folder, int slot) {
    return base + folder + "/default-" + std::to_string(GetDatabaseSlot(slot).number) + ".dat";
}

} // namespace

const DatabaseSlot& GetDatabaseSlot(int slot) {
    assert(slot >= 1 && slot <= kDatabaseSlotCount);
    return kSlots[slot - 1];
}

std::string WorkingCopyPath(int slot) {
    return SlotFile(UserFolder(), "data", slot);
}
std::string TemplatePath(int slot) {
    return SlotFile(ProgramFolder(), "init", slot);
}
std::string BackupPath(int slot) {
    return SlotFile(UserFolder(), "backup", slot);
}

std::string ScratchCopyPath(int slot) {
    const char* name = GetDatabaseSlot(slot).scratchFileName;
    return name ? UserFolder() + name : std::string();
}

std::string DeviceDatabasePath(const std::string& internalRoot, int slot) {
    std::string path = internalRoot + "Secretary/" + GetDatabaseSlot(slot).deviceFileName;
    return IsInsideRoot(internalRoot, path) ? path : std::string();
}

sqlite3* OpenExistingDatabase(const std::string& path) {
    if (!IsRegularFile(path))
        return nullptr;
    sqlite3* db = db_open(path);
    if (db == nullptr)
        return nullptr;
    DbQuery probe;
    probe.db = db;
    const bool readable = db_query(probe, "select count(*) from sqlite_master;") >= 0;
    db_free(probe);
    if (!readable) {
        db_close(db);
        return nullptr;
    }
    return db;
}

std::vector<int> ResetWorkingCopies() {
    std::vector<int> failed;
    for (int slot = 1; slot <= kDatabaseSlotCount; ++slot) {
        const std::string source = TemplatePath(slot);
        std::error_code error;
        if (!std::filesystem::exists(source, error))
            continue;
        if (!CopyDatabaseFile(source, WorkingCopyPath(slot)))
            failed.push_back(slot);
    }
    return failed;
}

std::int64_t FileSize(const std::string& path, MessageBox& messages) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        messages.ShowCaptioned("ERROR", "ERROR for STAT");
        return 0;
    }
    return static_cast<std::int64_t>(status.st_size);
}

} // namespace zyntra
