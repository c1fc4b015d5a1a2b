#include "app/user_folder.h"

#include "platform/program_folder.h"
#include "platform/registry.h"
#include "storage/database_files.h"
#include "texts/ini_file.h"
#include "texts/lang_text.h"

#include <filesystem>

namespace zyntra {
namespace {

namespace fs = std::filesystem;

bool IsFile(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

// A shipped file may be a link (a package can point one at /etc) and is read-only: the copy
// follows the link, is the user's to write, and appears whole or not at all.
bool CopyShippedFile(const std::string& source, const std::string& target) {
    const std::string part = target + ".part";
    std::error_code error;
    fs::copy_file(source, part, fs::copy_options::overwrite_existing, error);
    if (!error)
        fs::permissions(part, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add,
                        error);
    if (!error)
        fs::rename(part, target, error);
    if (!error)
        return true;
    fs::remove(part, error);
    return false;
}

// The working copies come from the templates; a package that ships working copies of its own
// beside them has them taken when a template is missing.
void SeedWorkingCopies() {
    for (int slot = 1; slot <= kDatabaseSlotCount; ++slot) {
        const std::string target = WorkingCopyPath(slot);
        if (IsFile(target))
            continue;
        const std::string shipped =
            ProgramFolder() + "data/" + fs::path(target).filename().string();
        const std::string source = IsFile(TemplatePath(slot)) ? TemplatePath(slot) : shipped;
        if (IsFile(source))
            CopyShippedFile(source, target);
    }
}

bool ShippedIsNewer(const std::string& shipped, const std::string& own) {
    std::error_code error;
    const fs::file_time_type shippedTime = fs::last_write_time(shipped, error);
    if (error)
        return false;
    const fs::file_time_type ownTime = fs::last_write_time(own, error);
    return !error && shippedTime > ownTime;
}

// A new release may bring new texts: its language file replaces an older one of the user's,
// whose chosen section stays chosen.
void SeedLanguageFile(std::string_view locale) {
    const std::string shipped = ProgramFolder() + kLanguageFileName;
    const std::string own = LanguageFilePath();
    if (!IsFile(shipped))
        return;
    std::string section;
    if (IsFile(own)) {
        if (!ShippedIsNewer(shipped, own))
            return;
        section = IniFile(own).ReadString("SetLanguage", "Language", "");
    }
    if (section.empty())
        section = LanguageSectionOfLocale(locale);
    if (CopyShippedFile(shipped, own))
        IniFile(own).WriteString("SetLanguage", "Language", section);
}

void CopyOldBackup(UserFolderSetup& setup) {
    const std::string oldFolder = ProgramFolder() + "backup/";
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(oldFolder, error)) {
        const std::string name = entry.path().filename().string();
        const std::string target = UserFolder() + "backup/" + name;
        if (!entry.is_regular_file(error) || IsFile(target))
            continue;
        if (CopyShippedFile(entry.path().string(), target))
            setup.copiedBackupFiles.push_back(name);
    }
    if (!setup.copiedBackupFiles.empty())
        setup.oldBackupFolder = oldFolder;
}

} // namespace

UserFolderSetup PrepareUserFolder(std::string_view locale) {
    UserFolderSetup setup;
    if (UserFolderIsProgramFolder())
        return setup;
    setup.firstStart = !IsFile(WorkingCopyPath(1));
    std::error_code error;
    fs::create_directories(UserFolder() + "data", error);
    fs::create_directories(UserFolder() + "backup", error);
    SeedWorkingCopies();
    SeedLanguageFile(locale);
    if (setup.firstStart)
        CopyOldBackup(setup);
    return setup;
}

std::string OldBackupCopiedLine(const UserFolderSetup& setup) {
    return "Copied the backup of " + setup.oldBackupFolder + " into " + UserFolder() +
           "backup/ (the old one stays where it was).";
}

std::string LanguageFilePath() {
    return UserFolder() + kLanguageFileName;
}

std::string StartLanguageSection(std::string_view locale) {
    const std::string own = LanguageFilePath();
    return IsFile(own) ? LanguageSectionOf(own) : LanguageSectionOfLocale(locale);
}

std::string WindowSettingsPath() {
    const std::string exe = ExecutablePath();
    const std::string name = exe.empty() ? "Zyntra" : fs::path(exe).filename().string();
    return UserFolder() + name + ".ini";
}

} // namespace zyntra
