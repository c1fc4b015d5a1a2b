#pragma once

#include "personal/editors/list_editor.h"

#include <array>

namespace zyntra {

class ControlSet;
class EditField;
class SpeedButton;
class TabSheet;
class UserDictPage;

// The list of one of the two user dictionaries. Its form is the page's, which also decides
// which of the two lists is showing.
template <class Entry> class UserDictList final : public ListEditor<Entry> {
public:
    UserDictList(UserDictPage& page, ListEditorControls controls, EditorServices& services,
                 RecordList<Entry>& entries, std::span<bool> sortFlags)
        : ListEditor<Entry>(controls, services, entries, sortFlags), page_(page) {}

    void Show() override;

    using ListEditor<Entry>::Append;
    using ListEditor<Entry>::RecordToSave;
    using ListEditor<Entry>::Saved;
    using ListEditor<Entry>::ShowList;

    ListView& List() const { return this->controls_.list; }

private:
    void ShowRecord(const Entry& entry, bool masked) override;
    ListRow RowTexts(const Entry& entry, bool masked) const override;
    RecordComparison<Entry> ComparisonFor(int key) const override;
    // Columns 0 and 4 to 6 are hidden.
    bool SortableColumn(int column) const override { return column >= 1 && column <= 3; }

    UserDictPage& page_;
};

// The user dictionary editor: the English-to-Chinese and the Chinese-to-English entries, one
// list at a time, chosen by the two dictionary buttons. New and Save derive the headword's
// stored UTF-8 form and search key, the dictionaries' keys on the device.
class UserDictPage {
public:
    UserDictPage(const ControlSet& controls, EditorServices& services);
    UserDictPage(const UserDictPage&) = delete;
    UserDictPage& operator=(const UserDictPage&) = delete;

    void AttachHandlers();

    void tabUserDictShow();
    void sbUserECDictClick();
    void sbUserCEDictClick();

    void lvECUserListSelectItem(int row, bool selected) { ecList_.SelectItem(row, selected); }
    void lvCEUserListSelectItem(int row, bool selected) { ceList_.SelectItem(row, selected); }
    ListRow lvECUserListData(int row) const { return ecList_.Data(row); }
    ListRow lvCEUserListData(int row) const { return ceList_.Data(row); }
    void lvECUserListColumnClick(int column) { ecList_.ColumnClick(column); }
    void lvCEUserListColumnClick(int column) { ceList_.ColumnClick(column); }

    void tbUserNewClick();
    void tbUserSaveClick();
    void tbUserDeleteClick();

    // The page became current: the showing list selects its last entry.
    void SelectLastRow();
    void ListsReloaded();

    bool ShowingCEDict() const;
    // Fills the three fields from an entry of either dictionary.
    void ShowEntry(const UserDictEntry& entry);

private:
    template <class Entry> void NewEntry(UserDictList<Entry>& list);
    template <class Entry> void SaveEntry(UserDictList<Entry>& list);
    // Runs `action` on the list of the dictionary that is showing.
    template <class Action> void OnShownList(Action action);

    void ShowDictionary(bool ceDict);
    void EmptyForm();
    void ReadForm(UserDictEntry& entry) const;

    EditorServices& services_;
    UserDictList<ECUSER> ecList_;
    UserDictList<CEUSER> ceList_;
    EditField& headword_;
    EditField& partOfSpeech_;
    EditField& content_;
    SpeedButton& ecButton_;
    SpeedButton& ceButton_;
    ToolButton& newButton_;
    ToolButton& saveButton_;
    ToolButton& deleteButton_;
    TabSheet& page_;
};

} // namespace zyntra
