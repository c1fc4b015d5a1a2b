// The input-method engines' configuration files: an IBus component (XML) and a fcitx5 file.
#include "fuzz/fuzz_input.h"
#include "platform/input_methods.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zyntra;
    fuzz::WriteInput("engine.xml", data, size);
    fuzz::WriteInput("engine.conf", data, size);
    ReadIBusEngines(fuzz::ScratchFolder());
    ReadFcitx5InputMethods(fuzz::ScratchFolder());
    return 0;
}
