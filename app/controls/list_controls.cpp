// Prints the main window's controls, one "name type parent" line each, for laying out the
// window's forms under the same names.

#include "app/controls/main_window_controls.h"

#include <iostream>

int main() {
    zyntra::ControlSet controls;
    zyntra::CreateMainWindowControls(controls);
    std::cout << zyntra::DescribeControls(controls);
    return 0;
}
