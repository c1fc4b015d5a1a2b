#include "platform/locale_language.h"

#include <array>
#include <cctype>
#include <cstdlib>

namespace zyntra {
namespace {

struct LanguageEntry {
    std::string_view code; // "ll" or "ll_CC"
    std::uint16_t id;
    std::string_view name;
};

// Territory-specific entries come before the bare language, so the first
// match of "ll_CC" wins over "ll". A bare "zh" is taken as Simplified, as the
// Windows primary language is.
constexpr std::array kLanguages{
    LanguageEntry{"zh_TW", 0x0404, "Chinese (Traditional)"},
    LanguageEntry{"zh_CN", 0x0804, "Chinese (Simplified)"},
    LanguageEntry{"zh_HK", 0x0C04, "Chinese (Hong Kong)"},
    LanguageEntry{"zh_SG", 0x1004, "Chinese (Singapore)"},
    LanguageEntry{"zh_MO", 0x1404, "Chinese (Macao)"},
    LanguageEntry{"zh", 0x0804, "Chinese (Simplified)"},
    LanguageEntry{"en", 0x0409, "US"},
    LanguageEntry{"ja", 0x0411, "Japanese"},
    LanguageEntry{"ko", 0x0412, "Korean"},
    LanguageEntry{"de", 0x0407, "German"},
    LanguageEntry{"fr", 0x040C, "French"},
    LanguageEntry{"es", 0x0C0A, "Spanish"},
    LanguageEntry{"it", 0x0410, "Italian"},
    LanguageEntry{"pt_BR", 0x0416, "Portuguese (Brazil)"},
    LanguageEntry{"pt", 0x0816, "Portuguese"},
    LanguageEntry{"nl", 0x0413, "Dutch"},
    LanguageEntry{"sv", 0x041D, "Swedish"},
    LanguageEntry{"da", 0x0406, "Danish"},
    LanguageEntry{"nb", 0x0414, "Norwegian"},
    LanguageEntry{"fi", 0x040B, "Finnish"},
    LanguageEntry{"pl", 0x0415, "Polish"},
    LanguageEntry{"cs", 0x0405, "Czech"},
    LanguageEntry{"hu", 0x040E, "Hungarian"},
    LanguageEntry{"ru", 0x0419, "Russian"},
    LanguageEntry{"uk", 0x0422, "Ukrainian"},
    LanguageEntry{"el", 0x0408, "Greek"},
    LanguageEntry{"tr", 0x041F, "Turkish"},
    LanguageEntry{"he", 0x040D, "Hebrew"},
    LanguageEntry{"ar", 0x0401, "Arabic"},
    LanguageEntry{"hy", 0x042B, "Armenian"},
    LanguageEntry{"hi", 0x0439, "Hindi"},
    LanguageEntry{"th", 0x041E, "Thai"},
    LanguageEntry{"vi", 0x042A, "Vietnamese"},
};

constexpr std::uint16_t kEnglishUs = 0x0409;

} // namespace

std::string NormalisedLocaleCode(std::string_view locale) {
    std::string code;
    bool inTerritory = false;
    for (char c : locale) {
        if (c == '.' || c == '@')
            break;
        if (c == '_' || c == '-') {
            inTerritory = true;
            code += '_';
            continue;
        }
        auto u = static_cast<unsigned char>(c);
        code += static_cast<char>(inTerritory ? std::toupper(u) : std::tolower(u));
    }
    return code;
}

namespace {

const LanguageEntry* FindLanguage(std::string_view locale) {
    std::string code = NormalisedLocaleCode(locale);
    std::string bare = code.substr(0, code.find('_'));
    for (const auto& entry : kLanguages)
        if (entry.code == code)
            return &entry;
    for (const auto& entry : kLanguages)
        if (entry.code == bare)
            return &entry;
    return nullptr;
}

} // namespace

std::string SystemLocaleName() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0')
            return value;
    }
    return {};
}

std::uint16_t LanguageIdOf(std::string_view locale) {
    const LanguageEntry* entry = FindLanguage(locale);
    return entry != nullptr ? entry->id : kEnglishUs;
}

std::string PlainKeyboardName(std::uint16_t languageId) {
    for (const auto& entry : kLanguages)
        if (entry.id == languageId)
            return std::string(entry.name) + " keyboard";
    return "US keyboard";
}

} // namespace zyntra
