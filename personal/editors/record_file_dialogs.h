#pragma once

#include "kit/ui_services.h"

namespace zyntra {

class PersonalEngine;

// Import... and Export... of the synchronisation page: the records of another program's file
// (vCard, iCalendar, CSV, JSON) appended to memory as new records, or memory's records
// written to such a file. The type chosen in the file dialog names the format and the kinds.
// Neither touches the device: the next synchronisation takes imported records there.
class RecordFileDialogs {
public:
    RecordFileDialogs(UiServices ui, PersonalEngine& engine) : ui_(ui), engine_(engine) {}

    // Asks for a file and appends its records; whether memory changed. A file with any fault
    // changes nothing, and the box says why in its details.
    bool Import();
    // Asks for a file and writes memory's records of the chosen type to it.
    void Export();

private:
    UiServices ui_;
    PersonalEngine& engine_;
};

} // namespace zyntra
