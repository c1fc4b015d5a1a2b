#pragma once

#include "platform/file_operation.h"

#include <QPointer>
#include <QWidget>
#include <chrono>
#include <string>

namespace zyntra {

class TextCodec;

// The window's file operation: the engine's work with a progress dialog (shown only when the
// work lasts longer than a moment, and kept up until the data is on the medium) and the
// clash, delete and error questions as boxes over the main window.
class QtFileOperation : public FileOperation {
public:
    // The title is the boxes' when a request brings none.
    QtFileOperation(const TextCodec& codec, std::string title);

    void SetOwner(QWidget* owner) { owner_ = owner; }
    // Work shorter than this shows no progress at all.
    void SetMoment(std::chrono::milliseconds moment) { moment_ = moment; }

    FileOpResult Run(const FileOpRequest& request) override;

private:
    const TextCodec& codec_;
    std::string title_;
    QPointer<QWidget> owner_;
    std::chrono::milliseconds moment_{500};
};

} // namespace zyntra
