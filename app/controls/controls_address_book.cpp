#include "app/controls/layout_helpers.h"
#include "app/controls/main_window_areas.h"
#include "personal/record_limits.h"

#include <array>
#include <cstddef>

namespace zyntra::layout {
namespace {

// A labelled field of an address-book page. A max length of 0 marks the category selector.
struct AddressField {
    const char* label;
    const char* field;
    int maxLength;
    const char* hint;
};

constexpr std::array<AddressField, 8> kPersonalFields{{
    {"lblAddrName", "edtName", kAddressLongText, "SC_ADDR_COL2"},
    {"lblAddrCategory", "cbCategory", 0, "SC_ADDR_COL3"},
    {"lblAddrHEmail", "edtEmail", kAddressLongText, "SC_ADDR_COL4"},
    {"lblAddrMobile1", "edtMobile1", kAddressShortText, "SC_ADDR_COL5"},
    {"lblAddrMobile2", "edtMobile2", kAddressShortText, "SC_ADDR_COL6"},
    {"lblAddrHPhone", "edtHPhone", kAddressShortText, "SC_ADDR_COL7"},
    {"lblAddrHFax", "edtHFax", kAddressShortText, "SC_ADDR_COL8"},
    {"lblAddrHAddress", "edtHAddress", kAddressLongText, "SC_ADDR_COL9"},
}};

constexpr std::array<AddressField, 5> kBusinessFields{{
    {"lblAddrOffice", "edtOffice", kAddressLongText, "SC_ADDR_COL10"},
    {"lblAddrTitle", "edtTitle", kAddressLongText, "SC_ADDR_COL11"},
    {"lblAddrOPhone", "edtOPhone", kAddressShortText, "SC_ADDR_COL12"},
    {"lblAddrOFax", "edtOFax", kAddressShortText, "SC_ADDR_COL13"},
    {"lblAddrOAddress", "edtOAddress", kAddressLongText, "SC_ADDR_COL14"},
}};

template <std::size_t N>
void CreateFields(ControlSet& controls, TabSheet& page, const std::array<AddressField, N>& fields) {
    for (const AddressField& entry : fields) {
        AddLabel(controls, entry.label, page);
        if (entry.maxLength == 0) {
            AddSelector(controls, entry.field, page, kAddressCategoryCount, entry.hint);
        } else {
            AddEdit(controls, entry.field, page, entry.maxLength, entry.hint);
        }
    }
}

void CreateDetailPages(ControlSet& controls, TabSheet& page) {
    auto& details = AddPageControl(controls, "pgcAddress", page, FormBounds("pgcAddress"));
    TabSheet& personal = AddPage(controls, "tabPersonal", details);
    TabSheet& business = AddPage(controls, "tabBusiness", details);

    CreateFields(controls, personal, kPersonalFields);
    AddCheckBox(controls, "cbAddrLock", personal, "RC_CB_LOCK_HINT");
    CreateFields(controls, business, kBusinessFields);
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
    AddEditorList(controls, "lvAddrList", page, "RC_LV_ADDR_HINT",
                  {0, 50, 150, 80, 150, 121, 121, 121, 121, 300, 125, 125, 121, 121, 300});
    CreateDetailPages(controls, page);
}

} // namespace zyntra::layout
