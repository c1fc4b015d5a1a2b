#include "platform/registry.h"

#include "platform/locale_language.h"

#include <cctype>
#include <cstdio>

namespace zyntra {
namespace {

constexpr std::string_view kInternationalKey = "Control Panel\\International";
constexpr std::string_view kLanguageValue = "sLanguage";
constexpr std::string_view kLayoutsKey = "SYSTEM\\ControlSet001\\Control\\Keyboard Layouts\\";
constexpr std::string_view kLayoutTextValue = "Layout Text";

std::string Lowered(std::string_view text) {
    std::string lowered(text);
    for (char& c : lowered)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lowered;
}

bool SameText(std::string_view a, std::string_view b) {
    return Lowered(a) == Lowered(b);
}

// "0404E001" (exactly eight hexadecimal digits, either case) as a handle.
std::optional<std::uint32_t> LayoutHandle(std::string_view digits) {
    if (digits.size() != 8)
        return std::nullopt;
    std::uint32_t handle = 0;
    for (char c : digits) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        int value = std::isdigit(static_cast<unsigned char>(c))
                        ? c - '0'
                        : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
        handle = (handle << 4) | static_cast<std::uint32_t>(value);
    }
    return handle;
}

} // namespace

std::string LanguageCodeOfLocale(std::string_view locale) {
    std::string code = NormalisedLocaleCode(locale);
    if (code == "zh_TW" || code == "zh_HK")
        return "CHT";
    if (code == "zh_CN" || code == "zh_SG")
        return "CHS";
    return "ENU";
}

std::string LanguageSectionOfLocale(std::string_view locale) {
    const std::string code = LanguageCodeOfLocale(locale);
    if (code == "CHT")
        return "TChinese";
    return code == "CHS" ? "SChinese" : "English";
}

SystemRegistry::SystemRegistry(std::string locale, const InputMethods& inputMethods)
    : languageCode_(LanguageCodeOfLocale(locale)), layouts_(inputMethods.List()) {}

std::optional<std::string> SystemRegistry::ReadString(RegistryRoot root, std::string_view keyPath,
                                                      std::string_view valueName) const {
    if (root == RegistryRoot::CurrentUser && SameText(keyPath, kInternationalKey))
        return SameText(valueName, kLanguageValue) ? languageCode_ : std::string();
    if (root != RegistryRoot::LocalMachine || keyPath.size() <= kLayoutsKey.size() ||
        !SameText(keyPath.substr(0, kLayoutsKey.size()), kLayoutsKey))
        return std::nullopt;
    std::optional<std::uint32_t> handle = LayoutHandle(keyPath.substr(kLayoutsKey.size()));
    if (!handle)
        return std::nullopt;
    for (const auto& layout : layouts_)
        if (layout.handle == *handle)
            return SameText(valueName, kLayoutTextValue) ? layout.name : std::string();
    return std::nullopt;
}

void MemoryRegistry::AddKey(RegistryRoot root, std::string_view keyPath) {
    keys_[{root, Lowered(keyPath)}];
}

void MemoryRegistry::SetString(RegistryRoot root, std::string_view keyPath,
                               std::string_view valueName, std::string value) {
    keys_[{root, Lowered(keyPath)}][Lowered(valueName)] = std::move(value);
}

std::optional<std::string> MemoryRegistry::ReadString(RegistryRoot root, std::string_view keyPath,
                                                      std::string_view valueName) const {
    auto key = keys_.find({root, Lowered(keyPath)});
    if (key == keys_.end())
        return std::nullopt;
    auto value = key->second.find(Lowered(valueName));
    return value != key->second.end() ? value->second : std::string();
}

} // namespace zyntra
