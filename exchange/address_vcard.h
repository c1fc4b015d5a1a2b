#pragma once

#include "exchange/exchange_record.h"
#include "exchange/vcard_reader.h"
#include "personal/personal_records.h"

#include <string>

namespace zyntra {

class CharsetConverter;

// The address book's categories as a vCard's CATEGORIES names them.
const char* AddressCategoryName(int category);

// One entry as a whole vCard (BEGIN to END, folded, CRLF), its texts converted from the
// interface charset with `toUtf8`. The lock goes as X-ZYNTRA-LOCKED, so that a file read back
// keeps it.
std::string VCardOf(const ADDRESSBOOK& entry, VCardVersion version, const CharsetConverter& toUtf8);

// The address-book fields a card fills, texts in UTF-8; every property no field takes is named
// in the record's `unmapped` (only the version and the file's own bookkeeping are passed over).
ExchangeRecord AddressOfVCard(const VCard& card);

} // namespace zyntra
