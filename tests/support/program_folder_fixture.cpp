#include "tests/support/program_folder_fixture.h"

#include "platform/program_folder.h"
#include "texts/ini_file.h"

#include <cstdlib>
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
    // Tests read English texts, whatever language `make run` chose for the built folder.
    IniFile(Path() + "Lang.ini").WriteString("SetLanguage", "Language", "English");
    SetProgramFolder(Path());
}

TempProgramFolder::~TempProgramFolder() {
    SetProgramFolder(previous_);
}

SplitProgramFolders::SplitProgramFolders()
    : program_(programRoot_.Path() + "zyntra/"), previousProgram_(ProgramFolder()),
      previousUser_(UserFolder()) {
    namespace fs = std::filesystem;
    if (const char* dataHome = std::getenv("XDG_DATA_HOME")) {
        hadDataHome_ = true;
        previousDataHome_ = dataHome;
    }
    setenv("XDG_DATA_HOME", dataHome_.Path().c_str(), 1);
    fs::create_directory(program_);
    for (const char* name : {"kvdb.dll", "iconv.dll", "Lang.ini"})
        fs::copy_file(BuiltProgramFolder() + name, program_ + name);
    IniFile(program_ + "Lang.ini").WriteString("SetLanguage", "Language", "English");
    fs::copy(BuiltProgramFolder() + "init", program_ + "init", fs::copy_options::recursive);
    fs::create_directory(program_ + "backup");
    user_ = UserFolderFor(program_);
    SetProgramFolders(program_, user_);
}

SplitProgramFolders::~SplitProgramFolders() {
    namespace fs = std::filesystem;
    std::error_code error;
    // Write permission back, or the temporary directory could not be removed.
    fs::permissions(program_, fs::perms::owner_all, fs::perm_options::add, error);
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(program_, error))
        fs::permissions(entry.path(),
                        entry.is_directory(error) ? fs::perms::owner_all
                                                  : fs::perms::owner_read | fs::perms::owner_write,
                        fs::perm_options::add, error);
    SetProgramFolders(previousProgram_, previousUser_);
    if (hadDataHome_)
        setenv("XDG_DATA_HOME", previousDataHome_.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
}

void SplitProgramFolders::Seal() {
    namespace fs = std::filesystem;
    const fs::perms noWrite =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(program_, error))
        fs::permissions(entry.path(), noWrite, fs::perm_options::remove, error);
    fs::permissions(program_, noWrite, fs::perm_options::remove, error);
}

} // namespace zyntra::test
