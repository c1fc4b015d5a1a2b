#include "ui/services/qt_file_questions.h"

#include "texts/lang_text.h"
#include "ui/text_codec.h"

#include <QCheckBox>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>

namespace zyntra {
namespace {

// A longer list would push the buttons off the screen.
constexpr std::size_t kListedFiles = 12;

QString ErrorText(const QString& lead, const FileOpError& error) {
    return lead + QStringLiteral("\n\n") + PathText(error.path) + QLatin1Char('\n') +
           QString::fromLocal8Bit(error.message);
}

} // namespace

QString PathText(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

QString FileQuestions::Text(const char* key) const {
    return codec_.ToQString(LangText(key));
}

ClashAnswer FileQuestions::AskClash(QWidget* parent, const std::string& target) const {
    QMessageBox box(QMessageBox::Question, title_,
                    Text("SM_FileOpClash") + QStringLiteral("\n\n") + PathText(target),
                    QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("FileClashBox"));
    QPushButton* replace = box.addButton(Text("SM_FileOpReplace"), QMessageBox::YesRole);
    replace->setObjectName(QStringLiteral("Replace"));
    QPushButton* skip = box.addButton(Text("SM_FileOpSkip"), QMessageBox::NoRole);
    skip->setObjectName(QStringLiteral("Skip"));
    box.setDefaultButton(replace);
    box.setEscapeButton(QMessageBox::Cancel);
    auto* forAll = new QCheckBox(Text("SM_FileOpApplyAll"));
    box.setCheckBox(forAll);
    box.exec();
    const bool all = forAll->isChecked();
    if (box.clickedButton() == replace)
        return all ? ClashAnswer::ReplaceAll : ClashAnswer::Replace;
    if (box.clickedButton() == skip)
        return all ? ClashAnswer::SkipAll : ClashAnswer::Skip;
    return ClashAnswer::Cancel;
}

QString FileQuestions::DeleteText(const std::vector<std::string>& paths) const {
    QString text = Text("SM_FileOpDeleteAsk") + QLatin1Char('\n');
    for (std::size_t i = 0; i < paths.size() && i < kListedFiles; ++i)
        text += QLatin1Char('\n') + PathText(paths[i]);
    if (paths.size() > kListedFiles) {
        const auto more = static_cast<long long>(paths.size() - kListedFiles);
        text += QLatin1Char('\n') + codec_.ToQString(FormatCount(LangText("SM_FileOpMore"), more));
    }
    return text;
}

bool FileQuestions::ConfirmDelete(QWidget* parent, const std::vector<std::string>& paths) const {
    QMessageBox box(QMessageBox::Warning, title_, DeleteText(paths),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("FileDeleteBox"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

ErrorAnswer FileQuestions::AskError(QWidget* parent, const FileOpError& error) const {
    QMessageBox box(QMessageBox::Warning, title_, ErrorText(Text("SM_FileOpError"), error),
                    QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("FileErrorBox"));
    QPushButton* skip = box.addButton(Text("SM_FileOpSkip"), QMessageBox::AcceptRole);
    skip->setObjectName(QStringLiteral("Skip"));
    box.setDefaultButton(skip);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == skip ? ErrorAnswer::Skip : ErrorAnswer::Cancel;
}

void FileQuestions::ShowRefusal(QWidget* parent, const FileOpError& error) const {
    QMessageBox box(QMessageBox::Warning, title_, ErrorText(Text("SM_FileOpRefused"), error),
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("FileRefusalBox"));
    box.exec();
}

} // namespace zyntra
