#include "personal/editors/user_dict_page.h"

#include "kit/controls.h"
#include "personal/record_fields.h"

namespace zyntra {
namespace {

constexpr int kColumnCount = 7;

// The texts of the sort keys 0 to 2, columns 1 to 3.
constexpr std::array<std::string UserDictEntry::*, 3> kKeyTexts{
    &UserDictEntry::hw_name, &UserDictEntry::type, &UserDictEntry::exp};

ListEditorControls ControlsOf(const ControlSet& controls, const char* list) {
    return {controls.Get<ListView>(list), controls.Get<ToolButton>("tbUserSave"),
            controls.Get<ToolButton>("tbUserDelete")};
}

} // namespace

template <class Entry> void UserDictList<Entry>::Show() {
    page_.tabUserDictShow();
}

template <class Entry> void UserDictList<Entry>::ShowRecord(const Entry& entry, bool) {
    page_.ShowEntry(entry);
}

template <class Entry> ListRow UserDictList<Entry>::RowTexts(const Entry& entry, bool) const {
    ListRow row;
    row.texts.reserve(kColumnCount);
    row.texts.emplace_back();
    for (std::string UserDictEntry::*member : kKeyTexts)
        row.texts.push_back(entry.*member);
    row.texts.resize(kColumnCount);
    return row;
}

template <class Entry> RecordComparison<Entry> UserDictList<Entry>::ComparisonFor(int key) const {
    if (key < 0 || key >= static_cast<int>(kKeyTexts.size()))
        return {};
    std::string UserDictEntry::*member = kKeyTexts[static_cast<std::size_t>(key)];
    return
        [member](const Entry& a, const Entry& b) { return CompareListText(a.*member, b.*member); };
}

template class UserDictList<ECUSER>;
template class UserDictList<CEUSER>;

UserDictPage::UserDictPage(const ControlSet& controls, EditorServices& services)
    : services_(services), ecList_(*this, ControlsOf(controls, "lvECUserList"), services,
                                   services.lists.ECUserList, services.lists.ecUserSortFlags),
      ceList_(*this, ControlsOf(controls, "lvCEUserList"), services, services.lists.CEUserList,
              services.lists.ceUserSortFlags),
      headword_(controls.Get<EditField>("edtUserHeadword")),
      partOfSpeech_(controls.Get<EditField>("edtUserPartOfSpeech")),
      content_(controls.Get<EditField>("reUserContent")),
      ecButton_(controls.Get<SpeedButton>("sbUserECDict")),
      ceButton_(controls.Get<SpeedButton>("sbUserCEDict")),
      newButton_(controls.Get<ToolButton>("tbUserNew")),
      saveButton_(controls.Get<ToolButton>("tbUserSave")),
      deleteButton_(controls.Get<ToolButton>("tbUserDelete")),
      page_(controls.Get<TabSheet>("tabUserDict")) {}

void UserDictPage::AttachHandlers() {
    ListView& ec = ecList_.List();
    ec.OnData = [this](int row) { return lvECUserListData(row); };
    ec.OnSelectItem = [this](int row, bool selected) { lvECUserListSelectItem(row, selected); };
    ec.OnColumnClick = [this](int column) { lvECUserListColumnClick(column); };
    ListView& ce = ceList_.List();
    ce.OnData = [this](int row) { return lvCEUserListData(row); };
    ce.OnSelectItem = [this](int row, bool selected) { lvCEUserListSelectItem(row, selected); };
    ce.OnColumnClick = [this](int column) { lvCEUserListColumnClick(column); };
    ecButton_.OnClick = [this] { sbUserECDictClick(); };
    ceButton_.OnClick = [this] { sbUserCEDictClick(); };
    newButton_.OnClick = [this] { tbUserNewClick(); };
    saveButton_.OnClick = [this] { tbUserSaveClick(); };
    deleteButton_.OnClick = [this] { tbUserDeleteClick(); };
    page_.OnShow = [this] { tabUserDictShow(); };
}

bool UserDictPage::ShowingCEDict() const {
    return ceButton_.Down();
}

template <class Action> void UserDictPage::OnShownList(Action action) {
    if (ShowingCEDict())
        action(ceList_);
    else
        action(ecList_);
}

void UserDictPage::tabUserDictShow() {
    if (services_.attachInputMethod)
        for (EditField* field : {&headword_, &partOfSpeech_, &content_})
            services_.attachInputMethod(*field);
    OnShownList([this](auto& list) { list.ShowList([this] { EmptyForm(); }); });
}

void UserDictPage::sbUserECDictClick() {
    ShowDictionary(false);
}

void UserDictPage::sbUserCEDictClick() {
    ShowDictionary(true);
}

// Nothing typed for one dictionary carries over to the other.
void UserDictPage::ShowDictionary(bool ceDict) {
    (ceDict ? ceButton_ : ecButton_).SetDown(true);
    ceList_.List().SetVisible(ceDict);
    ecList_.List().SetVisible(!ceDict);
    EmptyForm();
    tabUserDictShow();
}

void UserDictPage::EmptyForm() {
    for (EditField* field : {&headword_, &partOfSpeech_, &content_})
        field->SetText("");
}

void UserDictPage::ShowEntry(const UserDictEntry& entry) {
    headword_.SetText(entry.hw_name);
    partOfSpeech_.SetText(entry.type);
    content_.SetText(entry.exp);
}

void UserDictPage::ReadForm(UserDictEntry& entry) const {
    entry.hw_name = headword_.Text();
    entry.type = partOfSpeech_.Text();
    entry.exp = content_.Text();
    DeriveHeadwordForms(entry, services_.interfaceCharset());
}

template <class Entry> void UserDictPage::NewEntry(UserDictList<Entry>& list) {
    auto entry = std::make_unique<Entry>();
    ReadForm(*entry);
    list.Append(std::move(entry));
}

template <class Entry> void UserDictPage::SaveEntry(UserDictList<Entry>& list) {
    Entry* entry = list.RecordToSave();
    if (entry == nullptr)
        return;
    if (headword_.Text().empty()) {
        ShowEditorMessage(services_, "SM_HeadwordIsEmpty");
        return;
    }
    ReadForm(*entry);
    list.Saved();
}

void UserDictPage::tbUserNewClick() {
    if (headword_.Text().empty()) {
        ShowEditorMessage(services_, "SM_HeadwordIsEmpty");
        return;
    }
    OnShownList([this](auto& list) { NewEntry(list); });
}

void UserDictPage::tbUserSaveClick() {
    OnShownList([this](auto& list) { SaveEntry(list); });
}

void UserDictPage::tbUserDeleteClick() {
    OnShownList([](auto& list) { list.DeleteClick(); });
}

void UserDictPage::SelectLastRow() {
    OnShownList([](auto& list) { list.SelectLastRow(); });
}

void UserDictPage::ListsReloaded() {
    ecList_.ListReloaded();
    ceList_.ListReloaded();
}

} // namespace zyntra
