#include "device/device_record.h"

namespace zyntra {

std::string DEV_INFO::model() const {
    return ParseInfoHeader(header).model;
}
std::string DEV_INFO::ident() const {
    return ParseInfoHeader(header).ident;
}
std::int32_t DEV_INFO::driveKind() const {
    return ParseInfoHeader(header).driveKind;
}
std::uint8_t DEV_INFO::lockFlags() const {
    return ParseInfoHeader(header).lockFlags;
}

std::array<unsigned char, kInfoDigestSize> DEV_INFO::pwdDigest() const {
    return ParseInfoHeader(header).pwdDigest;
}

} // namespace zyntra
