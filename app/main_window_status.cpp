#include "texts/lang_text.h"
#include "app/main_window.h"
#include "app/main_window_state.h"
#include "kit/controls.h"

namespace zyntra {
namespace {

constexpr const char* kCategoryKeys[] = {
    "SM_EbookFile", "SM_Mp3MusicFile", "SM_EAlbumFile",  "SM_DigitalContentsFile",
    "SM_FlashFile", "SM_WriterFile",   "SM_RecorderFile"};

const char* CategoryKey(int category) {
    return category >= 0 && category < 7 ? kCategoryKeys[category] : kCategoryKeys[0];
}

} // namespace

void TdfmMain::UpdateStatusLine() {
    State& s = *state_;
    std::string pageText;
    std::string countText;
    if (s.mainPage != 0) {
        if (controls_.Get<PageControl>("pgcDataSet").ActivePageIndex() == 1)
            s.statusRecordCount = 0;
        pageText = LangText("SM_Empty");
        if (s.statusRecordCount > 0)
            countText = FormatCount(LangText("SM_RecCount"), s.statusRecordCount);
    } else {
        pageText = LangText(CategoryKey(s.currentCategory));
        countText = FormatCount(LangText("SM_FileCount"), s.shownFileCount);
    }
    StatusBar& status = controls_.Get<StatusBar>(kStatusBarName);
    status.SetPanelText(0, LongHintPart(pageText));
    status.SetPanelText(1, currentHint_.empty() ? std::string()
                                                : LongHintPart(LangText(currentHint_)));
    status.SetPanelText(2, LongHintPart(countText));
    status.SetPanelText(3, "V1.0.3");
}

} // namespace zyntra
