#pragma once

#include "kit/class_time_dialog.h"
#include "kit/input_method_dialog.h"
#include "kit/password_dialog.h"
#include "kit/time_range_dialog.h"
#include "ui/services/dialogs.h"

#include <QPointer>

namespace zyntra {

class TextCodec;

// The four dialogs behind the kit's dialog services. Each dialog is made once (by Create, or
// when first needed) and shown modally, centred on the screen, with the texts of the call.
class QtDialogServices : public PasswordDialog,
                         public InputMethodDialog,
                         public TimeRangeDialog,
                         public ClassTimeDialog {
public:
    explicit QtDialogServices(const TextCodec& codec);
    ~QtDialogServices() override;

    void Create(QWidget* owner);

    std::optional<std::string> Run(const DialogTexts& texts) override;
    std::optional<int> Run(const DialogTexts& texts, const std::vector<std::string>& names,
                           int selected) override;
    std::optional<TimeRange> Run(const TimeDialogTexts& texts, const TimeRange& working) override;
    std::optional<ClockTimeRange> Run(const TimeDialogTexts& texts,
                                      const ClockTimeRange& working) override;

    TPasswordDlg& Password();
    TSelectIMEDlg& SelectIme();
    TSetTimeDlg& SetTime();
    TSetTime24HDlg& SetTime24H();

private:
    bool Exec(QDialog& dialog);

    const TextCodec& codec_;
    QPointer<QWidget> owner_;
    QPointer<TPasswordDlg> password_;
    QPointer<TSelectIMEDlg> selectIme_;
    QPointer<TSetTimeDlg> setTime_;
    QPointer<TSetTime24HDlg> setTime24h_;
};

} // namespace zyntra
