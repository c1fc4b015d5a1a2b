// Chooses the text section of a language file: the one named, or the one that goes with the
// locale (LC_ALL, LC_MESSAGES, LANG) as a user folder's first start chooses it.
//
//   zyntra_set_language LANG_INI [English|TChinese|SChinese]

#include "platform/locale_language.h"
#include "platform/registry.h"
#include "texts/ini_file.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    using namespace zyntra;
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: zyntra_set_language LANG_INI [English|TChinese|SChinese]\n");
        return 2;
    }
    const std::string section = argc == 3 ? argv[2] : LanguageSectionOfLocale(SystemLocaleName());
    if (section != "English" && section != "TChinese" && section != "SChinese") {
        std::fprintf(stderr, "zyntra_set_language: no text section \"%s\"\n", section.c_str());
        return 2;
    }
    IniFile languageFile(argv[1]);
    if (languageFile.ReadString(section, "SM_SyncOK", "").empty()) {
        std::fprintf(stderr, "zyntra_set_language: %s holds no section %s\n", argv[1],
                     section.c_str());
        return 1;
    }
    if (!languageFile.WriteString("SetLanguage", "Language", section)) {
        std::fprintf(stderr, "zyntra_set_language: %s could not be written\n", argv[1]);
        return 1;
    }
    std::printf("%s: language %s\n", argv[1], section.c_str());
    return 0;
}
