// The splash clip reader (data/loading.avi is a file anyone can replace).
#include "fuzz/fuzz_input.h"
#include "ui/splash/avi_clip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zyntra::ReadAviClip(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    return 0;
}
