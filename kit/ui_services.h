#pragma once

#include "kit/class_time_dialog.h"
#include "kit/clock.h"
#include "kit/file_dialog.h"
#include "kit/input_method_dialog.h"
#include "kit/message_box.h"
#include "kit/password_dialog.h"
#include "kit/pending_events.h"
#include "kit/question.h"
#include "kit/time_range_dialog.h"
#include "kit/wait_cursor.h"

namespace zyntra {

// Every user-interface service the core needs, for the composition root to hand out.
struct UiServices {
    MessageBox& messages;
    Question& question;
    WaitCursor& waitCursor;
    PendingEvents& pendingEvents;
    PasswordDialog& passwordDialog;
    InputMethodDialog& inputMethodDialog;
    TimeRangeDialog& timeRangeDialog;
    ClassTimeDialog& classTimeDialog;
    FileDialog& fileDialog;
    Clock& clock;
};

} // namespace zyntra
