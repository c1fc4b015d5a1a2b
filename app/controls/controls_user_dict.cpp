#include "app/controls/layout_helpers.h"
#include "app/controls/main_window_areas.h"
#include "personal/record_limits.h"

namespace zyntra::layout {
namespace {

// The two dictionary buttons form one group: exactly one of them is down.
constexpr int kDictionaryGroup = 1;

void CreateDictionarySwitch(ControlSet& controls, CoolBar& bar) {
    for (const char* name : {"sbUserECDict", "sbUserCEDict"}) {
        AddPlaced<SpeedButton>(controls, name, bar).SetGroupIndex(kDictionaryGroup);
    }
    auto& english = controls.Get<SpeedButton>("sbUserECDict");
    english.SetHint("RC_SB_USER_EC_DICT_HINT");
    english.SetDown(true);
    controls.Get<SpeedButton>("sbUserCEDict").SetHint("RC_SB_USER_CE_DICT_HINT");
}

void CreateEntryFields(ControlSet& controls, TabSheet& page) {
    AddLabel(controls, "lblUserHeadword", page).SetHint("RC_LBL_USER_HEADWORD_HINT");
    AddEdit(controls, "edtUserHeadword", page, kHeadwordLength, "RC_LBL_USER_HEADWORD_HINT");
    AddLabel(controls, "lblUserPartOfSpeech", page).SetHint("RC_LBL_USER_PART_OF_SPEECH_HINT");
    AddEdit(controls, "edtUserPartOfSpeech", page, kPartOfSpeechLength,
            "RC_LBL_USER_PART_OF_SPEECH_HINT");
    AddLabel(controls, "lblUserContent", page).SetHint("RC_LBL_USER_CONTENT_HINT");
    AddMemo(controls, "reUserContent", page, kExplanationLength, "RC_LBL_USER_CONTENT_HINT");
}

} // namespace

void CreateUserDictControls(ControlSet& controls, TabSheet& page) {
    auto& bar = AddEditorBar(controls, "clbUserBar", page,
                             {{"tbUserNew", "RC_TB_NEW_HINT", 0},
                              {"tbUserSave", "RC_TB_SAVE_HINT", 1},
                              {"tbUserDelete", "RC_TB_DELETE_HINT", 2},
                              {"tbUserSync", "RC_TB_SYNC_HINT", 3}});
    CreateDictionarySwitch(controls, bar);

    // Both lists take the same place; only the one of the chosen dictionary is shown.
    for (const char* name : {"lvECUserList", "lvCEUserList"}) {
        AddEditorList(controls, name, page, "RC_LV_USER_HINT", {0, 250, 150, 575, 0, 0, 0});
    }
    controls.Get<ListView>("lvCEUserList").SetVisible(false);
    CreateEntryFields(controls, page);
}

} // namespace zyntra::layout
