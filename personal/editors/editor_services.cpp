#include "personal/editors/editor_services.h"

#include "device/device_link.h"
#include "personal/editors/list_editor.h"
#include "texts/lang_text.h"

namespace zyntra {

bool ProtectedRecordsHidden(const DeviceLink& devices) {
    return devices.CurrentDevice().Locked() && !devices.UnlockedView();
}

TimeDialogTexts SetTimeDialogTexts() {
    return {kEditorDialogCaption, LangText("SM_SET_STIME"), LangText("SM_SET_ETIME"),
            LangText("SM_OK"), LangText("SM_CANCEL")};
}

void ShowEditorMessage(const EditorServices& services, const char* key) {
    services.ui.messages.Show(LangText(key));
}

} // namespace zyntra
