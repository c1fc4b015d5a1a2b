#pragma once

#include <array>
#include <cstddef>

namespace zyntra {

// The salt mixed into every password digest.
inline constexpr char kPasswordSalt[] = "Quodlis";

inline constexpr std::size_t kPasswordDigestSize = 17;

// The RFC 1321 MD5 digest of size bytes at data.
std::array<unsigned char, 16> Md5Digest(const void* data, std::size_t size);

// Writes the 16 MD5 bytes of the password block of password and salt (both
// zero-terminated byte strings, each used up to 64 bytes, no charset
// conversion) and one zero byte to out[0..16].
void PasswordDigest(const char* password, const char* salt, unsigned char* out);

// Whether the size bytes at a and at b are equal. Every byte is read whatever the earlier ones
// held, so how long the check takes does not tell how many leading bytes of a typed password's
// digest were right.
bool DigestsEqual(const unsigned char* a, const unsigned char* b, std::size_t size);

} // namespace zyntra
