#pragma once

#include "exchange/exchange_record.h"

#include <cstddef>
#include <libical/ical.h>
#include <string>

namespace zyntra {

// One VEVENT or VTODO of a parsed calendar as a record; the fault that makes the component
// unreadable (a date that is none, an event without a start), or an empty text.
using ComponentRead = std::string (*)(icalcomponent* component, std::size_t lineNumber,
                                      ExchangeRecord& record);
std::string ReadEventComponent(icalcomponent* event, std::size_t lineNumber,
                               ExchangeRecord& record);
std::string ReadTaskComponent(icalcomponent* task, std::size_t lineNumber, ExchangeRecord& record);

} // namespace zyntra
