#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// What the fuzz targets share: the readers under test take files, so each input is written to a
// file of the process's own scratch folder first.

namespace zyntra::fuzz {

// A folder of this process, made on first use and left for the system's temporary cleaning.
const std::string& ScratchFolder();

// Writes the input to `name` in the scratch folder (replacing the last input) and returns its
// path.
std::string WriteInput(std::string_view name, const std::uint8_t* data, std::size_t size);

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

} // namespace zyntra::fuzz
