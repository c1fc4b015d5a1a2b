// The "_info.dat" header of a drive: the file reader and the header parser.
#include "device/info_file.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zyntra;
    if (auto bytes = ReadInfoFile(fuzz::WriteInput("_info.dat", data, size))) {
        InfoHeader header = ParseInfoHeader(*bytes);
        // What was read must build back into a header without overrunning its fields.
        BuildInfoHeader(header);
    }
    return 0;
}
