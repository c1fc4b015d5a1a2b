#include "exchange/record_table.h"

#include "exchange/charset_codec.h"
#include "exchange/utf8_record.h"

namespace zyntra {
namespace {

template <class R> std::vector<FieldInfo> InfoOf(const FieldList<R>& fields) {
    std::vector<FieldInfo> info;
    for (const Field<R>& field : fields)
        info.push_back({field.name, field.Type()});
    return info;
}

template <class R>
std::vector<FieldValue> RowOf(const R& record, const FieldList<R>& fields,
                              const CharsetCodec& codec) {
    std::vector<FieldValue> row;
    for (const Field<R>& field : fields) {
        if (field.integer)
            row.emplace_back(static_cast<long long>(record.*field.integer));
        else
            row.emplace_back(TextInUtf8(record, field, codec.ToUtf8Converter()));
    }
    return row;
}

template <class R, class List>
void ExportList(const List& list, const FieldList<R>& fields, const CharsetCodec& codec,
                const ExportedRowSink& row) {
    for (const auto& record : list)
        row(RowOf<R>(*record, fields, codec));
}

} // namespace

std::optional<RecordKind> RecordKindByName(std::string_view name) {
    for (RecordKind kind : kAllRecordKinds)
        if (name == RecordKindName(kind))
            return kind;
    return std::nullopt;
}

const char* RecordKindName(RecordKind kind) {
    switch (kind) {
    case RecordKind::AddressBook:
        return "addressbook";
    case RecordKind::Schedule:
        return "schedule";
    case RecordKind::ToDo:
        return "todo";
    case RecordKind::ClassTable:
        return "classtable";
    case RecordKind::ECUser:
        return "ecdict";
    case RecordKind::CEUser:
        return "cedict";
    }
    return "";
}

const std::vector<FieldInfo>& FieldsOf(RecordKind kind) {
    static const std::vector<FieldInfo> address = InfoOf(ExchangedFields(kAddressBookFields));
    static const std::vector<FieldInfo> schedule = InfoOf(ExchangedFields(kScheduleFields));
    static const std::vector<FieldInfo> todo = InfoOf(ExchangedFields(kToDoFields));
    static const std::vector<FieldInfo> classes = InfoOf(ExchangedFields(kClassTableFields));
    static const std::vector<FieldInfo> dict = InfoOf(ExchangedFields(kUserDictFields));
    switch (kind) {
    case RecordKind::AddressBook:
        return address;
    case RecordKind::Schedule:
        return schedule;
    case RecordKind::ToDo:
        return todo;
    case RecordKind::ClassTable:
        return classes;
    default:
        return dict;
    }
}

void ExportRecords(const RecordLists& lists, RecordKind kind, const CharsetCodec& codec,
                   const ExportedRowSink& row) {
    switch (kind) {
    case RecordKind::AddressBook:
        ExportList<ADDRESSBOOK>(lists.AddrList, ExchangedFields(kAddressBookFields), codec, row);
        break;
    case RecordKind::Schedule:
        ExportList<SCHEDULE>(lists.ScheList, ExchangedFields(kScheduleFields), codec, row);
        break;
    case RecordKind::ToDo:
        ExportList<PLANS>(lists.ToDoList, ExchangedFields(kToDoFields), codec, row);
        break;
    case RecordKind::ECUser:
        ExportList<UserDictEntry>(lists.ECUserList, ExchangedFields(kUserDictFields), codec, row);
        break;
    case RecordKind::CEUser:
        ExportList<UserDictEntry>(lists.CEUserList, ExchangedFields(kUserDictFields), codec, row);
        break;
    case RecordKind::ClassTable:
        for (const auto& day : lists.classGrid)
            for (const CLASSTABLE& cell : day)
                row(RowOf<CLASSTABLE>(cell, ExchangedFields(kClassTableFields), codec));
        break;
    }
}

} // namespace zyntra
