#pragma once

#include "personal/record_kind.h"

#include <string>

namespace zyntra {

class CharsetCodec;
struct RunReport;

// What a synchronisation, backup or restore did with the kinds of `selection`, as JSON text
// ending in a newline: per kind the counts and the records that differed (names in UTF-8),
// and how many of those were left out of the list. `codec` converts the names from the
// engine's charset.
std::string ReportJson(const RunReport& report, DataSelection selection, const CharsetCodec& codec);

} // namespace zyntra
