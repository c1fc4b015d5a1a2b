#include "personal/personal_records.h"

namespace zyntra {

void RecordLists::ResetList(int kind) {
    switch (kind) {
    case kAddrListKind:
        AddrList.clear();
        addrSortFlags = {};
        break;
    case kScheListKind:
        ScheList.clear();
        scheSortFlags = {};
        break;
    case kToDoListKind:
        ToDoList.clear();
        toDoSortFlags = {};
        break;
    case kECUserListKind:
        ECUserList.clear();
        ecUserSortFlags = {};
        break;
    case kCEUserListKind:
        CEUserList.clear();
        ceUserSortFlags = {};
        break;
    default:
        break;
    }
}

void RecordLists::ResetAllLists() {
    for (int kind = kAddrListKind; kind <= kCEUserListKind; ++kind)
        ResetList(kind);
}

bool RecordLists::AnyRecords() const {
    return !AddrList.empty() || !ScheList.empty() || !ToDoList.empty() || !ECUserList.empty() ||
           !CEUserList.empty();
}

} // namespace zyntra
