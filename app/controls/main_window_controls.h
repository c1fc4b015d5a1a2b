#pragma once

#include "kit/control_set.h"

#include <string>

namespace zyntra {

// Creates every control of the main window "dfmMain" into the set, under its layout name, with
// its parent, type, default geometry for a 1024 x 768 window, hint key and the fixed properties
// of the layout (maximum lengths, columns, menu entries, groups). Captions, column captions and
// item texts stay empty: the language step fills them.
//
// The form is left hidden, so that its pages report OnShow once the handlers are attached and
// the form is shown.
void CreateMainWindowControls(ControlSet& controls);

// One line per control in creation order: "name type parent", the type being the kit class and
// the parent "-" for the form.
std::string DescribeControls(const ControlSet& controls);

} // namespace zyntra
