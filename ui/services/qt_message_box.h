#pragma once

#include "kit/message_box.h"
#include "kit/question.h"

#include <QPointer>
#include <QWidget>
#include <string>

namespace zyntra {

class TextCodec;

// Plain modal boxes: one with OK, the question with OK and Cancel. Without a caption of their
// own they carry the application title.
class QtMessageBox : public MessageBox, public Question {
public:
    QtMessageBox(const TextCodec& codec, std::string title);

    void SetOwner(QWidget* owner) { owner_ = owner; }

    void Show(const std::string& text) override;
    void ShowCaptioned(const std::string& caption, const std::string& text) override;
    void ShowWithDetails(const std::string& text, const std::string& details) override;
    bool Ask(const std::string& text) override;
    bool AskCaptioned(const std::string& caption, const std::string& text) override;

private:
    bool ShowBox(QWidget* owner, const QString& caption, const std::string& text, bool withCancel,
                 const std::string& details = {});

    const TextCodec& codec_;
    QString title_;
    QPointer<QWidget> owner_;
};

} // namespace zyntra
