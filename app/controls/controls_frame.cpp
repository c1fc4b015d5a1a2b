#include "app/controls/layout_helpers.h"
#include "app/controls/main_window_areas.h"
#include "app/controls/main_window_controls.h"

namespace zyntra {
namespace layout {
namespace {

// The client area lies inside the fixed single border and below the caption bar. The frame's
// form lays its page controls and status bar out by layouts, so their bounds are worked out
// here from the form's size.
constexpr int kBorderWidth = 4;
constexpr int kCaptionHeight = 24;
constexpr int kStatusHeight = 20;
constexpr int kMainTabWidth = 120;
constexpr int kEditorTabWidth = 120;

Form& CreateForm(ControlSet& controls) {
    auto& form = controls.Add<Form>("dfmMain");
    // Hidden while it is built: its pages report OnShow only once the form is shown.
    form.SetVisible(false);
    form.SetCaption("Zyntra");
    form.SetBorder(BorderStyle::Single);
    form.SetIcons({.systemMenu = true, .minimize = true, .maximize = false});
    form.SetBounds(FormBounds("dfmMain"));
    return form;
}

Bounds ClientArea(const Form& form) {
    return {0, 0, form.Width() - 2 * kBorderWidth, form.Height() - kCaptionHeight - kBorderWidth};
}

void CreateStatusBar(ControlSet& controls, Form& form) {
    const Bounds client = ClientArea(form);
    auto& status = controls.Add<StatusBar>("stbMain", &form);
    status.SetBounds({0, client.height - kStatusHeight, client.width, kStatusHeight});
    for (int width : {250, 450, 230, 80}) {
        status.AddPart({}, width);
    }
}

} // namespace

MainPages CreateFrame(ControlSet& controls) {
    Form& form = CreateForm(controls);
    CreateStatusBar(controls, form);

    const Bounds client = ClientArea(form);
    auto& main = AddPageControl(controls, "pgcMain", form,
                                {0, 0, client.width, client.height - kStatusHeight}, kMainTabWidth);
    TabSheet& file = AddPage(controls, "tabFile", main);
    TabSheet& dataSet = AddPage(controls, "tabDataSet1", main);

    auto& data = AddPageControl(controls, "pgcDataSet", dataSet, Filling(dataSet));
    TabSheet& userData = AddPage(controls, "tabUserData", data);
    TabSheet& syncSet = AddPage(controls, "tabSyncSet1", data);

    auto& editors =
        AddPageControl(controls, "pgcPIMPage", userData, Filling(userData), kEditorTabWidth);
    TabSheet& addressBook = AddPage(controls, "tabAddressBook", editors);
    TabSheet& schedule = AddPage(controls, "tabSchedule", editors);
    TabSheet& toDo = AddPage(controls, "tabToDoList", editors);
    TabSheet& classTable = AddPage(controls, "tabClass", editors);
    TabSheet& userDict = AddPage(controls, "tabUserDict", editors);

    auto& syncPages = AddPageControl(controls, "pgcSyncSet", syncSet, Filling(syncSet));
    TabSheet& sync = AddPage(controls, "tabSyncSet", syncPages);

    return {form, file, addressBook, schedule, toDo, classTable, userDict, sync};
}

} // namespace layout

void CreateMainWindowControls(ControlSet& controls) {
    const layout::MainPages pages = layout::CreateFrame(controls);
    layout::CreateContentControls(controls, pages.file);
    layout::CreateContentMenus(controls, pages.form);
    layout::CreateAddressBookControls(controls, pages.addressBook);
    layout::CreateScheduleControls(controls, pages.schedule);
    layout::CreateToDoControls(controls, pages.toDo);
    layout::CreateClassTableControls(controls, pages.classTable);
    layout::CreateUserDictControls(controls, pages.userDict);
    layout::CreateSyncControls(controls, pages.sync);
}

} // namespace zyntra
