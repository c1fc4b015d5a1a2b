// The INI reader behind the language file and the window settings: reading, and a write that
// must keep every other byte of whatever file it is given.
#include "fuzz/fuzz_input.h"
#include "texts/ini_file.h"
#include "texts/lang_text.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zyntra;
    const std::string path = fuzz::WriteInput("Lang.ini", data, size);
    {
        IniFile ini(path);
        ini.ReadString("SetLanguage", "Language", "English");
        ini.ReadInt("Main", "Left", -1);
        ini.ReadString("English", "SM_SyncOK", "");
        if (ini.WriteString("Main", "Top", "12") && ini.ReadInt("Main", "Top", 0) != 12)
            std::abort(); // a write that reports success must read back
    }
    LanguageSectionOf(path);
    return 0;
}
