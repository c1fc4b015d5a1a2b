#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TPasswordDlg;
class TSelectIMEDlg;
class TSetTimeDlg;
class TSetTime24HDlg;
} // namespace Ui

class QComboBox;

namespace zyntra {

// The four modal dialogs of the window, laid out in their .ui files. Their texts are set by
// the services each time they open.

class TPasswordDlg : public QDialog {
public:
    explicit TPasswordDlg(QWidget* parent = nullptr);
    ~TPasswordDlg() override;
    Ui::TPasswordDlg& Form() { return *ui_; }

private:
    std::unique_ptr<Ui::TPasswordDlg> ui_;
};

class TSelectIMEDlg : public QDialog {
public:
    explicit TSelectIMEDlg(QWidget* parent = nullptr);
    ~TSelectIMEDlg() override;
    Ui::TSelectIMEDlg& Form() { return *ui_; }

private:
    std::unique_ptr<Ui::TSelectIMEDlg> ui_;
};

// Start and end of a class period on a 12-hour clock: hours "01".."12", minutes in steps of
// five, "AM" / "PM".
class TSetTimeDlg : public QDialog {
public:
    explicit TSetTimeDlg(QWidget* parent = nullptr);
    ~TSetTimeDlg() override;
    Ui::TSetTimeDlg& Form() { return *ui_; }

private:
    std::unique_ptr<Ui::TSetTimeDlg> ui_;
};

// Start and end of an appointment on a 24-hour clock: hours "00".."23", minutes in steps of
// five.
class TSetTime24HDlg : public QDialog {
public:
    explicit TSetTime24HDlg(QWidget* parent = nullptr);
    ~TSetTime24HDlg() override;
    Ui::TSetTime24HDlg& Form() { return *ui_; }

private:
    std::unique_ptr<Ui::TSetTime24HDlg> ui_;
};

// Centres a dialog, frame included, on the screen of the window it belongs to.
void CentreOnScreen(QWidget& dialog);

} // namespace zyntra
