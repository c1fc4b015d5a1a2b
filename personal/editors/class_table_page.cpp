#include "personal/editors/class_table_page.h"

#include "kit/controls.h"
#include "personal/editors/class_times.h"
#include "personal/editors/list_editor.h"
#include "personal/record_fields.h"
#include "texts/lang_text.h"

#include <string>

namespace zyntra {
namespace {

struct CellTextField {
    const char* control;
    std::string CLASSTABLE::*member;
};

// The four texts a user edits; all of them take the chosen input method.
constexpr std::array<CellTextField, ClassTablePage::kCellTextFieldCount> kCellTextFields{{
    {"edtClassAbbreviation", &CLASSTABLE::abbreviation},
    {"edtClassName", &CLASSTABLE::course_name},
    {"edtClassTeacher", &CLASSTABLE::teacher},
    {"reClassNote", &CLASSTABLE::note},
}};

constexpr std::array<const char*, kWeekdayCount> kWeekdayHeaderKeys{
    "SM_Mon", "SM_Tue", "SM_Wed", "SM_Thu", "SM_Fri", "SM_Sat", "SM_Sun"};

constexpr std::uint32_t kClearedColour = 0xFFFFFF;

// A period time the device stored outside the day cannot be shown; the field then shows the
// current time, and the stored time stays until the user sets that period's times.
void ShowTime(TimePicker& field, int hour, int minute, const Clock& clock) {
    if (!field.SetTime({hour, minute, 0}))
        field.SetTime(clock.Now().time);
}

} // namespace

ClassTablePage::ClassTablePage(const ControlSet& controls, EditorServices& services)
    : services_(services), grid_(controls.Get<StringGrid>("sgClassTable")),
      weekday_(controls.Get<EditField>("edtClassWeekDay")),
      classNo_(controls.Get<EditField>("edtClassNo")),
      startTime_(controls.Get<TimePicker>("dtpClassSTime")),
      endTime_(controls.Get<TimePicker>("dtpClassETime")),
      saveButton_(controls.Get<ToolButton>("tbClassSave")),
      clearButton_(controls.Get<ToolButton>("tbClassClear")),
      copyButton_(controls.Get<ToolButton>("tbClassCopy")),
      pasteButton_(controls.Get<ToolButton>("tbClassPaste")),
      setTimeButton_(controls.Get<SpeedButton>("sbClassSetTime")),
      page_(controls.Get<TabSheet>("tabClass")) {
    for (std::size_t i = 0; i < kCellTextFields.size(); ++i)
        textFields_[i] = &controls.Get<EditField>(kCellTextFields[i].control);
}

void ClassTablePage::AttachHandlers() {
    grid_.OnSelectCell = [this](int column, int row, bool&) {
        sgClassTableSelectCell(column, row);
    };
    saveButton_.OnClick = [this] { tbClassSaveClick(); };
    clearButton_.OnClick = [this] { tbClassClearClick(); };
    copyButton_.OnClick = [this] { tbClassCopyClick(); };
    pasteButton_.OnClick = [this] { tbClassPasteClick(); };
    setTimeButton_.OnClick = [this] { sbClassSetTimeClick(); };
    page_.OnShow = [this] { tabClassShow(); };
}

CLASSTABLE& ClassTablePage::Cell(const CellPosition& position) const {
    return services_.lists.classGrid[static_cast<std::size_t>(position.weekday)]
                                    [static_cast<std::size_t>(position.period)];
}

void ClassTablePage::SetCurrentGridText(const std::string& text) {
    grid_.SetCell(current_.weekday + 1, current_.period + 1, text);
}

void ClassTablePage::tabClassShow() {
    if (services_.attachInputMethod) {
        for (EditField* field : textFields_)
            services_.attachInputMethod(*field);
    }
    if (grid_.Cell(current_.weekday + 1, current_.period + 1).empty())
        ShowLabels();
    if (services_.setRecordCount)
        services_.setRecordCount(kCellCount);
}

void ClassTablePage::PageChanged() {
    WriteHeaders();
    ShowLabels();
    ShowPeriodTimes();
    FillGrid();
}

void ClassTablePage::FillGrid() {
    for (int w = 0; w < kWeekdayCount; ++w)
        for (int p = 0; p < kClassPeriodCount; ++p)
            grid_.SetCell(w + 1, p + 1, Cell({w, p}).abbreviation);
}

// Once per run: a header row that already has its texts is left as it is.
void ClassTablePage::WriteHeaders() {
    if (!grid_.Cell(1, 0).empty())
        return;
    grid_.SetCell(0, 0, LangText("SM_Class_No"));
    for (int w = 0; w < kWeekdayCount; ++w)
        grid_.SetCell(w + 1, 0, LangText(kWeekdayHeaderKeys[static_cast<std::size_t>(w)]));
    for (int p = 0; p < kClassPeriodCount; ++p)
        grid_.SetCell(0, p + 1, std::to_string(p + 1));
}

void ClassTablePage::ShowLabels() {
    const CLASSTABLE& cell = CurrentCell();
    weekday_.SetText(cell.weekdayLabel);
    classNo_.SetText(cell.classLabel);
}

void ClassTablePage::ShowPeriodTimes() {
    if (services_.closing && services_.closing())
        return;
    const ClassTime& times = services_.lists.classTimes[static_cast<std::size_t>(current_.period)];
    ShowTime(startTime_, times.startHour, times.startMinute, services_.ui.clock);
    ShowTime(endTime_, times.endHour, times.endMinute, services_.ui.clock);
}

void ClassTablePage::ShowCellTexts() {
    const CLASSTABLE& cell = CurrentCell();
    for (std::size_t i = 0; i < kCellTextFields.size(); ++i)
        textFields_[i]->SetText(cell.*kCellTextFields[i].member);
}

// The writers keep a read-only cell as the device stored it, so a change here would be lost.
bool ClassTablePage::RefusedAsReadOnly(const CLASSTABLE& cell) const {
    if (!cell.stored.readOnly)
        return false;
    ShowEditorMessage(services_, "SM_RecordReadOnly");
    return true;
}

void ClassTablePage::sgClassTableSelectCell(int column, int row) {
    if (column < 1 || row < 1 || column > kWeekdayCount || row > kClassPeriodCount)
        return;
    current_ = {column - 1, row - 1};
    ShowLabels();
    ShowPeriodTimes();
    ShowCellTexts();
}

void ClassTablePage::tbClassSaveClick() {
    CLASSTABLE& cell = CurrentCell();
    if (RefusedAsReadOnly(cell))
        return;
    if (textFields_[0]->Text().empty()) {
        ShowEditorMessage(services_, "SM_AbbreviationIsEmpty");
        return;
    }
    for (std::size_t i = 0; i < kCellTextFields.size(); ++i)
        cell.*kCellTextFields[i].member = textFields_[i]->Text();
    cell.locked = 0;
    cell.setting = 1;
    cell.color = 0;
    cell.displayColour = 0;
    SetCurrentGridText(cell.abbreviation);
    ShowPeriodTimes();
    ShowCellTexts();
    grid_.SetFocus();
}

void ClassTablePage::tbClassClearClick() {
    CLASSTABLE& cell = CurrentCell();
    if (RefusedAsReadOnly(cell))
        return;
    for (const Field<CLASSTABLE>& text : CellTexts())
        (cell.*text.text).clear();
    cell.locked = 0;
    cell.color = 0;
    cell.setting = 0;
    cell.displayColour = kClearedColour;
    SetCurrentGridText("");
    ShowCellTexts();
}

void ClassTablePage::tbClassCopyClick() {
    clipboard_ = current_;
    pasteButton_.SetEnabled(true);
}

void ClassTablePage::tbClassPasteClick() {
    if (!clipboard_)
        return;
    CLASSTABLE& target = CurrentCell();
    if (RefusedAsReadOnly(target))
        return;
    const CLASSTABLE& source = Cell(*clipboard_);
    for (const Field<CLASSTABLE>& text : CellTexts())
        target.*text.text = source.*text.text;
    target.locked = source.locked;
    target.color = source.color;
    target.displayColour = source.displayColour;
    target.setting = 1;
    SetCurrentGridText(target.abbreviation);
    ShowCellTexts();
    pasteButton_.SetEnabled(false);
    clipboard_.reset();
}

void ClassTablePage::sbClassSetTimeClick() {
    ClassTime& period = services_.lists.classTimes[static_cast<std::size_t>(current_.period)];
    const std::optional<ClockTimeRange> chosen =
        services_.ui.classTimeDialog.Run(SetTimeDialogTexts(), WorkingClockTimes(period));
    if (!chosen)
        return;
    const ClassTime times = ClassTimeFromClock(*chosen);
    if (const char* refusal =
            ClassTimeRefusal(services_.lists.classTimes, current_.period, times)) {
        ShowEditorMessage(services_, refusal);
        return;
    }
    period = times;
    ShowPeriodTimes();
}

} // namespace zyntra
