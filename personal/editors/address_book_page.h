#pragma once

#include "personal/editors/list_editor.h"

#include <array>

namespace zyntra {

class CheckBox;
class ComboBox;
class ControlSet;
class EditField;
class TabSheet;

// The address book editor: the contacts of AddrList in lvAddrList and the fields of the
// personal and business pages. A locked contact of a password-locked device is shown masked
// until the Authority button unlocks the view.
class AddressBookPage : public ListEditor<ADDRESSBOOK> {
public:
    AddressBookPage(const ControlSet& controls, EditorServices& services);
    void AttachHandlers();

    void Show() override { tabAddressBookShow(); }

    void tabAddressBookShow();
    void tbAddrNewClick();
    void tbAddrSaveClick();
    void tbAddrDeleteClick() { DeleteClick(); }
    void tbAddrAuthorityClick() { AuthorityClick(); }

    static constexpr int kTextFieldCount = 12;

private:
    void ShowRecord(const ADDRESSBOOK& record, bool masked) override;
    ListRow RowTexts(const ADDRESSBOOK& record, bool masked) const override;
    bool Masked(const ADDRESSBOOK& record) const override;
    RecordComparison<ADDRESSBOOK> ComparisonFor(int key) const override;

    void EmptyForm();
    // Writes the form into the record, as New and Save both do.
    void ReadForm(ADDRESSBOOK& record) const;
    const std::string& NameField() const;

    std::array<EditField*, kTextFieldCount> textFields_{};
    ComboBox& category_;
    CheckBox& lock_;
    ToolButton& newButton_;
    ToolButton& authorityButton_;
    TabSheet& page_;
};

} // namespace zyntra
