#pragma once

#include "device/info_header.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zyntra {

// The device table and the content index are fixed tables: a scan never
// keeps more devices, a device never more index rows, than these.
inline constexpr int kMaxDevices = 5;
inline constexpr int kMaxFileInfoRows = 100;

inline constexpr int kInternalMemoryPart = 0;
inline constexpr int kMemoryCardPart = 1;

// One connected device. The header is the "_info.dat" head of the drive
// through which the device was first found; the accessors read its fields.
struct DEV_INFO {
    InfoHeaderBytes header{};
    // [0] internal memory, [1] memory card: mount roots ending in '/', or ""
    // when that drive was not found.
    std::array<std::string, 2> rootPath;
    // Absolute indices of the device's nodes in the device tree.
    int dictNode = 0;
    int cardNode = 0;
    int deviceNode = 0;
    // Content codes from row 0 of the content index.
    std::string mainClass;
    std::string subClass;

    std::string model() const;
    std::string ident() const;
    std::int32_t driveKind() const;
    std::uint8_t lockFlags() const;
    std::array<unsigned char, kInfoDigestSize> pwdDigest() const;

    bool Locked() const { return (lockFlags() & 1) != 0; }
};

// One row of a device's content index (the table "file" of its PIM.db).
struct FILE_INFO {
    int field_01 = 0;
    int field_02 = 0;
    int field_04 = 0; // 0: the row names a folder, else a database file
    std::string hw_name;
    std::string hw_path; // relative to the drive root; "" for the root
    std::string mainClass;
    std::string subClass;

    bool IsFolder() const { return field_04 == 0; }
};

// What a discovery found, for front ends without a device tree (the command
// line's device listing).
struct DiscoveredDevice {
    std::string model;
    std::string ident;
    std::string internalRoot; // "" when only the card was seen
    std::string cardRoot;     // "" without a card
    bool locked = false;
    std::string mainClass;
    std::string subClass;
};

struct DiscoveryResult {
    // Exactly one device, reached through its internal memory.
    bool usable = false;
    // The devices the scan registered, before a refused scan empties the table.
    std::vector<DiscoveredDevice> devices;
};

} // namespace zyntra
