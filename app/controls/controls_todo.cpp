#include "app/controls/layout_helpers.h"
#include "app/controls/main_window_areas.h"

#include <array>
#include <cstddef>

namespace zyntra::layout {
namespace {

constexpr int kListHeight = 370;
constexpr int kRowHeight = 22;
constexpr int kLabelWidth = 80;
constexpr int kFieldLeft = 8 + kLabelWidth;
constexpr int kScrollBarAllowance = 24;
constexpr int kChoiceWidth = 110;
constexpr int kChoicePitch = 116;
constexpr int kGroupHeight = 34;

struct Choice {
    const char* name;
    const char* hint;
    // What the button shows until the language texts are applied.
    const char* caption;
};

constexpr std::array<Choice, 3> kTypes{{
    {"rbToDoType1", "RC_RB_TODO_TYPE1_HINT", "Business"},
    {"rbToDoType2", "RC_RB_TODO_TYPE2_HINT", "Personal"},
    {"rbToDoType3", "RC_RB_TODO_TYPE3_HINT", "Others"},
}};

constexpr std::array<Choice, 4> kPriorities{{
    {"rbToDoPriority1", "RC_RB_TODO_PRIORITY1_HINT", "None"},
    {"rbToDoPriority2", "RC_RB_TODO_PRIORITY2_HINT", "High"},
    {"rbToDoPriority3", "RC_RB_TODO_PRIORITY3_HINT", "Medium"},
    {"rbToDoPriority4", "RC_RB_TODO_PRIORITY4_HINT", "Low"},
}};

// A labelled group of choices; its first choice is checked, as when the window opens.
template <std::size_t N>
void CreateChoiceGroup(ControlSet& controls, TabSheet& page, const char* label, const char* group,
                       const std::array<Choice, N>& choices, int top) {
    AddLabel(controls, label, page, {8, top + 6, kLabelWidth, kRowHeight});
    auto& box = controls.Add<RadioGroup>(group, &page);
    box.SetBounds({kFieldLeft, top, static_cast<int>(N) * kChoicePitch + 8, kGroupHeight});
    RowPlacer row(8, 8, 20);
    for (const Choice& choice : choices) {
        auto& button = controls.Add<RadioButton>(choice.name, &box);
        button.SetBounds(row.Next(kChoiceWidth));
        row.Skip(kChoicePitch - kChoiceWidth);
        button.SetHint(choice.hint);
        button.SetCaption(choice.caption);
    }
    controls.Get<RadioButton>(choices.front().name).SetChecked(true);
}

void CreateDateRow(ControlSet& controls, TabSheet& page, int top) {
    RowPlacer row(8, top, kRowHeight);
    AddLabel(controls, "lblToDoDate", page, row.Next(kLabelWidth));
    auto& date = controls.Add<DatePicker>("dtpToDoDate", &page);
    date.SetBounds(row.Next(120));
    date.SetHint("RC_DTP_DATE_HINT");
    row.Skip(16);
    AddLabel(controls, "lblToDoStatus", page, row.Next(90));
    AddCheckBox(controls, "cbToDoStatus", page, row.Next(30), "RC_CB_STATUS_HINT");
    row.Skip(16);
    // Never shown: it only carries the lock flag of the selected task.
    AddCheckBox(controls, "cbToDoLock", page, row.Next(100), "RC_CB_LOCK_HINT").SetVisible(false);
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
    const int width = page.Width();
    AddEditorList(controls, "lvToDoList", page, {0, kBarHeight, width, kListHeight},
                  "RC_LV_TODO_HINT", {0, 120, width - 120 - kScrollBarAllowance});

    const int top = kBarHeight + kListHeight + 12;
    CreateDateRow(controls, page, top);
    CreateChoiceGroup(controls, page, "lblToDoType", "rgToDoType", kTypes, top + 28);
    CreateChoiceGroup(controls, page, "lblToDoPriority", "rgToDoPriority", kPriorities, top + 66);
    const int contentTop = top + 108;
    AddLabel(controls, "lblToDoContent", page, {8, contentTop, kLabelWidth, kRowHeight});
    AddMemo(controls, "reToDoContent", page, {kFieldLeft, contentTop, 700, 100}, 100,
            "RC_RE_TODO_CONTENT_HINT");
}

} // namespace zyntra::layout
