#include "ui/forms/main_window_widget.h"

#include "ui/peers/user_action.h"
#include "ui_address_book_page.h"
#include "ui_class_page.h"
#include "ui_content_page.h"
#include "ui_main_window.h"
#include "ui_schedule_page.h"
#include "ui_sync_page.h"
#include "ui_todo_page.h"
#include "ui_user_dict_page.h"

#include <QCloseEvent>

namespace zyntra {

struct MainWindowWidget::Forms {
    Ui::dfmMain frame;
    Ui::ContentPage content;
    Ui::AddressBookPage addressBook;
    Ui::SchedulePage schedule;
    Ui::ToDoPage toDo;
    Ui::ClassPage classTable;
    Ui::UserDictPage userDict;
    Ui::SyncPage sync;
};

MainWindowWidget::MainWindowWidget(QWidget* parent)
    : QMainWindow(parent), forms_(std::make_unique<Forms>()) {
    Forms& f = *forms_;
    f.frame.setupUi(this);
    f.content.setupUi(f.frame.tabFile);
    f.addressBook.setupUi(f.frame.tabAddressBook);
    f.schedule.setupUi(f.frame.tabSchedule);
    f.toDo.setupUi(f.frame.tabToDoList);
    f.classTable.setupUi(f.frame.tabClass);
    f.userDict.setupUi(f.frame.tabUserDict);
    f.sync.setupUi(f.frame.tabSyncSet);
}

MainWindowWidget::~MainWindowWidget() = default;

void MainWindowWidget::closeEvent(QCloseEvent* event) {
    bool allowed = true;
    if (canClose) {
        RunUserAction([&] { allowed = canClose(); });
    }
    if (!allowed) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
    if (closed) {
        RunUserAction([&] { closed(); });
    }
}

} // namespace zyntra
