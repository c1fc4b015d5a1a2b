#pragma once

namespace zyntra {

// In BIG5 and GB2312 a byte 0x81..0xFE starts a two-byte character; every other byte is a
// character of its own.
inline bool IsDoubleByteLead(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}

} // namespace zyntra
