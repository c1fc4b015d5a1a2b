#pragma once

#include "platform/input_methods.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace zyntra {

enum class RegistryRoot { CurrentUser, LocalMachine };

// The read-only view of the few registry values the program reads. Key paths
// use '\' and, like the registry's, are compared without regard to case.
class Registry {
public:
    virtual ~Registry() = default;

    // The text value. Nothing when the key cannot be opened (the caller then
    // shows "Error opening key"); the empty text when the key exists but has
    // no such value.
    virtual std::optional<std::string> ReadString(RegistryRoot root, std::string_view keyPath,
                                                  std::string_view valueName) const = 0;
};

// Answers from the system:
// - current user, "Control Panel\International", "sLanguage": "CHT", "CHS"
//   or "ENU" from the locale (LanguageCodeOfLocale);
// - local machine, "SYSTEM\ControlSet001\Control\Keyboard Layouts\XXXXXXXX"
//   (eight hexadecimal digits), "Layout Text": the display name of the input
//   method with that handle; a handle that is not installed has no key.
// Every other key cannot be opened.
class SystemRegistry : public Registry {
public:
    SystemRegistry(std::string locale, const InputMethods& inputMethods);

    std::optional<std::string> ReadString(RegistryRoot root, std::string_view keyPath,
                                          std::string_view valueName) const override;

private:
    std::string languageCode_;
    std::vector<InputMethod> layouts_;
};

// "CHT" for a zh_TW or zh_HK locale, "CHS" for zh_CN or zh_SG, else "ENU".
std::string LanguageCodeOfLocale(std::string_view locale);

// The text section of the language file that goes with a locale: "TChinese" where
// LanguageCodeOfLocale gives "CHT", "SChinese" for "CHS", else "English".
std::string LanguageSectionOfLocale(std::string_view locale);

// Keys and values a test sets.
class MemoryRegistry : public Registry {
public:
    void AddKey(RegistryRoot root, std::string_view keyPath);
    // Adds the key too.
    void SetString(RegistryRoot root, std::string_view keyPath, std::string_view valueName,
                   std::string value);

    std::optional<std::string> ReadString(RegistryRoot root, std::string_view keyPath,
                                          std::string_view valueName) const override;

private:
    using KeyId = std::tuple<RegistryRoot, std::string>;
    std::map<KeyId, std::map<std::string, std::string>> keys_;
};

} // namespace zyntra
