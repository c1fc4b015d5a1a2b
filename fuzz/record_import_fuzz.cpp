// zyntra-cli's import readers: the first byte chooses JSON or CSV and the kind, the rest is the
// file. Every record handed over must go into memory or be refused with an error.
#include "exchange/charset_codec.h"
#include "exchange/record_format.h"
#include "exchange/record_table.h"
#include "fuzz/fuzz_input.h"

#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zyntra;
    if (size == 0)
        return 0;
    const RecordFormat format = data[0] & 1 ? RecordFormat::Csv : RecordFormat::Json;
    const RecordKind kind = kAllRecordKinds[(data[0] >> 1) % std::size(kAllRecordKinds)];
    std::istringstream in(std::string(fuzz::AsText(data + 1, size - 1)));
    static const CharsetCodec codec("BIG5");
    RecordLists lists;
    RecordImport import(lists, kind, codec, "2026/12/09", "2026-12-09 10:00:00");
    ReadRecords(in, format, FieldsOf(kind), [&](ImportedRecord&& record) { import.Add(record); });
    import.Commit();
    return 0;
}
