#include "personal/editors/user_data_page.h"

#include "kit/controls.h"
#include "personal/editors/address_book_page.h"
#include "personal/editors/class_table_page.h"
#include "personal/editors/schedule_page.h"
#include "personal/editors/todo_page.h"
#include "personal/editors/user_dict_page.h"

namespace zyntra {
namespace {

enum EditorPage { kAddressBookPage = 0, kSchedulePage, kToDoPage, kClassPage, kUserDictPage };

} // namespace

UserDataPage::UserDataPage(const ControlSet& controls, EditorServices services)
    : services_(std::move(services)), pages_(controls.Get<PageControl>("pgcPIMPage")),
      addressBook_(std::make_unique<AddressBookPage>(controls, services_)),
      schedule_(std::make_unique<SchedulePage>(controls, services_)),
      toDo_(std::make_unique<ToDoPage>(controls, services_)),
      classTable_(std::make_unique<ClassTablePage>(controls, services_)),
      userDict_(std::make_unique<UserDictPage>(controls, services_)) {}

UserDataPage::~UserDataPage() = default;

void UserDataPage::AttachHandlers() {
    addressBook_->AttachHandlers();
    schedule_->AttachHandlers();
    toDo_->AttachHandlers();
    classTable_->AttachHandlers();
    userDict_->AttachHandlers();
}

void UserDataPage::tabUserDataShow() {
    if (services_.chooseInputMethod)
        services_.chooseInputMethod();
    if (pages_.ActivePageIndex() == kClassPage)
        classTable_->FillGrid();
}

void UserDataPage::pgcPIMPageChange() {
    switch (pages_.ActivePageIndex()) {
    case kAddressBookPage:
        addressBook_->SelectLastRow();
        break;
    case kSchedulePage:
        schedule_->SelectLastRow();
        break;
    case kToDoPage:
        toDo_->SelectLastRow();
        break;
    case kClassPage:
        classTable_->PageChanged();
        break;
    case kUserDictPage:
        userDict_->SelectLastRow();
        break;
    default:
        break;
    }
}

void UserDataPage::ListsReloaded() {
    addressBook_->ListReloaded();
    schedule_->ListReloaded();
    toDo_->ListReloaded();
    userDict_->ListsReloaded();
}

} // namespace zyntra
