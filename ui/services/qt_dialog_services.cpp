#include "ui/services/qt_dialog_services.h"

#include "ui/text_codec.h"
#include "ui_password_dialog.h"
#include "ui_select_ime_dialog.h"
#include "ui_set_time24h_dialog.h"
#include "ui_set_time_dialog.h"

#include <QRegularExpression>

namespace zyntra {
namespace {

template <class Dialog> Dialog& Made(QPointer<Dialog>& dialog, QWidget* owner) {
    if (dialog == nullptr) {
        dialog = new Dialog(owner);
    }
    return *dialog;
}

// The lists of a time ("cbStartHour", "cbStartMinute" ...) are read out under the label of
// their row.
void NameTimeLists(QDialog& dialog, const QString& prefix, const QString& name) {
    const QRegularExpression row(QLatin1Char('^') + prefix);
    for (QComboBox* list : dialog.findChildren<QComboBox*>(row)) {
        list->setAccessibleName(name);
    }
}

void SetTimeTexts(const TextCodec& codec, QDialog& dialog, const TimeDialogTexts& texts,
                  QLabel& start, QLabel& end, QPushButton& ok, QPushButton& cancel) {
    dialog.setWindowTitle(codec.ToQString(texts.caption));
    start.setText(codec.ToQString(texts.startLabel));
    end.setText(codec.ToQString(texts.endLabel));
    ok.setText(codec.ToQString(texts.okText));
    cancel.setText(codec.ToQString(texts.cancelText));
    NameTimeLists(dialog, QStringLiteral("cbStart"), start.text());
    NameTimeLists(dialog, QStringLiteral("cbEnd"), end.text());
}

} // namespace

QtDialogServices::QtDialogServices(const TextCodec& codec) : codec_(codec) {}

QtDialogServices::~QtDialogServices() {
    delete password_;
    delete selectIme_;
    delete setTime_;
    delete setTime24h_;
}

void QtDialogServices::Create(QWidget* owner) {
    owner_ = owner;
    Password();
    SelectIme();
    SetTime();
    SetTime24H();
}

TPasswordDlg& QtDialogServices::Password() {
    return Made(password_, owner_);
}
TSelectIMEDlg& QtDialogServices::SelectIme() {
    return Made(selectIme_, owner_);
}
TSetTimeDlg& QtDialogServices::SetTime() {
    return Made(setTime_, owner_);
}
TSetTime24HDlg& QtDialogServices::SetTime24H() {
    return Made(setTime24h_, owner_);
}

bool QtDialogServices::Exec(QDialog& dialog) {
    CentreOnScreen(dialog);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<std::string> QtDialogServices::Run(const DialogTexts& texts) {
    TPasswordDlg& dialog = Password();
    Ui::TPasswordDlg& form = dialog.Form();
    dialog.setWindowTitle(codec_.ToQString(texts.caption));
    form.lblPrompt->setText(codec_.ToQString(texts.prompt));
    form.edtPassword->setAccessibleName(form.lblPrompt->text());
    form.btnOK->setText(codec_.ToQString(texts.okText));
    form.btnCancel->setText(codec_.ToQString(texts.cancelText));
    form.edtPassword->clear();
    form.edtPassword->setFocus();
    if (!Exec(dialog)) {
        return std::nullopt;
    }
    return codec_.FromQString(form.edtPassword->text());
}

std::optional<int> QtDialogServices::Run(const DialogTexts& texts,
                                         const std::vector<std::string>& names, int selected) {
    TSelectIMEDlg& dialog = SelectIme();
    Ui::TSelectIMEDlg& form = dialog.Form();
    dialog.setWindowTitle(codec_.ToQString(texts.caption));
    form.lblPrompt->setText(codec_.ToQString(texts.prompt));
    form.lbInputMethods->setAccessibleName(form.lblPrompt->text());
    form.btnOK->setText(codec_.ToQString(texts.okText));
    form.btnCancel->setText(codec_.ToQString(texts.cancelText));
    form.lbInputMethods->clear();
    for (const std::string& name : names) {
        form.lbInputMethods->addItem(codec_.ToQString(name));
    }
    const bool inside = selected >= 0 && selected < static_cast<int>(names.size());
    form.lbInputMethods->setCurrentRow(inside ? selected : -1);
    if (!inside) {
        form.lbInputMethods->clearSelection();
    }
    if (!Exec(dialog)) {
        return std::nullopt;
    }
    const QList<QListWidgetItem*> chosen = form.lbInputMethods->selectedItems();
    return chosen.isEmpty() ? -1 : form.lbInputMethods->row(chosen.front());
}

std::optional<TimeRange> QtDialogServices::Run(const TimeDialogTexts& texts,
                                               const TimeRange& working) {
    TSetTime24HDlg& dialog = SetTime24H();
    Ui::TSetTime24HDlg& form = dialog.Form();
    SetTimeTexts(codec_, dialog, texts, *form.lblStart, *form.lblEnd, *form.btnOK, *form.btnCancel);
    const TimeRangeItems items = ItemsForTimeRange(working);
    form.cbStartHour->setCurrentIndex(items.startHour);
    form.cbStartMinute->setCurrentIndex(items.startMinute);
    form.cbEndHour->setCurrentIndex(items.endHour);
    form.cbEndMinute->setCurrentIndex(items.endMinute);
    if (!Exec(dialog)) {
        return std::nullopt;
    }
    return TimeRangeFromItems({form.cbStartHour->currentIndex(), form.cbStartMinute->currentIndex(),
                               form.cbEndHour->currentIndex(), form.cbEndMinute->currentIndex()});
}

std::optional<ClockTimeRange> QtDialogServices::Run(const TimeDialogTexts& texts,
                                                    const ClockTimeRange& working) {
    TSetTimeDlg& dialog = SetTime();
    Ui::TSetTimeDlg& form = dialog.Form();
    SetTimeTexts(codec_, dialog, texts, *form.lblStart, *form.lblEnd, *form.btnOK, *form.btnCancel);
    const ClockTimeItems items = ItemsForClockTimes(working);
    form.cbStartHour->setCurrentIndex(items.startHour);
    form.cbStartMinute->setCurrentIndex(items.startMinute);
    form.cbStartHalf->setCurrentIndex(items.startHalf);
    form.cbEndHour->setCurrentIndex(items.endHour);
    form.cbEndMinute->setCurrentIndex(items.endMinute);
    form.cbEndHalf->setCurrentIndex(items.endHalf);
    if (!Exec(dialog)) {
        return std::nullopt;
    }
    return ClockTimesFromItems({form.cbStartHour->currentIndex(),
                                form.cbStartMinute->currentIndex(),
                                form.cbStartHalf->currentIndex(), form.cbEndHour->currentIndex(),
                                form.cbEndMinute->currentIndex(), form.cbEndHalf->currentIndex()});
}

} // namespace zyntra
