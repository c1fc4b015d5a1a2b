#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zyntra {

// The locale that messages follow: the first non-empty of LC_ALL, LC_MESSAGES
// and LANG; empty when none is set.
std::string SystemLocaleName();

// "zh_tw.UTF-8@euro" and "zh-TW" both become "zh_TW"; "C" stays "c".
std::string NormalisedLocaleCode(std::string_view locale);

// The Windows language identifier of a locale or language code such as
// "zh_TW.UTF-8", "zh-CN", "ja" or "en_GB"; 0x0409 for one we do not know.
std::uint16_t LanguageIdOf(std::string_view locale);

// The display name of the plain keyboard of a language, as "Layout Text"
// shows it: "US keyboard" for English, "Japanese keyboard" and so on.
std::string PlainKeyboardName(std::uint16_t languageId);

} // namespace zyntra
