#include "app/controls/main_window_areas.h"

#include <initializer_list>

namespace zyntra::layout {
namespace {

// One entry of a context menu; an entry without hint is a separator.
struct MenuEntry {
    const char* name;
    const char* hint;
    const char* shortcut;
};

void CreateMenu(ControlSet& controls, const char* name, Form& form,
                std::initializer_list<MenuEntry> entries) {
    auto& menu = controls.Add<PopupMenu>(name, &form);
    for (const MenuEntry& entry : entries) {
        auto& item = controls.Add<MenuItem>(entry.name, &menu);
        item.SetSeparator(entry.hint == nullptr);
        item.SetHint(entry.hint == nullptr ? "" : entry.hint);
        item.SetShortcutText(entry.shortcut);
    }
}

} // namespace

void CreateContentMenus(ControlSet& controls, Form& form) {
    CreateMenu(controls, "pmCompMenu", form,
               {
                   {"CompUp", "RC_BTN_UP_HINT", ""},
                   {"CompRefresh", "RC_BTN_REFRESH_HINT", "F5"},
                   {"CompView", "RC_BTN_VIEW_HINT", ""},
                   {"CompSeparator1", nullptr, ""},
                   {"CompCut", "RC_BTN_CUT_HINT", "Ctrl+X"},
                   // This entry's hint is the caption key itself, not its _HINT key.
                   {"CompCopy", "RC_BTN_COPY", "Ctrl+C"},
                   {"CompPaste", "RC_BTN_PASTE1_HINT", "Ctrl+V"},
                   // Delete acts through the list's own Delete key, not a menu shortcut.
                   {"CompDelete", "RC_BTN_DELETE_HINT", ""},
                   {"CompSeparator2", nullptr, ""},
                   {"CompDownload", "RC_BTN_DOWNLOAD_HINT", "Ctrl+O"},
               });
    CreateMenu(controls, "pmDictMenu", form,
               {
                   {"DictRefresh", "RC_BTN_REFRESH_HINT", "F5"},
                   {"DictView", "RC_BTN_VIEW_HINT", ""},
                   {"DictSeparator1", nullptr, ""},
                   {"DictCut", "RC_BTN_CUT_HINT", "Ctrl+X"},
                   {"DictCopy", "RC_BTN_COPY_HINT", "Ctrl+C"},
                   {"DictPaste", "RC_BTN_PASTE2_HINT", "Ctrl+V"},
                   {"DictDelete", "RC_BTN_DELETE_HINT", ""},
                   {"DictSeparator2", nullptr, ""},
                   {"DictUpload", "RC_BTN_UPLOAD_HINT", "Ctrl+U"},
               });
}

} // namespace zyntra::layout
