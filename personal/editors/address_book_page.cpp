#include "personal/editors/address_book_page.h"

#include "device/device_link.h"
#include "kit/controls.h"
#include "personal/editors/time_texts.h"

namespace zyntra {
namespace {

// The text fields of the two pages and the record texts they edit; the name comes first.
struct TextFieldOfRecord {
    const char* control;
    std::string ADDRESSBOOK::*member;
    bool takesInputMethod;
};

constexpr std::array<TextFieldOfRecord, AddressBookPage::kTextFieldCount> kTextFields{{
    {"edtName", &ADDRESSBOOK::name, true},
    {"edtEmail", &ADDRESSBOOK::email, false},
    {"edtMobile1", &ADDRESSBOOK::mobile1, false},
    {"edtMobile2", &ADDRESSBOOK::mobile2, false},
    {"edtHPhone", &ADDRESSBOOK::home_phone, false},
    {"edtHFax", &ADDRESSBOOK::home_fax, false},
    {"edtHAddress", &ADDRESSBOOK::home_address, true},
    {"edtOffice", &ADDRESSBOOK::office_name, true},
    {"edtTitle", &ADDRESSBOOK::office_title, true},
    {"edtOPhone", &ADDRESSBOOK::office_phone, false},
    {"edtOFax", &ADDRESSBOOK::office_fax, false},
    {"edtOAddress", &ADDRESSBOOK::office_address, true},
}};

// The texts of columns 4 to 14; column 2 is the name and column 3 the category.
constexpr std::array<std::string ADDRESSBOOK::*, 11> kColumnTexts{
    &ADDRESSBOOK::email,       &ADDRESSBOOK::mobile1,       &ADDRESSBOOK::mobile2,
    &ADDRESSBOOK::home_phone,  &ADDRESSBOOK::home_fax,      &ADDRESSBOOK::home_address,
    &ADDRESSBOOK::office_name, &ADDRESSBOOK::office_title,  &ADDRESSBOOK::office_phone,
    &ADDRESSBOOK::office_fax,  &ADDRESSBOOK::office_address};

constexpr int kColumnCount = 15;
constexpr int kSortByName = 1;
constexpr int kSortByCategory = 2;

ListEditorControls ControlsOf(const ControlSet& controls) {
    return {controls.Get<ListView>("lvAddrList"), controls.Get<ToolButton>("tbAddrSave"),
            controls.Get<ToolButton>("tbAddrDelete")};
}

} // namespace

AddressBookPage::AddressBookPage(const ControlSet& controls, EditorServices& services)
    : ListEditor(ControlsOf(controls), services, services.lists.AddrList,
                 services.lists.addrSortFlags),
      category_(controls.Get<ComboBox>("cbCategory")), lock_(controls.Get<CheckBox>("cbAddrLock")),
      newButton_(controls.Get<ToolButton>("tbAddrNew")),
      authorityButton_(controls.Get<ToolButton>("tbAddrAuthority")),
      page_(controls.Get<TabSheet>("tabAddressBook")) {
    for (std::size_t i = 0; i < kTextFields.size(); ++i)
        textFields_[i] = &controls.Get<EditField>(kTextFields[i].control);
}

void AddressBookPage::AttachHandlers() {
    AttachListHandlers();
    newButton_.OnClick = [this] { tbAddrNewClick(); };
    controls_.saveButton.OnClick = [this] { tbAddrSaveClick(); };
    authorityButton_.OnClick = [this] { tbAddrAuthorityClick(); };
    page_.OnShow = [this] { tabAddressBookShow(); };
}

void AddressBookPage::tabAddressBookShow() {
    if (services_.attachInputMethod) {
        for (std::size_t i = 0; i < kTextFields.size(); ++i)
            if (kTextFields[i].takesInputMethod)
                services_.attachInputMethod(*textFields_[i]);
    }
    ShowList([this] { EmptyForm(); });
}

void AddressBookPage::EmptyForm() {
    for (EditField* field : textFields_)
        field->SetText("");
    category_.SetItemIndex(0);
    lock_.SetChecked(false);
}

bool AddressBookPage::Masked(const ADDRESSBOOK& record) const {
    return record.locked == 1 && ProtectedRecordsHidden(services_.devices);
}

void AddressBookPage::ShowRecord(const ADDRESSBOOK& record, bool masked) {
    for (std::size_t i = 0; i < kTextFields.size(); ++i)
        textFields_[i]->SetText(masked ? "*" : record.*kTextFields[i].member);
    category_.SetItemIndex(record.category);
    lock_.SetChecked(record.locked == 1);
}

ListRow AddressBookPage::RowTexts(const ADDRESSBOOK& record, bool masked) const {
    ListRow row;
    row.texts.reserve(kColumnCount);
    row.texts.emplace_back();
    row.texts.emplace_back(record.locked == 1 ? " *" : "");
    if (masked) {
        row.texts.resize(kColumnCount, " * ");
        return row;
    }
    row.texts.push_back(record.name);
    const auto& names = services_.texts.categoryNames;
    const bool known = record.category >= 0 && record.category < static_cast<int>(names.size());
    row.texts.push_back(known ? names[static_cast<std::size_t>(record.category)] : "");
    for (std::string ADDRESSBOOK::*member : kColumnTexts)
        row.texts.push_back(record.*member);
    return row;
}

RecordComparison<ADDRESSBOOK> AddressBookPage::ComparisonFor(int key) const {
    if (key == kSortByName)
        return [](const ADDRESSBOOK& a, const ADDRESSBOOK& b) {
            return CompareListText(a.name, b.name);
        };
    if (key == kSortByCategory)
        return [](const ADDRESSBOOK& a, const ADDRESSBOOK& b) {
            return CompareNumber(a.category, b.category);
        };
    return {};
}

const std::string& AddressBookPage::NameField() const {
    return textFields_[0]->Text();
}

void AddressBookPage::ReadForm(ADDRESSBOOK& record) const {
    for (std::size_t i = 0; i < kTextFields.size(); ++i)
        record.*kTextFields[i].member = textFields_[i]->Text();
    record.photo_name.clear();
    // A category the selector does not know stays as the device stored it.
    if (category_.ItemIndex() >= 0)
        record.category = category_.ItemIndex();
    record.locked = lock_.Checked() ? 1 : 0;
    record.stamp_time = StampText(services_.ui.clock.Now());
}

void AddressBookPage::tbAddrNewClick() {
    if (NameField().empty()) {
        ShowEditorMessage(services_, "SM_NameIsEmpty");
        return;
    }
    auto record = std::make_unique<ADDRESSBOOK>();
    ReadForm(*record);
    Append(std::move(record));
}

void AddressBookPage::tbAddrSaveClick() {
    ADDRESSBOOK* record = RecordToSave();
    if (record == nullptr)
        return;
    if (NameField().empty()) {
        ShowEditorMessage(services_, "SM_NameIsEmpty");
        return;
    }
    ReadForm(*record);
    Saved();
}

} // namespace zyntra
