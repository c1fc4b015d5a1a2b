#include "personal/field_comparison.h"
#include "personal/writer_support.h"

namespace zyntra {
namespace {

struct AddressRules {
    using Record = ADDRESSBOOK;
    using Forms = FieldValues;
    static constexpr int kThreshold = 4;
    static inline const int kIdColumn = AddressBookStatements().find.PositionOf(kRowIdColumn);
    static constexpr const char* kTable = kAddressBookFields.table;
    static constexpr RecordKind kKind = RecordKind::AddressBook;
    static constexpr const char* kCountStatement = "select count(id) from telephone;";
    static constexpr const char* kMaxStatement = "select max(id) from telephone;";

    static Forms MakeForms(const ADDRESSBOOK& record) {
        return WriterValues(kAddressBookFields, record);
    }

    static std::string ShortName(const ADDRESSBOOK& record) { return record.name; }

    static BoundStatement FindStatement(const Forms& forms) {
        return AddressBookStatements().Find(forms);
    }

    // Every field but the key, the row id and the stamp counts; locked can only differ.
    static MatchCount Compare(const DbRows& rows, int row, const ADDRESSBOOK& record,
                              const Forms& forms) {
        static const ComparedFields<ADDRESSBOOK> compared{
            kAddressBookFields,
            kAddressBookFields.Except({kRowIdColumn, "name", "locked", kStampColumn}),
            kAddressBookFields.Pick({"locked"})};
        return compared.Count(AddressBookStatements().find, rows, row, record, forms);
    }

    static BoundStatement InsertStatement(int id, const ADDRESSBOOK&, const Forms& forms) {
        return AddressBookStatements().Insert(id, forms);
    }

    static BoundStatement UpdateStatement(int rowId, const ADDRESSBOOK&, const Forms& forms) {
        return AddressBookStatements().Update(rowId, forms);
    }
};

} // namespace

void WriteAddressBook(WriterContext& context, const RecordList<ADDRESSBOOK>& list) {
    MergeRecords<AddressRules>(context, list);
}

} // namespace zyntra
