#pragma once

#include "platform/file_operation.h"

#include <QString>
#include <string>
#include <vector>

class QWidget;

namespace zyntra {

class TextCodec;

// The boxes a file operation of the window asks and shows. Each is modal to its parent and
// carries the operation's title.
class FileQuestions {
public:
    FileQuestions(const TextCodec& codec, QString title)
        : codec_(codec), title_(std::move(title)) {}

    // Replace / Skip / Cancel, with "apply to all" turning the first two into their All forms.
    ClashAnswer AskClash(QWidget* parent, const std::string& target) const;
    bool ConfirmDelete(QWidget* parent, const std::vector<std::string>& paths) const;
    ErrorAnswer AskError(QWidget* parent, const FileOpError& error) const;
    void ShowRefusal(QWidget* parent, const FileOpError& error) const;

    // The question's text in the language, then the first names and "... and N more".
    QString DeleteText(const std::vector<std::string>& paths) const;

    QString Text(const char* key) const;

private:
    const TextCodec& codec_;
    QString title_;
};

// A path as the file system spells it, for showing.
QString PathText(const std::string& path);

} // namespace zyntra
