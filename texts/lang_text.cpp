#include "texts/lang_text.h"

#include "texts/double_byte.h"
#include "texts/ini_file.h"

#include <cctype>
#include <cstdio>
#include <memory>

namespace zyntra {
namespace {

std::unique_ptr<IniFile>& LanguageFile() {
    static std::unique_ptr<IniFile> file;
    return file;
}

std::string ChosenSection(const IniFile& file) {
    return file.ReadString("SetLanguage", "Language", "");
}

} // namespace

std::string LanguageSectionOf(const std::string& path) {
    return ChosenSection(IniFile(path));
}

void OpenLanguageFile(const std::string& path) {
    LanguageFile() = std::make_unique<IniFile>(path);
}

void CloseLanguageFile() {
    LanguageFile().reset();
}

bool LanguageFileOpen() {
    return LanguageFile() != nullptr;
}

std::string LangText(std::string_view key) {
    const auto& file = LanguageFile();
    if (!file || key.empty())
        return "0";
    return file->ReadString(ChosenSection(*file), key, "");
}

std::string ShortHintPart(std::string_view text) {
    return std::string(text.substr(0, text.find('|')));
}

std::string LongHintPart(std::string_view text) {
    std::size_t bar = text.find('|');
    return std::string(bar == std::string_view::npos ? text : text.substr(bar + 1));
}

std::string FitToSlot(std::string_view text, std::size_t slotSize) {
    if (slotSize == 0)
        return {};
    const std::size_t room = slotSize - 1;
    std::size_t end = 0;
    while (end < text.size()) {
        std::size_t width = IsDoubleByteLead(static_cast<unsigned char>(text[end])) ? 2 : 1;
        if (end + width > room || end + width > text.size())
            break;
        end += width;
    }
    return std::string(text.substr(0, end));
}

namespace {

// Length of an integer conversion ("%d", "%3d", "%-2i", "%u") at the start of
// `text`, or 0 when it is none.
std::size_t IntegerConversionLength(std::string_view text) {
    std::size_t at = 1;
    while (at < text.size() && std::string_view("-+ 0#").find(text[at]) != std::string_view::npos)
        ++at;
    for (int digits = 0;
         at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) && digits < 3;
         ++digits)
        ++at;
    if (at < text.size() && std::string_view("diu").find(text[at]) != std::string_view::npos)
        return at + 1;
    return 0;
}

} // namespace

std::string FormatCount(std::string_view format, long long value) {
    std::string text;
    bool converted = false;
    for (std::size_t at = 0; at < format.size(); ++at) {
        if (format[at] != '%') {
            text += format[at];
            continue;
        }
        if (format.substr(at, 2) == "%%") {
            text += '%';
            ++at;
            continue;
        }
        std::size_t length = converted ? 0 : IntegerConversionLength(format.substr(at));
        if (length == 0) {
            text += '%';
            continue;
        }
        std::string conversion(format.substr(at, length - 1));
        conversion += "lld";
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, conversion.c_str(), value);
        text += buffer;
        converted = true;
        at += length - 1;
    }
    return text;
}

} // namespace zyntra
