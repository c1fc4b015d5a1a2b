#include "app/controls/layout_helpers.h"
#include "app/controls/main_window_areas.h"

namespace zyntra::layout {
namespace {

constexpr int kListHeight = 400;
constexpr int kRowHeight = 22;
constexpr int kLabelWidth = 110;
constexpr int kSwitchLeft = 600;
constexpr int kSwitchWidth = 100;
// The two dictionary buttons form one group: exactly one of them is down.
constexpr int kDictionaryGroup = 1;

void CreateDictionarySwitch(ControlSet& controls, CoolBar& bar) {
    RowPlacer row(kSwitchLeft, 2, kBarHeight - 4);
    for (const char* name : {"sbUserECDict", "sbUserCEDict"}) {
        auto& button = controls.Add<SpeedButton>(name, &bar);
        button.SetBounds(row.Next(kSwitchWidth));
        button.SetGroupIndex(kDictionaryGroup);
    }
    auto& english = controls.Get<SpeedButton>("sbUserECDict");
    english.SetHint("RC_SB_USER_EC_DICT_HINT");
    english.SetDown(true);
    controls.Get<SpeedButton>("sbUserCEDict").SetHint("RC_SB_USER_CE_DICT_HINT");
}

void CreateEntryFields(ControlSet& controls, TabSheet& page, int top) {
    RowPlacer row(8, top, kRowHeight);
    AddLabel(controls, "lblUserHeadword", page, row.Next(kLabelWidth))
        .SetHint("RC_LBL_USER_HEADWORD_HINT");
    AddEdit(controls, "edtUserHeadword", page, row.Next(300), 100, "RC_LBL_USER_HEADWORD_HINT");
    AddLabel(controls, "lblUserPartOfSpeech", page, row.Next(kLabelWidth))
        .SetHint("RC_LBL_USER_PART_OF_SPEECH_HINT");
    AddEdit(controls, "edtUserPartOfSpeech", page, row.Next(300), 70,
            "RC_LBL_USER_PART_OF_SPEECH_HINT");

    const int contentTop = top + 32;
    AddLabel(controls, "lblUserContent", page, {8, contentTop, kLabelWidth, kRowHeight})
        .SetHint("RC_LBL_USER_CONTENT_HINT");
    AddMemo(controls, "reUserContent", page, {8 + kLabelWidth, contentTop, 710, 150}, 1000,
            "RC_LBL_USER_CONTENT_HINT");
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
    const Bounds listBounds{0, kBarHeight, page.Width(), kListHeight};
    for (const char* name : {"lvECUserList", "lvCEUserList"}) {
        AddEditorList(controls, name, page, listBounds, "RC_LV_USER_HINT",
                      {0, 250, 150, 575, 0, 0, 0});
    }
    controls.Get<ListView>("lvCEUserList").SetVisible(false);
    CreateEntryFields(controls, page, kBarHeight + kListHeight + 10);
}

} // namespace zyntra::layout
