#pragma once

#include "personal/editors/list_editor.h"

namespace zyntra {

class CheckBox;
class ComboBox;
class ControlSet;
class DatePicker;
class EditField;
class SpeedButton;
class TabSheet;
class TimePicker;

// The schedule editor: the appointments of ScheList in lvScheList, a date, an optional start
// and end time set through the time dialog, an alarm choice and a text. While the current
// device is password-locked every appointment is shown masked, locked or not, until the
// Authority button unlocks the view.
class SchedulePage : public ListEditor<SCHEDULE> {
public:
    SchedulePage(const ControlSet& controls, EditorServices& services);
    void AttachHandlers();

    void Show() override { tabScheduleShow(); }

    void tabScheduleShow();
    void lvScheListSelectItem(int row, bool selected) { SelectItem(row, selected); }
    void tbScheNewClick();
    void tbScheSaveClick();
    void tbScheDeleteClick() { DeleteClick(); }
    void tbScheAuthorityClick() { AuthorityClick(); }
    void cbScheNoTimeClick();
    void sbScheSetTimeClick();

private:
    void ShowRecord(const SCHEDULE& record, bool masked) override;
    ListRow RowTexts(const SCHEDULE& record, bool masked) const override;
    bool Masked(const SCHEDULE& record) const override;
    RecordComparison<SCHEDULE> ComparisonFor(int key) const override;

    void EmptyForm();
    void ShowPlaceholders();
    void ShowTimes(const SCHEDULE& record);
    // The checks New and Save share, after Save's own; false once the user was told why not.
    bool FormAcceptable() const;
    // Writes the form into the record, as New and Save both do; the stamp is New's.
    void ReadForm(SCHEDULE& record) const;

    DatePicker& date_;
    TimePicker& startTime_;
    TimePicker& endTime_;
    SpeedButton& setTimeButton_;
    CheckBox& noTime_;
    ComboBox& alarm_;
    CheckBox& lock_;
    EditField& content_;
    ToolButton& newButton_;
    ToolButton& authorityButton_;
    TabSheet& page_;
};

} // namespace zyntra
