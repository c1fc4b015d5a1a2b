#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

namespace Ui {
class dfmMain;
class ContentPage;
class AddressBookPage;
class SchedulePage;
class ToDoPage;
class ClassPage;
class UserDictPage;
class SyncPage;
} // namespace Ui

namespace zyntra {

// The main window as its .ui files lay it out: the frame with its page controls, and one form
// per page filled into the page of the same name. Widgets carry the names of the controls.
class MainWindowWidget : public QMainWindow {
public:
    explicit MainWindowWidget(QWidget* parent = nullptr);
    ~MainWindowWidget() override;

    // Asked before the window closes; false keeps it open.
    std::function<bool()> canClose;
    // The window has closed.
    std::function<void()> closed;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct Forms;
    std::unique_ptr<Forms> forms_;
};

} // namespace zyntra
