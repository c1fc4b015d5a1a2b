#pragma once

#include <string>
#include <string_view>

namespace zyntra {

// The language file's name in the program folder.
inline constexpr const char kLanguageFileName[] = "Lang.ini";

// The language file (Lang.ini of the program folder). Section "SetLanguage",
// key "Language" names the text section; every text the user sees is looked
// up there by key. Texts are bytes in the charset the section is stored in
// and are never converted here.
//
// The file is open from the start-up step that opens it until the window is
// destroyed; before that, and for an empty key, a lookup gives "0". A key
// missing from the file gives the empty text, never the key itself.
void OpenLanguageFile(const std::string& path);
void CloseLanguageFile();
bool LanguageFileOpen();

// The text section a language file chooses ("English", "TChinese", "SChinese"); empty when
// the file or its choice is missing. Readable before the file is opened for lookups.
std::string LanguageSectionOf(const std::string& path);

// The section is read afresh on every lookup, so an edit of the file shows
// in the next message or hint.
std::string LangText(std::string_view key);

// A hint text "short|long": the tip shows the part before the first "|",
// the status line the part after it; a text without "|" is both.
std::string ShortHintPart(std::string_view text);
std::string LongHintPart(std::string_view text);

// The text cut so that it fits a fixed slot of `slotSize` bytes with its
// terminating zero. A double-byte character (BIG5, GB2312) is never split.
std::string FitToSlot(std::string_view text, std::size_t slotSize);

// The integer conversion of a one-integer printf format from the language
// file ("Class %d"). Only the first conversion is used; any other '%' shows
// as it stands, so a text from the file can never read arguments that are
// not there.
std::string FormatCount(std::string_view format, long long value);

} // namespace zyntra
