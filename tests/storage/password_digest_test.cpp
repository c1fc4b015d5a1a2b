#include "storage/password_digest.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <openssl/evp.h>
#include <string>

namespace zyntra {
namespace {

std::string Hex(const unsigned char* bytes, std::size_t size) {
    std::string hex;
    char pair[3];
    for (std::size_t i = 0; i < size; ++i) {
        std::snprintf(pair, sizeof pair, "%02x", bytes[i]);
        hex += pair;
    }
    return hex;
}

std::string Md5Hex(const std::string& text) {
    return Hex(Md5Digest(text.data(), text.size()).data(), 16);
}

TEST(Md5, ReproducesTheRfc1321Suite) {
    EXPECT_EQ(Md5Hex(""), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(Md5Hex("a"), "0cc175b9c0f1b6a831c399e269772661");
    EXPECT_EQ(Md5Hex("abc"), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(Md5Hex("message digest"), "f96b697d7cb7938d525a2f31aaf161d0");
    EXPECT_EQ(Md5Hex("abcdefghijklmnopqrstuvwxyz"), "c3fcd3d76192e4007dfb496cca67e13b");
    EXPECT_EQ(Md5Hex("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"),
              "d174ab98d277d9f5a5611c2c9f419d9f");
    std::string digits;
    for (int i = 0; i < 8; ++i)
        digits += "1234567890";
    EXPECT_EQ(Md5Hex(digits), "57edf4a22be3c955ac49da2e2107b67a");
}

// The block read position by position: the salt wins from byte 64 - a, then
// the first password copy, then the second copy ending at byte 127.
std::string ExpectedDigestHex(const std::string& password, const std::string& salt) {
    std::size_t a = std::min<std::size_t>(password.size(), 64);
    std::size_t b = std::min<std::size_t>(salt.size(), 64);
    unsigned char block[128];
    for (std::size_t i = 0; i < 128; ++i) {
        if (i + a >= 64 && i + a < 64 + b)
            block[i] = salt[i + a - 64];
        else if (i < a)
            block[i] = password[i];
        else if (i >= 128 - a)
            block[i] = password[i - (128 - a)];
        else
            block[i] = 0;
    }
    unsigned char md[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    EVP_Digest(block, sizeof block, md, &size, EVP_md5(), nullptr);
    return Hex(md, size);
}

std::string DigestHex(const std::string& password) {
    unsigned char out[32];
    std::fill(std::begin(out), std::end(out), 0xAA);
    PasswordDigest(password.c_str(), kPasswordSalt, out);
    EXPECT_EQ(out[16], 0);
    EXPECT_EQ(out[17], 0xAA);
    return Hex(out, 16);
}

TEST(PasswordDigest, BuildsTheBlockForEveryPasswordLength) {
    EXPECT_STREQ(kPasswordSalt, "Quodlis");
    // Computed apart from this code (Python hashlib over "1234", "Quodlis" at 60, "1234" at 124).
    EXPECT_EQ(DigestHex("1234"), "9888fc5dc17d1b914f1c4021e12d5fd0");

    std::string seventy;
    for (int i = 0; i < 70; ++i)
        seventy += static_cast<char>('!' + i);
    for (std::size_t length : {0, 1, 32, 33, 57, 58, 64, 70}) {
        std::string password = seventy.substr(0, length);
        EXPECT_EQ(DigestHex(password), ExpectedDigestHex(password, kPasswordSalt))
            << "password of " << length << " bytes";
    }
    EXPECT_EQ(DigestHex(seventy), DigestHex(seventy.substr(0, 64)));
    EXPECT_NE(DigestHex(seventy.substr(0, 33)), DigestHex(seventy.substr(0, 32)));
}

TEST(DigestsEqual, FindsADifferenceInAnyBitOfAnyByte) {
    unsigned char stored[32] = {};
    PasswordDigest("open sesame", kPasswordSalt, stored);
    unsigned char typed[32];
    std::copy(std::begin(stored), std::end(stored), typed);
    EXPECT_TRUE(DigestsEqual(typed, stored, sizeof stored));
    // Nothing to compare is no difference.
    EXPECT_TRUE(DigestsEqual(typed, stored, 0));

    for (std::size_t at = 0; at < sizeof typed; ++at) {
        for (int bit = 0; bit < 8; ++bit) {
            typed[at] ^= static_cast<unsigned char>(1 << bit);
            EXPECT_FALSE(DigestsEqual(typed, stored, sizeof stored)) << at << ":" << bit;
            EXPECT_FALSE(DigestsEqual(stored, typed, sizeof stored)) << at << ":" << bit;
            typed[at] ^= static_cast<unsigned char>(1 << bit);
        }
    }
    // Only the first size bytes count.
    typed[31] = 0x5A;
    EXPECT_TRUE(DigestsEqual(typed, stored, 31));
    EXPECT_FALSE(DigestsEqual(typed, stored, 32));

    unsigned char empty[32] = {};
    PasswordDigest("", kPasswordSalt, empty);
    EXPECT_FALSE(DigestsEqual(empty, stored, sizeof stored));
}

} // namespace
} // namespace zyntra
