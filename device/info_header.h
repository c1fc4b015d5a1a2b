#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zyntra {

// The head of the description file "_info.dat" in the root of each drive of
// the device: 256 bytes, little-endian integers, zero-terminated texts.
inline constexpr std::size_t kInfoHeaderSize = 256;
inline constexpr std::size_t kInfoModelOffset = 8;
inline constexpr std::size_t kInfoIdentOffset = 72;
inline constexpr std::size_t kInfoDriveKindOffset = 148;
inline constexpr std::size_t kInfoLockFlagsOffset = 156;
inline constexpr std::size_t kInfoDigestOffset = 160;
inline constexpr std::size_t kInfoDigestSize = 32;
inline constexpr const char kInfoFileName[] = "_info.dat";
inline constexpr const char kDeviceModel[] = "QX740";

using InfoHeaderBytes = std::array<unsigned char, kInfoHeaderSize>;

enum class DriveKind : std::int32_t { InternalMemory = 0, MemoryCard = 1 };

// The fields the program reads, for building headers (fixtures, the demo
// device) and reading them.
struct InfoHeader {
    std::string model;
    std::string ident;
    std::int32_t driveKind = 0;
    std::uint8_t lockFlags = 0; // bit 0: personal data protected by a password
    std::array<unsigned char, kInfoDigestSize> pwdDigest{};
};

// Texts longer than their fields are cut so that the terminating zero stays.
InfoHeaderBytes BuildInfoHeader(const InfoHeader& header);
InfoHeader ParseInfoHeader(const InfoHeaderBytes& bytes);

} // namespace zyntra
