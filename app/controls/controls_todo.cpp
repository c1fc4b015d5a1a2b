#include "app/controls/layout_helpers.h"
#include "app/controls/main_window_areas.h"
#include "personal/record_limits.h"

#include <array>
#include <cstddef>

namespace zyntra::layout {
namespace {

constexpr int kScrollBarAllowance = 24;

struct Choice {
    const char* name;
    const char* hint;
    // What the button shows until the language texts are applied.
    const char* caption;
};

constexpr std::array<Choice, kToDoTypeCount> kTypes{{
    {"rbToDoType1", "RC_RB_TODO_TYPE1_HINT", "Business"},
    {"rbToDoType2", "RC_RB_TODO_TYPE2_HINT", "Personal"},
    {"rbToDoType3", "RC_RB_TODO_TYPE3_HINT", "Others"},
}};

constexpr std::array<Choice, kToDoPriorityCount> kPriorities{{
    {"rbToDoPriority1", "RC_RB_TODO_PRIORITY1_HINT", "None"},
    {"rbToDoPriority2", "RC_RB_TODO_PRIORITY2_HINT", "High"},
    {"rbToDoPriority3", "RC_RB_TODO_PRIORITY3_HINT", "Medium"},
    {"rbToDoPriority4", "RC_RB_TODO_PRIORITY4_HINT", "Low"},
}};

// A labelled group of choices; its first choice is checked, as when the window opens.
template <std::size_t N>
void CreateChoiceGroup(ControlSet& controls, TabSheet& page, const char* label, const char* group,
                       const std::array<Choice, N>& choices) {
    AddLabel(controls, label, page);
    auto& box = AddPlaced<RadioGroup>(controls, group, page);
    for (const Choice& choice : choices) {
        auto& button = AddPlaced<RadioButton>(controls, choice.name, box);
        button.SetHint(choice.hint);
        button.SetCaption(choice.caption);
    }
    controls.Get<RadioButton>(choices.front().name).SetChecked(true);
}

void CreateDateRow(ControlSet& controls, TabSheet& page) {
    AddLabel(controls, "lblToDoDate", page);
    AddPlaced<DatePicker>(controls, "dtpToDoDate", page).SetHint("RC_DTP_DATE_HINT");
    AddLabel(controls, "lblToDoStatus", page);
    AddCheckBox(controls, "cbToDoStatus", page, "RC_CB_STATUS_HINT");
    // Never shown: it only carries the lock flag of the selected task.
    AddCheckBox(controls, "cbToDoLock", page, "RC_CB_LOCK_HINT").SetVisible(false);
}

} // namespace

void CreateToDoControls(ControlSet& controls, TabSheet& page) {
    AddEditorBar(controls, "clbToDoBar", page,
                 {{"tbToDoNew", "RC_TB_NEW_HINT", 0},
                  {"tbToDoSave", "RC_TB_SAVE_HINT", 1},
                  {"tbToDoDelete", "RC_TB_DELETE_HINT", 2},
                  {"tbToDoSync", "RC_TB_SYNC_HINT", 3},
                  {"tbToDoSeparator", "", -1, true},
                  {"tbToDoAuthority", "RC_TB_AUTHORITY_HINT", 4}});
    AddEditorList(controls, "lvToDoList", page, "RC_LV_TODO_HINT",
                  {0, 120, page.Width() - 120 - kScrollBarAllowance});
    CreateDateRow(controls, page);
    CreateChoiceGroup(controls, page, "lblToDoType", "rgToDoType", kTypes);
    CreateChoiceGroup(controls, page, "lblToDoPriority", "rgToDoPriority", kPriorities);
    AddLabel(controls, "lblToDoContent", page);
    AddMemo(controls, "reToDoContent", page, kContentLength, "RC_RE_TODO_CONTENT_HINT");
}

} // namespace zyntra::layout
