#pragma once

#include "device/device_link.h"
#include "kit/buttons.h"
#include "kit/list_view.h"
#include "personal/editors/editor_services.h"
#include "personal/editors/list_order.h"

#include <functional>
#include <memory>
#include <span>
#include <string>

namespace zyntra {

// The controls every list editor drives the same way.
struct ListEditorControls {
    ListView& list;
    ToolButton& saveButton;
    ToolButton& deleteButton;
};

// Shows the language text of the key in a plain message box.
void ShowEditorMessage(const EditorServices& services, const char* key);

// The conventions the address book, schedule, to-do and dictionary editors share: a virtual list
// whose row i shows record i, sorting by column, masking, New / Save / Delete, Authority.
//
// The list owns the records; the editor works on them in memory only. Every editor names its
// own handlers (tbAddrNewClick, ...) and calls the shared steps below from them.
template <class Record> class ListEditor {
public:
    virtual ~ListEditor() = default;
    ListEditor(const ListEditor&) = delete;
    ListEditor& operator=(const ListEditor&) = delete;

    // The page's Show operation: the row count, the fields of the selected record or the empty
    // form, the buttons, the status line's count.
    virtual void Show() = 0;

    // A row got or lost the selection.
    void SelectItem(int row, bool selected) {
        if (!selected) {
            Show();
            return;
        }
        if (const Record* record = At(row)) {
            ShowRecord(*record, Masked(*record));
            controls_.list.SetFocus();
        }
    }

    ListRow Data(int row) const {
        const Record* record = At(row);
        return record == nullptr ? ListRow{} : RowTexts(*record, Masked(*record));
    }

    // The first click on a column sorts it descending, the next ascending. The selection stays
    // on the same record, whose fields the form then shows.
    void ColumnClick(int column) {
        if (!SortableColumn(column))
            return;
        const auto key = static_cast<std::size_t>(column - 1);
        if (key >= sortFlags_.size())
            return;
        sortFlags_[key] = !sortFlags_[key];
        if (RecordComparison<Record> compare = ComparisonFor(static_cast<int>(key))) {
            ListView& list = controls_.list;
            const int before = list.Selected();
            const int after = SortRecords(records_, compare, sortFlags_[key], before);
            if (after != before)
                list.SetSelected(after);
        }
        controls_.list.Repaint();
    }

    // Acts only on the selected row of a focused list; a record loaded read-only stays.
    void DeleteClick() {
        ListView& list = controls_.list;
        const int row = list.Selected();
        if (!list.Focused() || At(row) == nullptr)
            return;
        if (RefusedAsReadOnly(*At(row)))
            return;
        list.ClearSelection();
        records_.erase(records_.begin() + row);
        const int size = RecordCount();
        list.SetRowCount(size);
        if (size > 0) {
            list.SetSelected(std::min(row, size - 1));
            BringEndIntoView();
        } else {
            list.Repaint();
        }
        Show();
    }

    // Unlocking and locking again both ask for the device's password.
    void AuthorityClick() {
        services_.devices.ToggleUnlockedView();
        services_.ui.pendingEvents.ProcessPendingEvents();
        controls_.list.Repaint();
        Show();
    }

    // The page became current: the last record is selected and brought into view.
    void SelectLastRow() {
        if (records_.empty())
            return;
        controls_.list.SetRowCount(RecordCount());
        controls_.list.SetSelected(RecordCount() - 1);
        BringEndIntoView();
    }

    // The lists were loaded again: the old rows and their selection are gone.
    void ListReloaded() {
        controls_.list.SetRowCount(0);
        controls_.list.SetRowCount(RecordCount());
        controls_.list.Repaint();
    }

    int RecordCount() const { return static_cast<int>(records_.size()); }

protected:
    ListEditor(ListEditorControls controls, EditorServices& services, RecordList<Record>& records,
               std::span<bool> sortFlags)
        : controls_(controls), services_(services), records_(records), sortFlags_(sortFlags) {}

    // Fills the form from the record; a masked record shows placeholders.
    virtual void ShowRecord(const Record& record, bool masked) = 0;
    virtual ListRow RowTexts(const Record& record, bool masked) const = 0;
    virtual bool Masked(const Record&) const { return false; }
    // The comparison of a sort key (column - 1), or none when the page does not sort by it.
    virtual RecordComparison<Record> ComparisonFor(int key) const = 0;
    // Hidden columns never sort.
    virtual bool SortableColumn(int column) const { return column >= 1; }

    // Attaches the list's handlers and the Delete button; New, Save and the page's own
    // controls are the editor's.
    void AttachListHandlers() {
        ListView& list = controls_.list;
        list.OnData = [this](int row) { return Data(row); };
        list.OnSelectItem = [this](int row, bool selected) { SelectItem(row, selected); };
        list.OnColumnClick = [this](int column) { ColumnClick(column); };
        controls_.deleteButton.OnClick = [this] { DeleteClick(); };
    }

    // The common part of Show: with a selection the form shows that record, without one
    // `emptyForm` runs; Save and Delete are usable when there is a record to act on.
    void ShowList(const std::function<void()>& emptyForm) {
        ListView& list = controls_.list;
        list.SetRowCount(RecordCount());
        const int row = list.Selected();
        const bool usable = row >= 0 || !records_.empty();
        controls_.saveButton.SetEnabled(usable);
        controls_.deleteButton.SetEnabled(usable);
        if (row >= 0)
            SelectItem(row, true);
        else
            emptyForm();
        list.Repaint();
        if (services_.setRecordCount)
            services_.setRecordCount(RecordCount());
    }

    // New: the record goes to the end of the list and becomes the selected one.
    void Append(std::unique_ptr<Record> record) {
        ListView& list = controls_.list;
        records_.push_back(std::move(record));
        list.SetRowCount(RecordCount());
        list.Repaint();
        list.SetSelected(RecordCount() - 1);
        BringEndIntoView();
        Show();
    }

    // The record Save may change, or null after telling the user why there is none: no row
    // selected, or a masked row (its form holds placeholders, never to be written over the
    // protected record), or a record loaded read-only.
    Record* RecordToSave() {
        Record* record = At(controls_.list.Selected());
        if (record == nullptr || Masked(*record)) {
            ShowEditorMessage(services_, "SM_NoSelectItem");
            return nullptr;
        }
        return RefusedAsReadOnly(*record) ? nullptr : record;
    }

    // Save is over: the row shows the new texts and the list has the focus.
    void Saved() {
        controls_.list.Repaint();
        controls_.list.SetFocus();
    }

    Record* At(int row) const {
        if (row < 0 || row >= RecordCount())
            return nullptr;
        return records_[static_cast<std::size_t>(row)].get();
    }

    ListEditorControls controls_;
    EditorServices& services_;
    RecordList<Record>& records_;

private:
    void BringEndIntoView() {
        controls_.list.SetFocus();
        controls_.list.ScrollBy(services_.pageScroll ? services_.pageScroll() : 0);
    }

    bool RefusedAsReadOnly(const Record& record) const {
        if (!record.stored.readOnly)
            return false;
        ShowEditorMessage(services_, "SM_RecordReadOnly");
        return true;
    }

    std::span<bool> sortFlags_;
};

} // namespace zyntra
