#include "personal/personal_records.h"

namespace zyntra {

void RecordLists::ResetList(RecordKind kind) {
    switch (kind) {
    case RecordKind::AddressBook:
        AddrList.clear();
        addrSortFlags = {};
        break;
    case RecordKind::Schedule:
        ScheList.clear();
        scheSortFlags = {};
        break;
    case RecordKind::ToDo:
        ToDoList.clear();
        toDoSortFlags = {};
        break;
    case RecordKind::ECUser:
        ECUserList.clear();
        ecUserSortFlags = {};
        break;
    case RecordKind::CEUser:
        CEUserList.clear();
        ceUserSortFlags = {};
        break;
    case RecordKind::ClassTable:
        break;
    }
}

void RecordLists::ResetAllLists() {
    for (RecordKind kind : kAllRecordKinds)
        ResetList(kind);
}

bool RecordLists::AnyRecords() const {
    return !AddrList.empty() || !ScheList.empty() || !ToDoList.empty() || !ECUserList.empty() ||
           !CEUserList.empty();
}

} // namespace zyntra
