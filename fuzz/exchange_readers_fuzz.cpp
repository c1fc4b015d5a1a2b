// The vCard and iCalendar readers: the first byte chooses the reader, the rest is the file.
// Every record read must name only fields of its kind, and a refused file gives no record.
#include "exchange/address_vcard.h"
#include "exchange/calendar_exchange.h"
#include "fuzz/fuzz_input.h"
#include "personal/record_fields.h"

#include <cstdlib>

namespace {

template <class R>
void CheckFields(const zyntra::ExchangeRecord& record, const zyntra::RecordFields<R>& table) {
    for (const auto& value : record.values)
        table.IndexOf(value.first); // throws for a name that is no field
}

void CheckCalendar(const zyntra::CalendarRecords& read, bool events) {
    if (!read.error.empty() && !read.records.empty())
        std::abort();
    for (const zyntra::ExchangeRecord& record : read.records) {
        if (events)
            CheckFields(record, zyntra::kScheduleFields);
        else
            CheckFields(record, zyntra::kToDoFields);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zyntra;
    if (size == 0)
        return 0;
    const std::string_view text = fuzz::AsText(data + 1, size - 1);
    switch (data[0] % 3) {
    case 0: {
        VCards cards = ReadVCards(text);
        if (!cards.error.empty() && !cards.cards.empty())
            std::abort();
        for (const VCard& card : cards.cards)
            CheckFields(AddressOfVCard(card), kAddressBookFields);
        break;
    }
    case 1:
        CheckCalendar(ReadAppointments(text), true);
        break;
    default:
        CheckCalendar(ReadTasks(text), false);
        break;
    }
    return 0;
}
