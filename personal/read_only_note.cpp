#include "personal/read_only_note.h"

#include "personal/record_fields.h"
#include "texts/double_byte.h"
#include "texts/lang_text.h"

#include <algorithm>
#include <initializer_list>

namespace zyntra {
namespace {

// Enough of a text to recognise it by.
constexpr std::size_t kNameCharacters = 20;

std::size_t CharacterWidth(unsigned char lead, std::string_view charset) {
    if (charset == "UTF-8")
        return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (charset == "BIG5" || charset == "GB2312")
        return IsDoubleByteLead(lead) ? 2 : 1;
    return 1;
}

// The first characters of a text on one line: a note or a task may hold line breaks.
std::string TextStart(std::string_view text, std::string_view charset) {
    std::size_t end = 0;
    for (std::size_t n = 0; end < text.size() && n < kNameCharacters; ++n)
        end = std::min(text.size(),
                       end + CharacterWidth(static_cast<unsigned char>(text[end]), charset));
    std::string start(text.substr(0, end));
    std::replace_if(
        start.begin(), start.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; },
        ' ');
    // A text cut where a character could not be converted may end in the blank before it.
    while (!start.empty() && start.back() == ' ')
        start.pop_back();
    return end < text.size() ? start + "..." : start;
}

std::string FirstText(std::initializer_list<const std::string*> texts, std::string_view charset) {
    for (const std::string* text : texts)
        if (!text->empty())
            return TextStart(*text, charset);
    return {};
}

std::string Joined(std::initializer_list<std::string> parts) {
    std::string joined;
    for (const std::string& part : parts)
        if (!part.empty())
            joined += (joined.empty() ? "" : " ") + part;
    return joined.empty() ? "?" : joined;
}

} // namespace

// A contact without a name (or whose name could not be read at all) goes by its first text.
std::string EntryName(const ADDRESSBOOK& record, std::string_view charset) {
    static const FieldList<ADDRESSBOOK> texts = kAddressBookFields.OfForm(ColumnForm::Complemented);
    for (const Field<ADDRESSBOOK>& field : texts)
        if (!(record.*field.text).empty())
            return TextStart(record.*field.text, charset);
    return "?";
}

std::string EntryName(const SCHEDULE& record, std::string_view charset) {
    return Joined({record.date, record.start_time, FirstText({&record.content}, charset)});
}

std::string EntryName(const PLANS& record, std::string_view charset) {
    return Joined({record.date, FirstText({&record.content}, charset)});
}

std::string EntryName(const UserDictEntry& entry, std::string_view charset) {
    return Joined({FirstText({&entry.hw_name, &entry.exp}, charset)});
}

std::string EntryName(const CLASSTABLE& cell, std::string_view charset) {
    return Joined({cell.weekdayLabel, cell.classLabel,
                   FirstText({&cell.course_name, &cell.abbreviation, &cell.teacher}, charset)});
}

ReadOnlyEntry MakeReadOnlyEntry(RecordKind kind, std::string row, std::string name,
                                const StoredForm& stored) {
    // Lengths before values, so that no text can pass for another's end. A writer may store
    // an empty text where the row held NULL: both are left out.
    std::string identity =
        std::to_string(static_cast<int>(kind)) + ":" + std::to_string(name.size()) + ":" + name;
    for (const auto& [column, value] : stored.columns)
        if (!value.empty())
            identity += ";" + column + "=" + std::to_string(value.size()) + ":" + value;
    return {kind, std::move(row), std::move(name), std::move(identity)};
}

std::vector<const ReadOnlyEntry*>
ReadOnlyNote::TakeUnnamed(const std::vector<ReadOnlyEntry>& entries) {
    std::vector<const ReadOnlyEntry*> unnamed;
    for (const ReadOnlyEntry& entry : entries)
        if (named_.insert(entry.identity).second)
            unnamed.push_back(&entry);
    return unnamed;
}

std::string
ReadOnlyNoteText(const std::vector<const ReadOnlyEntry*>& entries,
                 const std::function<std::string(const std::string&)>& toMessageCharset) {
    std::string text = LangText("SM_ReadOnlyEntries");
    const std::size_t shown = std::min(entries.size(), kReadOnlyNamesShown);
    for (std::size_t i = 0; i < shown; ++i)
        text += "\n" + LangText(KindCaptionKey(entries[i]->kind)) + ": " +
                toMessageCharset(entries[i]->name);
    if (entries.size() > shown)
        text += "\n" + FormatCount(LangText("SM_ReadOnlyMore"),
                                   static_cast<long long>(entries.size() - shown));
    return text;
}

} // namespace zyntra
