#include "storage/password_digest.h"

#include <algorithm>
#include <cstring>
#include <openssl/crypto.h>
#include <openssl/evp.h>

namespace zyntra {
namespace {

constexpr std::size_t kBlockSize = 128;
constexpr std::size_t kMaxPart = 64;

std::size_t PartLength(const char* text) {
    return text != nullptr ? strnlen(text, kMaxPart) : 0;
}

} // namespace

std::array<unsigned char, 16> Md5Digest(const void* data, std::size_t size) {
    std::array<unsigned char, 16> digest{};
    unsigned int length = 0;
    EVP_Digest(data, size, digest.data(), &length, EVP_md5(), nullptr);
    return digest;
}

void PasswordDigest(const char* password, const char* salt, unsigned char* out) {
    std::size_t a = PartLength(password);
    std::size_t b = PartLength(salt);
    unsigned char block[kBlockSize] = {};
    std::copy_n(password, a, block);
    std::copy_n(password, a, block + kBlockSize - a);
    // Last, so that for a password of 33 bytes or more the salt covers the
    // end of the first copy.
    std::copy_n(salt, b, block + kMaxPart - a);
    std::array<unsigned char, 16> digest = Md5Digest(block, kBlockSize);
    std::copy(digest.begin(), digest.end(), out);
    out[16] = 0;
}

bool DigestsEqual(const unsigned char* a, const unsigned char* b, std::size_t size) {
    // OpenSSL's comparison reads every byte whatever it finds, and is written so that no
    // compiler turns it into one that leaves at the first difference.
    return CRYPTO_memcmp(a, b, size) == 0;
}

} // namespace zyntra
