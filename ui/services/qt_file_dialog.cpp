#include "ui/services/qt_file_dialog.h"

#include "ui/text_codec.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace zyntra {
namespace {

QString NameFilter(const TextCodec& codec, const FileFilter& filter) {
    QStringList patterns;
    for (const std::string& extension : filter.extensions)
        patterns << QStringLiteral("*.") + QString::fromStdString(extension);
    return codec.ToQString(filter.label) + QStringLiteral(" (") + patterns.join(u' ') +
           QStringLiteral(")");
}

QString FirstExtension(const std::vector<FileFilter>& filters, qsizetype index) {
    if (index < 0 || static_cast<std::size_t>(index) >= filters.size() ||
        filters[static_cast<std::size_t>(index)].extensions.empty())
        return {};
    return QString::fromStdString(filters[static_cast<std::size_t>(index)].extensions.front());
}

} // namespace

std::optional<FileChoice> QtFileDialog::ChooseFileToOpen(const std::string& caption,
                                                         const std::vector<FileFilter>& filters) {
    return Choose(caption, filters, false, {});
}

std::optional<FileChoice> QtFileDialog::ChooseFileToSave(const std::string& caption,
                                                         const std::vector<FileFilter>& filters,
                                                         const std::string& suggestedName) {
    return Choose(caption, filters, true, suggestedName);
}

std::optional<FileChoice> QtFileDialog::Choose(const std::string& caption,
                                               const std::vector<FileFilter>& filters, bool toSave,
                                               const std::string& suggestedName) {
    QFileDialog dialog(owner_, codec_.ToQString(caption));
    dialog.setObjectName(toSave ? QStringLiteral("SaveFileDialog")
                                : QStringLiteral("OpenFileDialog"));
    dialog.setAcceptMode(toSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(toSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QStringList names;
    for (const FileFilter& filter : filters)
        names << NameFilter(codec_, filter);
    dialog.setNameFilters(names);
    // The program's folder is no place for the user's files: start at home, then where the
    // last file was chosen.
    dialog.setDirectory(folder_.isEmpty() ? QDir::homePath() : folder_);
    if (toSave) {
        // Qt adds the suffix before it asks whether to replace a file, so it asks about the
        // file that will be written.
        dialog.setDefaultSuffix(FirstExtension(filters, 0));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog, &names, &filters](const QString& name) {
                             dialog.setDefaultSuffix(FirstExtension(filters, names.indexOf(name)));
                         });
        if (!suggestedName.empty())
            dialog.selectFile(QFile::decodeName(suggestedName.c_str()));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const qsizetype chosen = names.indexOf(dialog.selectedNameFilter());
    FileChoice choice;
    choice.filter = chosen < 0 ? 0 : static_cast<std::size_t>(chosen);
    const QString path = dialog.selectedFiles().front();
    folder_ = QFileInfo(path).absolutePath();
    choice.path = QFile::encodeName(path).toStdString();
    return choice;
}

} // namespace zyntra
