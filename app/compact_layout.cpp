#include "app/compact_layout.h"

#include "kit/controls.h"

#include <initializer_list>

namespace zyntra {
namespace {

int Scaled(int value, double factor) {
    return static_cast<int>(value * factor);
}

void ScaleWidths(ControlSet& controls, std::initializer_list<const char*> names, double factor) {
    for (const char* name : names) {
        Control& control = controls.Get<Control>(name);
        control.SetWidth(Scaled(control.Width(), factor));
    }
}

// Each control after the first starts where the one before it ends.
void Chain(ControlSet& controls, std::initializer_list<const char*> names) {
    const Control* previous = nullptr;
    for (const char* name : names) {
        Control& control = controls.Get<Control>(name);
        if (previous != nullptr)
            control.SetLeft(previous->Left() + previous->Width());
        previous = &control;
    }
}

void ScaleTabsAndBands(ControlSet& controls) {
    PageControl& main = controls.Get<PageControl>("pgcMain");
    main.SetTabWidth(Scaled(main.TabWidth(), 0.78));
    PageControl& editors = controls.Get<PageControl>("pgcPIMPage");
    editors.SetTabWidth(Scaled(editors.TabWidth(), 0.8));
    for (const char* bar : {"clbAddrBar", "clbScheBar"}) {
        CoolBar& band = controls.Get<CoolBar>(bar);
        band.SetBandWidth(0, Scaled(band.Band(0).width, 0.78));
    }
}

void ScaleFields(ControlSet& controls) {
    ScaleWidths(controls,
                {"edtName",         "edtMobile1",          "edtHFax",         "cbCategory",
                 "edtMobile2",      "edtHAddress",         "edtEmail",        "edtHPhone",
                 "edtOffice",       "edtOPhone",           "edtTitle",        "edtOFax",
                 "reScheContent",   "reToDoContent",       "edtClassName",    "edtClassTeacher",
                 "edtUserHeadword", "edtUserPartOfSpeech", "lblUserHeadword", "lblUserPartOfSpeech",
                 "reUserContent"},
                0.78);
    Control& note = controls.Get<Control>("reClassNote");
    note.SetBounds(
        {note.Left(), note.Top(), Scaled(note.Width(), 0.78), Scaled(note.Height(), 0.78)});
    ScaleWidths(controls, {"tbAddrSeparator", "tbScheSeparator"}, 0.7);
    for (const char* name : {"sbUserECDict", "sbUserCEDict"}) {
        Control& button = controls.Get<Control>(name);
        button.SetLeft(Scaled(button.Left(), 0.78));
    }
    StringGrid& grid = controls.Get<StringGrid>("sgClassTable");
    grid.SetDefaultColWidth(39);
    grid.SetDefaultRowHeight(27);
}

void MoveRows(ControlSet& controls) {
    Chain(controls, {"tbAddrSeparator", "tbAddrAuthority"});
    Chain(controls, {"tbScheSeparator", "tbScheAuthority"});

    Chain(controls, {"edtName", "lblAddrCategory", "cbCategory", "lblAddrHEmail", "edtEmail"});
    Chain(controls, {"edtMobile1", "lblAddrMobile2", "edtMobile2", "lblAddrHPhone", "edtHPhone"});
    Chain(controls, {"edtHFax", "lblAddrHAddress", "edtHAddress"});
    controls.Get<Control>("cbAddrLock").SetLeft(controls.Get<Control>("cbCategory").Left());

    Chain(controls, {"lblAddrOffice", "edtOffice", "lblAddrTitle", "edtTitle"});
    Chain(controls, {"lblAddrOPhone", "edtOPhone", "lblAddrOFax", "edtOFax"});
    Chain(controls, {"lblAddrOAddress", "edtOAddress"});
    const Control& fax = controls.Get<Control>("edtOFax");
    Control& address = controls.Get<Control>("edtOAddress");
    address.SetWidth(fax.Left() + fax.Width() - address.Left());

    Chain(controls, {"edtUserHeadword", "lblUserPartOfSpeech", "edtUserPartOfSpeech"});
}

} // namespace

void ApplyCompactLayout(ControlSet& controls) {
    ScaleTabsAndBands(controls);
    ScaleFields(controls);
    MoveRows(controls);
}

} // namespace zyntra
