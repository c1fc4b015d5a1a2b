#include "exchange/address_vcard.h"

#include "personal/record_limits.h"
#include "texts/charset_converter.h"

#include <algorithm>
#include <array>

namespace zyntra {
namespace {

constexpr std::array<const char*, kAddressCategoryCount> kCategoryNames = {
    "Family", "Friend", "Classmate", "Colleague", "Customer", "Others"};
constexpr int kOtherCategory = kAddressCategoryCount - 1;

// The marker of a locked entry; no standard property says "this entry needs the password".
constexpr const char* kLockedProperty = "X-ZYNTRA-LOCKED";

// Phone types as each version spells them.
std::string Types(VCardVersion version, std::string_view types) {
    return ";TYPE=" + (version == VCardVersion::V40 ? std::string(types) : UpperAscii(types));
}

class CardWriter {
public:
    CardWriter(VCardVersion version, const CharsetConverter& toUtf8)
        : version_(version), toUtf8_(toUtf8) {}

    // A property whose value is one text; nothing for an empty text unless it must be there.
    void Text(std::string_view name, const std::string& text, bool always = false) {
        if (!text.empty() || always)
            Line(std::string(name) + ":" + Escaped(text));
    }
    void Phone(std::string_view types, const std::string& number) {
        if (!number.empty())
            Line("TEL" + Types(version_, types) + ":" + Escaped(number));
    }
    // An address of one text: the street part of the seven, which every reader shows.
    void Address(std::string_view type, const std::string& address) {
        if (!address.empty())
            Line("ADR" + Types(version_, type) + ":;;" + Escaped(address) + ";;;;");
    }
    void Line(const std::string& line) { card_ += FoldLine(line); }
    std::string Escaped(const std::string& text) const {
        return EscapeText(toUtf8_.ConvertLenient(text));
    }
    std::string Take() { return std::move(card_); }

private:
    VCardVersion version_;
    const CharsetConverter& toUtf8_;
    std::string card_;
};

// Reads a card's properties into address-book fields; each field takes the first property
// that fits it, and whatever finds no free field is named as not mapped.
class CardMapper {
public:
    explicit CardMapper(const VCard& card) : card_(card) { record_.lineNumber = card.lineNumber; }

    ExchangeRecord Map() {
        const bool hasFullName =
            std::any_of(card_.properties.begin(), card_.properties.end(),
                        [](const ContentLine& line) { return line.name == "FN"; });
        for (const ContentLine& line : card_.properties)
            MapOne(line, hasFullName);
        return std::move(record_);
    }

private:
    void MapOne(const ContentLine& line, bool hasFullName) {
        const std::string& name = line.name;
        if (name == "FN")
            return Take("name", Plain(line), line, "a second name");
        if (name == "N")
            return hasFullName ? void() : Take("name", NameOfParts(line), line, "a second name");
        if (name == "EMAIL")
            return Take("email", Plain(line), line, "a second e-mail");
        if (name == "TEL")
            return Phone(line);
        if (name == "ADR")
            return Take(line.HasType("WORK") ? "office_address" : "home_address", Joined(line),
                        line, "a second address of this kind");
        if (name == "ORG")
            return Take("office_name", Joined(line), line, "a second organisation");
        if (name == "TITLE")
            return Take("office_title", Plain(line), line, "a second title");
        if (name == "NOTE")
            return Take("note", Plain(line), line, "a second note");
        if (name == "CATEGORIES")
            return Category(line);
        if (name == kLockedProperty)
            return Lock(line);
        // The file's own bookkeeping, which no entry of ours has.
        if (name == "PRODID" || name == "REV" || name == "UID")
            return;
        Unmapped(line, "");
    }

    void Phone(const ContentLine& line) {
        std::string number = Plain(line);
        if (number.rfind("tel:", 0) == 0)
            number.erase(0, 4);
        const bool work = line.HasType("WORK");
        if (line.HasType("CELL"))
            return Take(record_.Has("mobile1") ? "mobile2" : "mobile1", number, line,
                        "a third mobile");
        if (line.HasType("FAX"))
            return Take(work ? "office_fax" : "home_fax", number, line, "a second fax");
        for (const char* other : {"PAGER", "VIDEO", "TEXTPHONE", "CAR", "ISDN", "MODEM", "BBS"})
            if (line.HasType(other))
                return Unmapped(line, "a phone of a kind the entry has no field for");
        Take(work ? "office_phone" : "home_phone", number, line, "a second phone of this kind");
    }

    void Category(const ContentLine& line) {
        for (const std::string& part : SplitEscaped(line.value, ',')) {
            const std::string category = UnescapeValue(part, card_.version);
            auto known = std::find_if(kCategoryNames.begin(), kCategoryNames.end(),
                                      [&](const char* name) { return SameName(category, name); });
            if (known != kCategoryNames.end() && !record_.Has("category")) {
                record_.Set("category", static_cast<long long>(known - kCategoryNames.begin()));
                continue;
            }
            record_.unmapped.push_back("the category \"" + category + "\"" +
                                       (record_.Has("category") ? "" : ": filed under Others"));
            if (!record_.Has("category"))
                record_.Set("category", static_cast<long long>(kOtherCategory));
        }
    }

    void Lock(const ContentLine& line) {
        const std::string value = Plain(line);
        if (value == "1" || SameName(value, "TRUE"))
            return record_.Set("locked", 1LL);
        if (value == "0" || SameName(value, "FALSE"))
            return record_.Set("locked", 0LL);
        Unmapped(line, "neither 1 nor 0");
    }

    void Take(const char* field, std::string text, const ContentLine& line, const char* why) {
        if (record_.Has(field))
            return Unmapped(line, why);
        record_.Set(field, std::move(text));
    }

    void Unmapped(const ContentLine& line, const std::string& why) {
        std::string what = (line.group.empty() ? "" : line.group + ".") + line.name;
        const std::string value = Plain(line);
        // Binary data and long texts are named, not shown.
        if (!value.empty() && value.size() <= 60 && value.find('\n') == std::string::npos)
            what += " \"" + value + "\"";
        record_.unmapped.push_back(why.empty() ? what : what + " (" + why + ")");
    }

    std::string Plain(const ContentLine& line) const {
        return UnescapeValue(line.value, card_.version);
    }
    // A structured value's non-empty parts, in order, between commas.
    std::string Joined(const ContentLine& line) const {
        std::string joined;
        for (const std::string& part : SplitEscaped(line.value, ';')) {
            const std::string text = UnescapeValue(part, card_.version);
            if (!text.empty())
                joined += (joined.empty() ? "" : ", ") + text;
        }
        return joined;
    }
    // N is family;given;additional;prefixes;suffixes, shown prefix given additional family
    // suffix.
    std::string NameOfParts(const ContentLine& line) const {
        std::vector<std::string> parts = SplitEscaped(line.value, ';');
        parts.resize(5);
        std::string name;
        for (int index : {3, 1, 2, 0, 4}) {
            const std::string text = UnescapeValue(parts[index], card_.version);
            if (!text.empty())
                name += (name.empty() ? "" : " ") + text;
        }
        return name;
    }

    const VCard& card_;
    ExchangeRecord record_;
};

} // namespace

const char* AddressCategoryName(int category) {
    return category >= 0 && category < kAddressCategoryCount ? kCategoryNames[category]
                                                             : kCategoryNames[kOtherCategory];
}

std::string VCardOf(const ADDRESSBOOK& entry, VCardVersion version,
                    const CharsetConverter& toUtf8) {
    CardWriter card(version, toUtf8);
    card.Line("BEGIN:VCARD");
    card.Line(std::string("VERSION:") + VCardVersionName(version));
    card.Text("FN", entry.name, true);
    if (version == VCardVersion::V30) // 3.0 requires N; the whole name is its family part
        card.Line("N:" + card.Escaped(entry.name) + ";;;;");
    card.Line(std::string("CATEGORIES:") + AddressCategoryName(entry.category));
    card.Text("EMAIL", entry.email);
    card.Phone("cell", entry.mobile1);
    card.Phone("cell", entry.mobile2);
    card.Phone("home,voice", entry.home_phone);
    card.Phone("home,fax", entry.home_fax);
    card.Address("home", entry.home_address);
    card.Text("ORG", entry.office_name);
    card.Text("TITLE", entry.office_title);
    card.Phone("work,voice", entry.office_phone);
    card.Phone("work,fax", entry.office_fax);
    card.Address("work", entry.office_address);
    card.Text("NOTE", entry.note);
    if (entry.locked != 0)
        card.Line(std::string(kLockedProperty) + ":1");
    card.Line("END:VCARD");
    return card.Take();
}

ExchangeRecord AddressOfVCard(const VCard& card) {
    return CardMapper(card).Map();
}

} // namespace zyntra
