#pragma once

#include "kit/clock.h"
#include "kit/ui_services.h"
#include "ui/services/qt_cursor.h"
#include "ui/services/qt_dialog_services.h"
#include "ui/services/qt_file_dialog.h"
#include "ui/services/qt_message_box.h"

#include <string>

namespace zyntra {

class TextCodec;

// Every user-interface service of the window, owned together.
struct QtUiServices {
    QtUiServices(const TextCodec& codec, std::string applicationTitle)
        : messages(codec, std::move(applicationTitle)), dialogs(codec), files(codec) {}

    UiServices Services() {
        return {messages, messages, waitCursor, pendingEvents, dialogs,
                dialogs,  dialogs,  dialogs,    files,         clock};
    }

    // The main window owns the boxes and the dialogs from now on; the dialogs are made here.
    void CreateDialogs(QWidget* owner) {
        messages.SetOwner(owner);
        dialogs.Create(owner);
        files.SetOwner(owner);
    }

    QtMessageBox messages;
    QtWaitCursor waitCursor;
    QtPendingEvents pendingEvents;
    QtDialogServices dialogs;
    QtFileDialog files;
    SystemClock clock;
};

} // namespace zyntra
