#include "personal/writer_support.h"

#include <array>

namespace zyntra {
namespace {

struct AddressTextField {
    const char* column;
    std::string ADDRESSBOOK::*member;
    int findColumn; // its column in the find statement's result
};

// In the table's column order, which the positional insert follows.
constexpr std::array<AddressTextField, 13> kAddressTexts = {{
    {"email", &ADDRESSBOOK::email, 3},
    {"mobile1", &ADDRESSBOOK::mobile1, 4},
    {"mobile2", &ADDRESSBOOK::mobile2, 5},
    {"home_phone", &ADDRESSBOOK::home_phone, 6},
    {"home_fax", &ADDRESSBOOK::home_fax, 7},
    {"home_address", &ADDRESSBOOK::home_address, 8},
    {"office_name", &ADDRESSBOOK::office_name, 9},
    {"office_title", &ADDRESSBOOK::office_title, 10},
    {"office_phone", &ADDRESSBOOK::office_phone, 11},
    {"office_fax", &ADDRESSBOOK::office_fax, 12},
    {"office_address", &ADDRESSBOOK::office_address, 13},
    {"photo_name", &ADDRESSBOOK::photo_name, 15},
    {"note", &ADDRESSBOOK::note, 14},
}};

// The update names note before photo_name.
constexpr std::array<int, 13> kUpdateOrder = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 11};

struct AddressRules {
    using Record = ADDRESSBOOK;
    static constexpr int kThreshold = 4;
    static constexpr int kIdColumn = 0;
    static constexpr const char* kCountStatement = "select count(id) from telephone;";
    static constexpr const char* kMaxStatement = "select max(id) from telephone;";

    struct Forms {
        DbText name;
        std::array<DbText, kAddressTexts.size()> texts;
    };

    static Forms MakeForms(const ADDRESSBOOK& record) {
        Forms forms;
        forms.name = WriterText(record.stored, "name", record.name, true);
        for (std::size_t i = 0; i < kAddressTexts.size(); ++i)
            forms.texts[i] = WriterText(record.stored, kAddressTexts[i].column,
                                        record.*kAddressTexts[i].member, true);
        return forms;
    }

    static std::string FindStatement(const Forms& forms) {
        return "select id, name, category, email, mobile1, mobile2, home_phone, home_fax, "
               "home_address, office_name, office_title, office_phone, office_fax, "
               "office_address, note, photo_name, locked, stamp_time from telephone where "
               "name = " +
               Quoted(forms.name) + ";";
    }

    static MatchCount Compare(const DbQuery& q, int row, const ADDRESSBOOK& record,
                              const Forms& forms) {
        MatchCount count;
        count.CompareInteger(RowValue(q, row, 2), record.category);
        for (std::size_t i = 0; i < kAddressTexts.size(); ++i)
            count.CompareText(RowValue(q, row, kAddressTexts[i].findColumn), forms.texts[i]);
        count.DifferIfInteger(RowValue(q, row, 16), record.locked);
        return count;
    }

    static std::string InsertStatement(int id, const ADDRESSBOOK& record, const Forms& forms) {
        std::string sql = "insert into telephone values( " + std::to_string(id) + ", " +
                          Quoted(forms.name) + ", " + std::to_string(record.category) + ", ";
        for (const DbText& text : forms.texts)
            sql += Quoted(text) + ", ";
        return sql + std::to_string(record.locked) + ", CURRENT_TIMESTAMP);";
    }

    static std::string UpdateStatement(int rowId, const ADDRESSBOOK& record, const Forms& forms) {
        std::string sql = "update telephone set name=" + Quoted(forms.name) +
                          ", category=" + std::to_string(record.category) + ", ";
        for (int i : kUpdateOrder)
            sql += std::string(kAddressTexts[i].column) + "=" + Quoted(forms.texts[i]) + ", ";
        return sql + "locked=" + std::to_string(record.locked) +
               ", stamp_time=CURRENT_TIMESTAMP where id=" + std::to_string(rowId) + ";";
    }
};

} // namespace

void WriteAddressBook(WriterContext& context, const RecordList<ADDRESSBOOK>& list) {
    MergeRecords<AddressRules>(context, list);
}

} // namespace zyntra
