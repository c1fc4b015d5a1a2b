#pragma once

#include "personal/editors/list_editor.h"
#include "personal/record_limits.h"

#include <array>

namespace zyntra {

class CheckBox;
class ControlSet;
class DatePicker;
class EditField;
class RadioButton;
class TabSheet;

// The to-do editor: the tasks of ToDoList in lvToDoList, a due date, a text, a type, a
// priority and a done box. While the current device is password-locked every task is shown
// masked, locked or not, until the Authority button unlocks the view.
class ToDoPage : public ListEditor<PLANS> {
public:
    ToDoPage(const ControlSet& controls, EditorServices& services);
    void AttachHandlers();

    void Show() override { tabToDoListShow(); }

    void tabToDoListShow();
    void lvToDoListSelectItem(int row, bool selected) { SelectItem(row, selected); }
    void tbToDoNewClick();
    void tbToDoSaveClick();
    void tbToDoDeleteClick() { DeleteClick(); }
    void tbToDoAuthorityClick() { AuthorityClick(); }

    static constexpr int kTypeCount = kToDoTypeCount;
    static constexpr int kPriorityCount = kToDoPriorityCount;

private:
    void ShowRecord(const PLANS& record, bool masked) override;
    ListRow RowTexts(const PLANS& record, bool masked) const override;
    bool Masked(const PLANS& record) const override;
    RecordComparison<PLANS> ComparisonFor(int key) const override;

    void EmptyForm();
    // Checks the type and priority buttons of these values, none where a value has no button.
    void ShowChoices(int type, int priority);
    // Writes the form into the record, as New and Save both do; the stamp is New's.
    void ReadForm(PLANS& record) const;
    bool ContentGiven() const;

    DatePicker& date_;
    std::array<RadioButton*, kTypeCount> types_{};
    std::array<RadioButton*, kPriorityCount> priorities_{};
    CheckBox& status_;
    CheckBox& lock_;
    EditField& content_;
    ToolButton& newButton_;
    ToolButton& authorityButton_;
    TabSheet& page_;
};

} // namespace zyntra
