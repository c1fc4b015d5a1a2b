#include "app/icon_files.h"

#include <cstdint>
#include <cstdio>
#include <fstream>

namespace zyntra {
namespace {

constexpr int kSize = 16;

struct IconFile {
    const char* name;
    unsigned colour;
};

constexpr IconFile kIconFiles[] = {
    {"Desktop.ico", 0x3A7BD5},
    {"Computer.ico", 0x5A6270},
    {"Personal.ico", 0xE0A030},
    {"File.ico", 0xF2F2F2},
};

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

bool InsideRoundedSquare(int x, int y) {
    const bool corner = (x == 0 || x == kSize - 1) && (y == 0 || y == kSize - 1);
    return !corner;
}

std::uint32_t Lighter(unsigned colour) {
    std::uint32_t r = ((colour >> 16) & 0xFF) / 2 + 128;
    std::uint32_t g = ((colour >> 8) & 0xFF) / 2 + 128;
    std::uint32_t b = (colour & 0xFF) / 2 + 128;
    return (r << 16) | (g << 8) | b;
}

} // namespace

std::string MakeIcon(unsigned colour) {
    const std::uint32_t pixelBytes = kSize * kSize * 4;
    const std::uint32_t maskBytes = kSize * 4; // one bit per pixel, rows padded to 32 bits
    const std::uint32_t imageBytes = 40 + pixelBytes + maskBytes;
    std::string ico;
    PutLittleEndian(ico, 0, 2); // reserved
    PutLittleEndian(ico, 1, 2); // type: icon
    PutLittleEndian(ico, 1, 2); // one image
    ico += static_cast<char>(kSize);
    ico += static_cast<char>(kSize);
    PutLittleEndian(ico, 0, 2); // no palette, reserved
    PutLittleEndian(ico, 1, 2); // planes
    PutLittleEndian(ico, 32, 2);
    PutLittleEndian(ico, imageBytes, 4);
    PutLittleEndian(ico, 6 + 16, 4);
    // The bitmap header counts the colour and the mask rows together: twice the height.
    PutLittleEndian(ico, 40, 4);
    PutLittleEndian(ico, kSize, 4);
    PutLittleEndian(ico, kSize * 2, 4);
    PutLittleEndian(ico, 1, 2);
    PutLittleEndian(ico, 32, 2);
    for (int i = 0; i < 6; ++i)
        PutLittleEndian(ico, 0, 4);
    for (int row = kSize - 1; row >= 0; --row) { // bottom-up
        for (int x = 0; x < kSize; ++x) {
            std::uint32_t rgb = (row >= 5 && row <= 7) ? Lighter(colour) : colour;
            std::uint32_t alpha = InsideRoundedSquare(x, row) ? 0xFF : 0;
            PutLittleEndian(ico, (alpha << 24) | rgb, 4);
        }
    }
    ico.append(maskBytes, '\0'); // the alpha channel decides; the mask shows everything
    return ico;
}

void WriteIconFiles(const std::string& userFolder) {
    for (const IconFile& icon : kIconFiles) {
        std::ofstream out(userFolder + icon.name, std::ios::binary | std::ios::trunc);
        const std::string bytes = MakeIcon(icon.colour);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
}

void DeleteIconFiles(const std::string& userFolder) {
    for (const IconFile& icon : kIconFiles)
        std::remove((userFolder + icon.name).c_str());
}

} // namespace zyntra
