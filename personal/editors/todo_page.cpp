#include "personal/editors/todo_page.h"

#include "kit/controls.h"
#include "personal/editors/time_texts.h"

namespace zyntra {
namespace {

constexpr std::array<const char*, ToDoPage::kTypeCount> kTypeButtons{"rbToDoType1", "rbToDoType2",
                                                                     "rbToDoType3"};
constexpr std::array<const char*, ToDoPage::kPriorityCount> kPriorityButtons{
    "rbToDoPriority1", "rbToDoPriority2", "rbToDoPriority3", "rbToDoPriority4"};

// What a masked task shows: the last type and the last priority.
constexpr int kMaskedType = ToDoPage::kTypeCount - 1;
constexpr int kMaskedPriority = ToDoPage::kPriorityCount - 1;

constexpr int kColumnCount = 3;
constexpr int kSortByDate = 0;

ListEditorControls ControlsOf(const ControlSet& controls) {
    return {controls.Get<ListView>("lvToDoList"), controls.Get<ToolButton>("tbToDoSave"),
            controls.Get<ToolButton>("tbToDoDelete")};
}

template <std::size_t N>
void FindButtons(const ControlSet& controls, const std::array<const char*, N>& names,
                 std::array<RadioButton*, N>& buttons) {
    for (std::size_t i = 0; i < N; ++i)
        buttons[i] = &controls.Get<RadioButton>(names[i]);
}

template <std::size_t N> void CheckValue(const std::array<RadioButton*, N>& buttons, int value) {
    for (std::size_t i = 0; i < N; ++i)
        buttons[i]->SetChecked(static_cast<int>(i) == value);
}

// The last value stands for every other: a stored value outside the buttons, shown with none
// checked, is saved as the last one.
template <std::size_t N> int CheckedValue(const std::array<RadioButton*, N>& buttons) {
    for (std::size_t i = 0; i + 1 < N; ++i)
        if (buttons[i]->Checked())
            return static_cast<int>(i);
    return static_cast<int>(N) - 1;
}

} // namespace

ToDoPage::ToDoPage(const ControlSet& controls, EditorServices& services)
    : ListEditor(ControlsOf(controls), services, services.lists.ToDoList,
                 services.lists.toDoSortFlags),
      date_(controls.Get<DatePicker>("dtpToDoDate")),
      status_(controls.Get<CheckBox>("cbToDoStatus")), lock_(controls.Get<CheckBox>("cbToDoLock")),
      content_(controls.Get<EditField>("reToDoContent")),
      newButton_(controls.Get<ToolButton>("tbToDoNew")),
      authorityButton_(controls.Get<ToolButton>("tbToDoAuthority")),
      page_(controls.Get<TabSheet>("tabToDoList")) {
    FindButtons(controls, kTypeButtons, types_);
    FindButtons(controls, kPriorityButtons, priorities_);
}

void ToDoPage::AttachHandlers() {
    AttachListHandlers();
    newButton_.OnClick = [this] { tbToDoNewClick(); };
    controls_.saveButton.OnClick = [this] { tbToDoSaveClick(); };
    authorityButton_.OnClick = [this] { tbToDoAuthorityClick(); };
    page_.OnShow = [this] { tabToDoListShow(); };
}

void ToDoPage::tabToDoListShow() {
    if (services_.attachInputMethod)
        services_.attachInputMethod(content_);
    ShowList([this] { EmptyForm(); });
}

// Type, priority and status keep what they showed, so several similar tasks go in one after
// another.
void ToDoPage::EmptyForm() {
    if (!(services_.closing && services_.closing()))
        date_.SetDate(services_.ui.clock.Today());
    content_.SetText("");
    lock_.SetChecked(false);
}

bool ToDoPage::Masked(const PLANS&) const {
    return ProtectedRecordsHidden(services_.devices);
}

void ToDoPage::ShowRecord(const PLANS& record, bool masked) {
    if (masked) {
        date_.SetDate(services_.ui.clock.Today());
        ShowChoices(kMaskedType, kMaskedPriority);
        status_.SetChecked(false);
        content_.SetText("*");
    } else {
        date_.SetDate(ReadDateText(record.date).value_or(services_.ui.clock.Today()));
        ShowChoices(record.category, record.priority);
        status_.SetChecked(record.status != 0);
        content_.SetText(record.content);
    }
    lock_.SetChecked(record.locked == 1);
}

void ToDoPage::ShowChoices(int type, int priority) {
    CheckValue(types_, type);
    CheckValue(priorities_, priority);
}

ListRow ToDoPage::RowTexts(const PLANS& record, bool masked) const {
    ListRow row;
    if (masked) {
        row.texts.assign(kColumnCount, " * ");
        row.texts[0].clear();
        return row;
    }
    row.texts = {"", record.date, record.content};
    return row;
}

RecordComparison<PLANS> ToDoPage::ComparisonFor(int key) const {
    if (key == kSortByDate)
        return [](const PLANS& a, const PLANS& b) { return CompareDateText(a.date, b.date); };
    return {};
}

bool ToDoPage::ContentGiven() const {
    if (!content_.Text().empty())
        return true;
    ShowEditorMessage(services_, "SM_ContentIsEmpty");
    return false;
}

void ToDoPage::ReadForm(PLANS& record) const {
    record.date = DateText(date_.Date());
    record.category = CheckedValue(types_);
    record.priority = CheckedValue(priorities_);
    record.status = status_.Checked() ? 1 : 0;
    record.content = content_.Text();
    record.locked = lock_.Checked() ? 1 : 0;
}

void ToDoPage::tbToDoNewClick() {
    if (!ContentGiven())
        return;
    auto record = std::make_unique<PLANS>();
    ReadForm(*record);
    record->stamp_time = StampText(services_.ui.clock.Now());
    Append(std::move(record));
}

void ToDoPage::tbToDoSaveClick() {
    PLANS* record = RecordToSave();
    if (record == nullptr || !ContentGiven())
        return;
    ReadForm(*record);
    Saved();
}

} // namespace zyntra
