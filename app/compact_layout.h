#pragma once

namespace zyntra {

class ControlSet;

// The layout for screens 800 pixels wide or less: tabs, fields and tool-bar
// bands narrower, the timetable grid's cells smaller, and the controls that
// stand in a row moved so that each starts where the one before it ends.
void ApplyCompactLayout(ControlSet& controls);

} // namespace zyntra
