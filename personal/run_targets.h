#pragma once

#include "personal/personal_engine.h"
#include "storage/database_files.h"

#include <filesystem>
#include <string>

namespace zyntra {

// The file of a slot that a run reads or writes; root is the device's internal memory.
inline std::string TargetPath(RunTarget target, const std::string& root, int slot) {
    return target == RunTarget::WorkingCopies ? WorkingCopyPath(slot)
                                              : DeviceDatabasePath(root, slot);
}

// The name the low-level messages give a slot's file: always the device's file name, below
// "backup/" for the working copies, whichever file (working, scratch) actually failed.
inline std::string ShownName(RunTarget target, int slot) {
    return std::string(target == RunTarget::WorkingCopies ? "backup/" : "Secretary/") +
           GetDatabaseSlot(slot).deviceFileName;
}

// A file of the program folder as a report names it: "backup/default-1.dat".
inline std::string ProgramFolderName(const std::string& path) {
    const std::filesystem::path file(path);
    return (file.parent_path().filename() / file.filename()).generic_string();
}

inline bool RegularFileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

} // namespace zyntra
