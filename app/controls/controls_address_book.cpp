#include "app/controls/layout_helpers.h"
#include "app/controls/main_window_areas.h"

#include <array>
#include <cstddef>

namespace zyntra::layout {
namespace {

constexpr int kListHeight = 370;
constexpr int kLabelWidth = 80;
constexpr int kRowHeight = 22;
constexpr int kRowPitch = 32;
constexpr int kRowLeft = 8;
constexpr int kFirstRowTop = 12;

// A labelled field of an address-book page, in the row it stands in. A max length of 0 marks
// the category selector.
struct AddressField {
    int row;
    const char* label;
    const char* field;
    int width;
    int maxLength;
    const char* hint;
};

// The personal page, row by row: the compact layout packs each row from the left.
constexpr std::array<AddressField, 8> kPersonalFields{{
    {0, "lblAddrName", "edtName", 200, 100, "SC_ADDR_COL2"},
    {0, "lblAddrCategory", "cbCategory", 150, 0, "SC_ADDR_COL3"},
    {0, "lblAddrHEmail", "edtEmail", 250, 100, "SC_ADDR_COL4"},
    {1, "lblAddrMobile1", "edtMobile1", 200, 50, "SC_ADDR_COL5"},
    {1, "lblAddrMobile2", "edtMobile2", 150, 50, "SC_ADDR_COL6"},
    {1, "lblAddrHPhone", "edtHPhone", 250, 50, "SC_ADDR_COL7"},
    {2, "lblAddrHFax", "edtHFax", 200, 50, "SC_ADDR_COL8"},
    {2, "lblAddrHAddress", "edtHAddress", 480, 100, "SC_ADDR_COL9"},
}};

// The business page; the office address ends where the office fax ends.
constexpr std::array<AddressField, 5> kBusinessFields{{
    {0, "lblAddrOffice", "edtOffice", 300, 100, "SC_ADDR_COL10"},
    {0, "lblAddrTitle", "edtTitle", 300, 100, "SC_ADDR_COL11"},
    {1, "lblAddrOPhone", "edtOPhone", 300, 50, "SC_ADDR_COL12"},
    {1, "lblAddrOFax", "edtOFax", 300, 50, "SC_ADDR_COL13"},
    {2, "lblAddrOAddress", "edtOAddress", 680, 100, "SC_ADDR_COL14"},
}};

constexpr int kCategoryCount = 6;

int RowTop(int row) {
    return kFirstRowTop + row * kRowPitch;
}

template <std::size_t N>
void CreateFieldRows(ControlSet& controls, TabSheet& page,
                     const std::array<AddressField, N>& fields) {
    RowPlacer row(kRowLeft, RowTop(0), kRowHeight);
    int rowIndex = 0;
    for (const AddressField& entry : fields) {
        if (entry.row != rowIndex) {
            rowIndex = entry.row;
            row = RowPlacer(kRowLeft, RowTop(rowIndex), kRowHeight);
        }
        AddLabel(controls, entry.label, page, row.Next(kLabelWidth));
        if (entry.maxLength == 0) {
            AddSelector(controls, entry.field, page, row.Next(entry.width), kCategoryCount,
                        entry.hint);
        } else {
            AddEdit(controls, entry.field, page, row.Next(entry.width), entry.maxLength,
                    entry.hint);
        }
    }
}

void CreateDetailPages(ControlSet& controls, TabSheet& page) {
    const int top = kBarHeight + kListHeight + 4;
    auto& details =
        AddPageControl(controls, "pgcAddress", page, {0, top, page.Width(), page.Height() - top});
    TabSheet& personal = AddPage(controls, "tabPersonal", details);
    TabSheet& business = AddPage(controls, "tabBusiness", details);

    CreateFieldRows(controls, personal, kPersonalFields);
    // The lock box stands under the category selector, at its left.
    const Control& category = controls.Get<ComboBox>("cbCategory");
    AddCheckBox(controls, "cbAddrLock", personal,
                {category.Left(), RowTop(3), category.Width(), kRowHeight}, "RC_CB_LOCK_HINT");

    CreateFieldRows(controls, business, kBusinessFields);
}

} // namespace

void CreateAddressBookControls(ControlSet& controls, TabSheet& page) {
    AddEditorBar(controls, "clbAddrBar", page,
                 {{"tbAddrNew", "RC_TB_NEW_HINT", 0},
                  {"tbAddrSave", "RC_TB_SAVE_HINT", 1},
                  {"tbAddrDelete", "RC_TB_DELETE_HINT", 2},
                  {"tbAddrSync", "RC_TB_SYNC_HINT", 3},
                  {"tbAddrSeparator", "", -1, true},
                  {"tbAddrAuthority", "RC_TB_AUTHORITY_HINT", 4}});
    AddEditorList(controls, "lvAddrList", page, {0, kBarHeight, page.Width(), kListHeight},
                  "RC_LV_ADDR_HINT",
                  {0, 50, 150, 80, 150, 121, 121, 121, 121, 300, 125, 125, 121, 121, 300});
    CreateDetailPages(controls, page);
}

} // namespace zyntra::layout
