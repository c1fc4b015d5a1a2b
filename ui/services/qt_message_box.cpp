#include "ui/services/qt_message_box.h"

#include "texts/lang_text.h"
#include "ui/text_codec.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace zyntra {
namespace {

// The language file's word for a standard button; Qt's own (translated) word until the file is
// open or where the file has none.
void SetButtonText(QMessageBox& box, QMessageBox::StandardButton which, const char* key,
                   const TextCodec& codec) {
    QAbstractButton* button = box.button(which);
    if (button == nullptr || !LanguageFileOpen()) {
        return;
    }
    const QString text = codec.ToQString(LangText(key));
    if (!text.isEmpty()) {
        button->setText(text);
    }
}

} // namespace

QtMessageBox::QtMessageBox(const TextCodec& codec, std::string title)
    : codec_(codec), title_(codec.ToQString(title)) {}

bool QtMessageBox::ShowBox(QWidget* owner, const QString& caption, const std::string& text,
                           bool withCancel, const std::string& details) {
    QMessageBox box(QMessageBox::NoIcon, caption, codec_.ToQString(text),
                    withCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok, owner);
    box.setObjectName(withCancel ? QStringLiteral("QuestionBox") : QStringLiteral("MessageBox"));
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(withCancel ? QMessageBox::Cancel : QMessageBox::Ok);
    SetButtonText(box, QMessageBox::Ok, "SM_OK", codec_);
    SetButtonText(box, QMessageBox::Cancel, "SM_CANCEL", codec_);
    // Qt adds the button that opens the details only when there are some.
    if (!details.empty())
        box.setDetailedText(codec_.ToQString(details));
    return box.exec() == QMessageBox::Ok;
}

void QtMessageBox::Show(const std::string& text) {
    ShowBox(owner_, title_, text, false);
}

void QtMessageBox::ShowCaptioned(const std::string& caption, const std::string& text) {
    ShowBox(nullptr, codec_.ToQString(caption), text, false);
}

void QtMessageBox::ShowWithDetails(const std::string& text, const std::string& details) {
    ShowBox(owner_, title_, text, false, details);
}

bool QtMessageBox::Ask(const std::string& text) {
    return ShowBox(owner_, title_, text, true);
}

bool QtMessageBox::AskCaptioned(const std::string& caption, const std::string& text) {
    return ShowBox(owner_, codec_.ToQString(caption), text, true);
}

} // namespace zyntra
