// The mount table (/proc/self/mountinfo) and the simulated volume table.
#include "fuzz/fuzz_input.h"
#include "platform/mount_info.h"
#include "platform/volumes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zyntra;
    const std::string_view text = fuzz::AsText(data, size);
    ParseMountInfo(text, [](const BlockDevice&) { return BlockDeviceFacts{}; });
    ParseVolumeTable(text);
    return 0;
}
