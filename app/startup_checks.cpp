#include "app/startup_checks.h"

#include "platform/registry.h"

#include <sys/stat.h>

namespace zyntra {

std::string SystemLanguageFromRegionalSetting(std::string_view sLanguage) {
    if (sLanguage == "CHT")
        return "zh_TW";
    if (sLanguage == "CHS")
        return "zh_CN";
    return "en_US";
}

std::string ReadSystemLanguage(const Registry& registry) {
    std::optional<std::string> setting =
        registry.ReadString(RegistryRoot::CurrentUser, "Control Panel\\International", "sLanguage");
    return SystemLanguageFromRegionalSetting(setting.value_or(std::string()));
}

bool RequiredInUserFolder(std::string_view name) {
    return name == "Lang.ini" || name.starts_with("data/");
}

std::optional<std::string> FirstMissingRequiredFile(const std::string& programFolder,
                                                    const std::string& userFolder) {
    for (const char* name : kRequiredFiles) {
        const std::string& folder = RequiredInUserFolder(name) ? userFolder : programFolder;
        struct stat status {};
        if (stat((folder + name).c_str(), &status) != 0)
            return std::string(name);
    }
    return std::nullopt;
}

std::optional<std::string> FirstMissingRequiredFile(const std::string& programFolder) {
    return FirstMissingRequiredFile(programFolder, programFolder);
}

bool ScreenTooSmall(int width, int height) {
    return width < 800 && height < 600;
}

// The Chinese messages are kept as the bytes of their interface charsets:
// they must show even when iconv.dll is the file that is missing.
std::string MissingFilesMessage(std::string_view systemLanguage) {
    if (systemLanguage == "zh_TW") // 遺失重要檔案，請重新安裝！ in BIG5
        return "\xbf\xf2\xa5\xa2\xad\xab\xad\x6e\xc0\xc9\xae\xd7\xa1\x41\xbd\xd0\xad\xab\xb7\x73"
               "\xa6\x77\xb8\xcb\xa1\x49";
    if (systemLanguage == "zh_CN") // 遗失重要档案，请重新安装！ in GB2312
        return "\xd2\xc5\xca\xa7\xd6\xd8\xd2\xaa\xb5\xb5\xb0\xb8\xa3\xac\xc7\xeb\xd6\xd8\xd0\xc2"
               "\xb0\xb2\xd7\xb0\xa3\xa1";
    return "Lost important files, please reinstall ...";
}

std::string ScreenTooSmallMessage(std::string_view systemLanguage) {
    if (systemLanguage == "zh_TW") // 螢幕解析度至少為800 * 600！ in BIG5
        return "\xbf\xc3\xb9\xf5\xb8\xd1\xaa\x52\xab\xd7\xa6\xdc\xa4\xd6\xac\xb0"
               "800 * 600\xa1\x49";
    if (systemLanguage == "zh_CN") // 荧幕解析度至少为800 * 600！ in GB2312
        return "\xd3\xab\xc4\xbb\xbd\xe2\xce\xf6\xb6\xc8\xd6\xc1\xc9\xd9\xce\xaa"
               "800 * 600\xa3\xa1";
    // The English interface charset has no full-width exclamation mark.
    return "The screen resolution is at least 800 * 600!";
}

} // namespace zyntra
