#include "tests/support/program_folder_fixture.h"

#include "platform/program_folder.h"

#include <filesystem>

namespace zyntra::test {

const std::string& BuiltProgramFolder() {
    static const std::string folder = ZYNTRA_BUILT_PROGRAM_FOLDER;
    return folder;
}

TempProgramFolder::TempProgramFolder() : previous_(ProgramFolder()) {
    namespace fs = std::filesystem;
    for (const char* name : {"kvdb.dll", "iconv.dll", "Lang.ini"})
        fs::copy_file(BuiltProgramFolder() + name, Path() + name);
    // The built folder's data/ and backup/ change whenever the program runs there (make run,
    // a backup); a test starts as the build lays the folder out: working copies equal to the
    // templates and no backup.
    fs::copy(BuiltProgramFolder() + "init", Path() + "init", fs::copy_options::recursive);
    fs::copy(BuiltProgramFolder() + "init", Path() + "data", fs::copy_options::recursive);
    fs::create_directory(Path() + "backup");
    SetProgramFolder(Path());
}

TempProgramFolder::~TempProgramFolder() { SetProgramFolder(previous_); }

} // namespace zyntra::test
