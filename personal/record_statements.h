#pragma once

#include "personal/record_fields.h"
#include "personal/text_forms.h"
#include "storage/db_statement.h"

#include <string>
#include <string_view>
#include <vector>

namespace zyntra {

// A record's values as the writers put them into statements, one per field of its table at the
// field's index: integers in decimal, texts in their database form. The converter from the
// interface charset to UTF-8 must be open.
using FieldValues = std::vector<DbText>;

// Where the texts of a record are: in the interface charset, which the open converter turns into
// UTF-8, or in UTF-8 already, for which no converter is needed.
enum class TextsIn { InterfaceCharset, Utf8 };

template <class Record>
FieldValues WriterValues(const RecordFields<Record>& table, const Record& record,
                         TextsIn texts = TextsIn::InterfaceCharset) {
    FieldValues values(table.fields.size());
    for (std::size_t i = 0; i < table.fields.size(); ++i) {
        const Field<Record>& field = table.fields[i];
        if (field.integer != nullptr)
            values[i] = {std::to_string(record.*field.integer), false};
        else if (field.text != nullptr && field.form == ColumnForm::Plain)
            values[i] = PlainText(record.stored, field.name, record.*field.text);
        else if (field.text != nullptr && texts == TextsIn::Utf8)
            values[i] = Utf8WriterText(record.*field.text, field.form == ColumnForm::Complemented);
        else if (field.text != nullptr)
            values[i] = WriterText(record.stored, field.name, record.*field.text,
                                   field.form == ColumnForm::Complemented);
    }
    return values;
}

// The statements a list writer builds for one record: the find statement looks the record up by
// its key, an insert gives every column in the table's order, an update sets the listed columns
// of the row with the given id. The row id and the stamp are never taken from the record. The
// values are parameters, so every record runs the same prepared statements; their text is the
// statement with the values written in.
template <class Record> struct ListStatements {
    const RecordFields<Record>& table;
    const char* key;
    FieldList<Record> find;   // the columns the find statement selects, in its order
    FieldList<Record> update; // the columns an update sets, in its order

    BoundStatement Find(const FieldValues& values) const;
    BoundStatement Insert(int id, const FieldValues& values) const;
    BoundStatement Update(int rowId, const FieldValues& values) const;
};

const ListStatements<ADDRESSBOOK>& AddressBookStatements();
const ListStatements<SCHEDULE>& ScheduleStatements();
const ListStatements<PLANS>& ToDoStatements();

// The update of the classtable row of one cell: only updates, the rows are fixed.
BoundStatement ClassCellUpdateStatement(int id, const FieldValues& values);

// A user-dictionary entry as its writer stores it: the headword and its key as the database
// holds them, type and exp converted, and the dictionary's id.
FieldValues HeadwordValues(int dictId, const UserDictEntry& entry,
                           TextsIn texts = TextsIn::InterfaceCharset);

// The rebuild merges entries into the work table tmp, which has the columns of headword but
// hw_id and is addressed by rowid. The find statement selects the rowid and then these columns.
const FieldList<UserDictEntry>& HeadwordFindColumns();
BoundStatement HeadwordFindStatement(const FieldValues& values);
BoundStatement HeadwordInsertStatement(const FieldValues& values);
BoundStatement HeadwordUpdateStatement(int rowid, const FieldValues& values);

} // namespace zyntra
