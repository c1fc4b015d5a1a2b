#include "kit/ui_services.h"

namespace zyntra {

UiServices HeadlessUiServices::Services() {
    return {messages,          question,        waitCursor,      pendingEvents, passwordDialog,
            inputMethodDialog, timeRangeDialog, classTimeDialog, clock};
}

} // namespace zyntra
