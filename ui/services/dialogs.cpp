#include "ui/services/dialogs.h"

#include "ui_password_dialog.h"
#include "ui_select_ime_dialog.h"
#include "ui_set_time24h_dialog.h"
#include "ui_set_time_dialog.h"

#include <QGuiApplication>
#include <QScreen>

namespace zyntra {
namespace {

// Two-digit items from first to last in steps.
void FillNumbers(QComboBox& combo, int first, int last, int step) {
    for (int value = first; value <= last; value += step) {
        combo.addItem(QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')));
    }
}

// What the window system's frame adds to the dialog's size: its own frame once it has been
// shown, before that the frame of the window it belongs to, which the same window manager draws.
QSize FrameExtra(const QWidget& dialog) {
    QSize extra = dialog.frameGeometry().size() - dialog.size();
    if (extra == QSize(0, 0) && dialog.parentWidget() != nullptr) {
        const QWidget* owner = dialog.parentWidget()->window();
        extra = owner->frameGeometry().size() - owner->size();
    }
    return extra.expandedTo(QSize(0, 0));
}

} // namespace

// move() places the frame, so the frame is what is centred.
void CentreOnScreen(QWidget& dialog) {
    const QScreen* screen = dialog.parentWidget() != nullptr ? dialog.parentWidget()->screen()
                                                             : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    const QSize outer = dialog.size() + FrameExtra(dialog);
    dialog.move(area.x() + (area.width() - outer.width()) / 2,
                area.y() + (area.height() - outer.height()) / 2);
}

TPasswordDlg::TPasswordDlg(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TPasswordDlg>()) {
    ui_->setupUi(this);
    setFixedSize(size());
}

TPasswordDlg::~TPasswordDlg() = default;

TSelectIMEDlg::TSelectIMEDlg(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TSelectIMEDlg>()) {
    ui_->setupUi(this);
    setFixedSize(size());
}

TSelectIMEDlg::~TSelectIMEDlg() = default;

TSetTimeDlg::TSetTimeDlg(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TSetTimeDlg>()) {
    ui_->setupUi(this);
    setFixedSize(size());
    for (QComboBox* hour : {ui_->cbStartHour, ui_->cbEndHour}) {
        FillNumbers(*hour, 1, 12, 1);
    }
    for (QComboBox* minute : {ui_->cbStartMinute, ui_->cbEndMinute}) {
        FillNumbers(*minute, 0, 55, 5);
    }
    for (QComboBox* half : {ui_->cbStartHalf, ui_->cbEndHalf}) {
        half->addItems({QStringLiteral("AM"), QStringLiteral("PM")});
    }
}

TSetTimeDlg::~TSetTimeDlg() = default;

TSetTime24HDlg::TSetTime24HDlg(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TSetTime24HDlg>()) {
    ui_->setupUi(this);
    setFixedSize(size());
    for (QComboBox* hour : {ui_->cbStartHour, ui_->cbEndHour}) {
        FillNumbers(*hour, 0, 23, 1);
    }
    for (QComboBox* minute : {ui_->cbStartMinute, ui_->cbEndMinute}) {
        FillNumbers(*minute, 0, 55, 5);
    }
}

TSetTime24HDlg::~TSetTime24HDlg() = default;

} // namespace zyntra
