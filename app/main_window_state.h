#pragma once

#include "app/input_method_selection.h"
#include "app/main_window.h"
#include "personal/editors/editor_texts.h"

#include <array>
#include <string>

namespace zyntra {

// The window-level state that the shell keeps for the whole run.
struct TdfmMain::State {
    int osVersionCode = 0;

    InputMethodTable inputMethods;
    TextTables texts;

    // Read by the status line: which main page shows (0 content), the
    // content category and the count of the content list last pointed at,
    // and the record count of the current editor.
    int mainPage = 0;
    int currentCategory = 0;
    int shownFileCount = 0;
    int statusRecordCount = 0;
    bool iconsWritten = false;
};

} // namespace zyntra
