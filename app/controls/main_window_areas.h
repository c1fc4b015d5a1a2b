#pragma once

#include "kit/controls.h"

namespace zyntra::layout {

// The pages that the areas of the window fill.
struct MainPages {
    Form& form;
    TabSheet& file;
    TabSheet& addressBook;
    TabSheet& schedule;
    TabSheet& toDo;
    TabSheet& classTable;
    TabSheet& userDict;
    TabSheet& sync;
};

// The form, its status bar and the nested page controls down to the pages of the areas.
MainPages CreateFrame(ControlSet& controls);

void CreateContentControls(ControlSet& controls, TabSheet& page);
void CreateContentMenus(ControlSet& controls, Form& form);
void CreateAddressBookControls(ControlSet& controls, TabSheet& page);
void CreateScheduleControls(ControlSet& controls, TabSheet& page);
void CreateToDoControls(ControlSet& controls, TabSheet& page);
void CreateClassTableControls(ControlSet& controls, TabSheet& page);
void CreateUserDictControls(ControlSet& controls, TabSheet& page);
void CreateSyncControls(ControlSet& controls, TabSheet& page);

} // namespace zyntra::layout
