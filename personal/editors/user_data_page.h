#pragma once

#include "personal/editors/editor_services.h"

#include <memory>

namespace zyntra {

class AddressBookPage;
class ClassTablePage;
class ControlSet;
class PageControl;
class SchedulePage;
class ToDoPage;
class UserDictPage;

// The user-data page: the five editor pages in pgcPIMPage (address book, schedule, to-do,
// class timetable, user dictionaries) and what they share.
class UserDataPage {
public:
    UserDataPage(const ControlSet& controls, EditorServices services);
    ~UserDataPage();
    UserDataPage(const UserDataPage&) = delete;
    UserDataPage& operator=(const UserDataPage&) = delete;

    // Attaches every editor's handlers. The active editor page refreshes itself when it starts
    // showing, so the user-data page's own showing only chooses the input method first (and
    // fills the timetable's grid, which that page's showing reads).
    void AttachHandlers();

    void tabUserDataShow();
    // The user switched to another editor page: a list page selects its last record.
    void pgcPIMPageChange();
    // The engine loaded the lists again: every list drops its old rows and selection.
    void ListsReloaded();

    AddressBookPage& AddressBook() { return *addressBook_; }
    SchedulePage& Schedule() { return *schedule_; }
    ToDoPage& ToDo() { return *toDo_; }
    ClassTablePage& ClassTable() { return *classTable_; }
    UserDictPage& UserDict() { return *userDict_; }

private:
    EditorServices services_;
    PageControl& pages_;
    std::unique_ptr<AddressBookPage> addressBook_;
    std::unique_ptr<SchedulePage> schedule_;
    std::unique_ptr<ToDoPage> toDo_;
    std::unique_ptr<ClassTablePage> classTable_;
    std::unique_ptr<UserDictPage> userDict_;
};

} // namespace zyntra
