#pragma once

#include "kit/file_dialog.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace zyntra {

class TextCodec;

// Qt's file dialog, owned by the main window: the type list shows each filter as
// "label (*.ext ...)", and a name to save typed without an extension gets the chosen type's
// first one.
class QtFileDialog : public FileDialog {
public:
    explicit QtFileDialog(const TextCodec& codec) : codec_(codec) {}

    void SetOwner(QWidget* owner) { owner_ = owner; }

    std::optional<FileChoice> ChooseFileToOpen(const std::string& caption,
                                               const std::vector<FileFilter>& filters) override;
    std::optional<FileChoice> ChooseFileToSave(const std::string& caption,
                                               const std::vector<FileFilter>& filters,
                                               const std::string& suggestedName) override;

private:
    std::optional<FileChoice> Choose(const std::string& caption,
                                     const std::vector<FileFilter>& filters, bool toSave,
                                     const std::string& suggestedName);

    const TextCodec& codec_;
    QPointer<QWidget> owner_;
    QString folder_; // where the last file was chosen
};

} // namespace zyntra
