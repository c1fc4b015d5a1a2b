#pragma once

#include "kit/ui_services.h"
#include "personal/editors/editor_texts.h"
#include "personal/personal_records.h"

#include <functional>
#include <string>

namespace zyntra {

class DeviceLink;
class EditField;

// What every editor page reaches besides its own controls. The window owns all of it and
// outlives the pages.
struct EditorServices {
    UiServices ui;
    RecordLists& lists;
    DeviceLink& devices;
    const TextTables& texts;
    // The status line's record count: the number of records of the editor page last shown.
    std::function<void(int)> setRecordCount;
    // True while the window is being destroyed: the pages then leave their date and time
    // fields alone.
    std::function<bool()> closing;
    // The charset the records' texts are in ("BIG5", "GB2312", ...).
    std::function<std::string()> interfaceCharset;
    // Lets the user choose the editors' input method when none has been chosen yet.
    std::function<void()> chooseInputMethod;
    // Gives a text field the input method the user chose for the editors.
    std::function<void(EditField&)> attachInputMethod;
    // Pixels a list scrolls down to bring its end into view: the window's client height.
    std::function<int()> pageScroll;
};

// The caption of the editors' dialogs and questions: the main window's.
inline constexpr const char kEditorDialogCaption[] = "Zyntra";

// The texts of the two set-time dialogs (the schedule's and the timetable's).
TimeDialogTexts SetTimeDialogTexts();

// Whether the current device is password-locked and the protected records are not shown:
// the address book then masks its locked records, the schedule and to-do pages every record.
bool ProtectedRecordsHidden(const DeviceLink& devices);

} // namespace zyntra
