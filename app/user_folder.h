#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zyntra {

// What preparing the user folder did.
struct UserFolderSetup {
    // The user folder held no working copies: it was made and seeded.
    bool firstStart = false;
    // The program folder's backup/ when its files were copied into the user folder's (first
    // start only; the old files stay where they are), and the names copied.
    std::string oldBackupFolder;
    std::vector<std::string> copiedBackupFiles;
};

// Makes and seeds the user folder when it is not the program folder: the working copies from
// the templates (or the shipped working copies), an empty backup/, and the user's own Lang.ini
// whose text section follows `locale`. Files already there are kept, except a Lang.ini older
// than the shipped one, which is renewed with the user's section kept. A shipped file that is
// missing is passed over: the start-up check names it.
UserFolderSetup PrepareUserFolder(std::string_view locale);

// The line that tells where an old backup was copied (English, for standard output).
std::string OldBackupCopiedLine(const UserFolderSetup& setup);

// The language file the program reads: the user folder's, which the user may edit.
std::string LanguageFilePath();

// The text section of the language file at start-up, for what must follow the language before
// the user folder is prepared: the locale's section while the user has no language file yet.
std::string StartLanguageSection(std::string_view locale);

// The window-settings file: the executable's name plus ".ini", in the user folder.
std::string WindowSettingsPath();

} // namespace zyntra
