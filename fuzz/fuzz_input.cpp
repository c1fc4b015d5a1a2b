#include "fuzz/fuzz_input.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace zyntra::fuzz {

const std::string& ScratchFolder() {
    static const std::string folder = [] {
        std::string pattern = "/tmp/zyntra-fuzz-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot make a scratch folder");
        return pattern + "/";
    }();
    return folder;
}

std::string WriteInput(std::string_view name, const std::uint8_t* data, std::size_t size) {
    const std::string path = ScratchFolder() + std::string(name);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        throw std::runtime_error("cannot write " + path);
    if (size > 0)
        std::fwrite(data, 1, size, file);
    std::fclose(file);
    return path;
}

} // namespace zyntra::fuzz
