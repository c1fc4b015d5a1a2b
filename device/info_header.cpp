#include "device/info_header.h"

#include <algorithm>
#include <cstring>

namespace zyntra {
namespace {

constexpr std::size_t kModelSize = kInfoIdentOffset - kInfoModelOffset;
constexpr std::size_t kIdentSize = kInfoDriveKindOffset - kInfoIdentOffset;

void PutText(InfoHeaderBytes& bytes, std::size_t offset, std::size_t size,
             const std::string& text) {
    std::size_t length = std::min(text.size(), size - 1);
    std::memcpy(bytes.data() + offset, text.data(), length);
}

std::string GetText(const InfoHeaderBytes& bytes, std::size_t offset, std::size_t size) {
    const char* start = reinterpret_cast<const char*>(bytes.data() + offset);
    return std::string(start, strnlen(start, size));
}

} // namespace

InfoHeaderBytes BuildInfoHeader(const InfoHeader& header) {
    InfoHeaderBytes bytes{};
    PutText(bytes, kInfoModelOffset, kModelSize, header.model);
    PutText(bytes, kInfoIdentOffset, kIdentSize, header.ident);
    auto kind = static_cast<std::uint32_t>(header.driveKind);
    for (int i = 0; i < 4; ++i)
        bytes[kInfoDriveKindOffset + i] = static_cast<unsigned char>(kind >> (8 * i));
    bytes[kInfoLockFlagsOffset] = header.lockFlags;
    std::copy(header.pwdDigest.begin(), header.pwdDigest.end(), bytes.begin() + kInfoDigestOffset);
    return bytes;
}

InfoHeader ParseInfoHeader(const InfoHeaderBytes& bytes) {
    InfoHeader header;
    header.model = GetText(bytes, kInfoModelOffset, kModelSize);
    header.ident = GetText(bytes, kInfoIdentOffset, kIdentSize);
    std::uint32_t kind = 0;
    for (int i = 0; i < 4; ++i)
        kind |= static_cast<std::uint32_t>(bytes[kInfoDriveKindOffset + i]) << (8 * i);
    header.driveKind = static_cast<std::int32_t>(kind);
    header.lockFlags = bytes[kInfoLockFlagsOffset];
    std::copy_n(bytes.begin() + kInfoDigestOffset, kInfoDigestSize, header.pwdDigest.begin());
    return header;
}

} // namespace zyntra
