// SPDX-License-Identifier: GPL-3.0-or-later
#include "checksum.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace velmora {
namespace {

// Slicing-by-8 tables: kCrc[0] is the classic byte table; kCrc[k] advances a
// byte through k more zero bytes, so eight bytes are folded per step.
constexpr std::array<std::array<std::uint16_t, 256>, 8> makeCrcTables() {
    std::array<std::array<std::uint16_t, 256>, 8> t{};
    for (unsigned i = 0; i < 256; ++i) {
        std::uint16_t crc = static_cast<std::uint16_t>(i);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1u) ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001u) : static_cast<std::uint16_t>(crc >> 1);
        t[0][i] = crc;
    }
    for (std::size_t k = 1; k < 8; ++k)
        for (unsigned i = 0; i < 256; ++i)
            t[k][i] = static_cast<std::uint16_t>((t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFFu]);
    return t;
}
constexpr auto kCrc = makeCrcTables();

}  // namespace

std::uint16_t crc16Arc(std::span<const std::uint8_t> bytes, std::uint16_t crc) {
    const std::uint8_t* p = bytes.data();
    std::size_t n = bytes.size();
    while (n >= 8) {
        crc = static_cast<std::uint16_t>(
            kCrc[7][(p[0] ^ crc) & 0xFFu] ^ kCrc[6][(p[1] ^ (crc >> 8)) & 0xFFu] ^ kCrc[5][p[2]] ^ kCrc[4][p[3]] ^
            kCrc[3][p[4]] ^ kCrc[2][p[5]] ^ kCrc[1][p[6]] ^ kCrc[0][p[7]]);
        p += 8;
        n -= 8;
    }
    while (n--) crc = static_cast<std::uint16_t>(kCrc[0][(crc ^ *p++) & 0xFFu] ^ (crc >> 8));
    return crc;
}

std::uint16_t byteSum16(std::span<const std::uint8_t> bytes, std::uint16_t sum) {
    // Eight bytes at a time: the bytes of a word are added pairwise into four
    // 16-bit lanes, which are folded out before they can overflow.
    constexpr std::uint64_t kLow = 0x00FF00FF00FF00FFull;
    std::uint64_t total = sum;
    const std::uint8_t* p = bytes.data();
    std::size_t n = bytes.size();
    while (n >= 8) {
        std::uint64_t lanes = 0;
        const std::size_t words = std::min<std::size_t>(n / 8, 128);  // 128 x 510 < 65536
        for (std::size_t i = 0; i < words; ++i, p += 8) {
            std::uint64_t w;
            std::memcpy(&w, p, 8);
            lanes += (w & kLow) + ((w >> 8) & kLow);
        }
        n -= words * 8;
        total += (lanes & 0xFFFF) + ((lanes >> 16) & 0xFFFF) + ((lanes >> 32) & 0xFFFF) + (lanes >> 48);
    }
    while (n--) total += *p++;
    return static_cast<std::uint16_t>(total);
}

}  // namespace velmora
