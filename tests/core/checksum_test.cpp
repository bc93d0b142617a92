// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string_view>

#include "byte_order.h"
#include "checksum.h"

namespace velmora {
namespace {

std::span<const std::uint8_t> bytesOf(std::string_view s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

TEST(Checksums, crc16ArcOfTheStandardCheckStringIs0xBB3D) {
    EXPECT_EQ(crc16Arc(bytesOf("123456789")), 0xBB3D);
    EXPECT_EQ(crc16Arc({}), 0);
}

TEST(Checksums, crcCanBeComputedInPieces) {
    const auto all = bytesOf("123456789");
    EXPECT_EQ(crc16Arc(all.subspan(4), crc16Arc(all.first(4))), 0xBB3D);
}

TEST(Checksums, crcOfLongRunsMatchesTheBitwiseDefinition) {
    // The fast path folds eight bytes at a time; check it against the
    // definition (one bit at a time) on lengths around the fold width.
    std::vector<std::uint8_t> data(1000);
    std::uint32_t x = 12345;
    for (auto& b : data) b = static_cast<std::uint8_t>((x = x * 1103515245u + 12345u) >> 16);
    for (std::size_t len : {1u, 7u, 8u, 9u, 15u, 16u, 17u, 999u, 1000u}) {
        std::uint16_t crc = 0;
        for (std::size_t i = 0; i < len; ++i) {
            crc ^= data[i];
            for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001) : static_cast<std::uint16_t>(crc >> 1);
        }
        EXPECT_EQ(crc16Arc(std::span(data.data(), len)), crc) << len;
    }
}

TEST(Checksums, byteSumKeepsTheLow16Bits) {
    std::vector<std::uint8_t> ff(300, 0xFF);  // 300 * 255 = 76500 = 0x12AD4
    EXPECT_EQ(byteSum16(ff), 0x2AD4);
    EXPECT_EQ(byteSum16(bytesOf("\x01\x02\x03")), 6);
}

TEST(ByteOrder, swapsAndBigEndianReadsAgree) {
    EXPECT_EQ(swap16(0x1234), 0x3412);
    EXPECT_EQ(swap32(0x12345678u), 0x78563412u);
    const std::uint8_t b[] = {0x55, 0xAA, 0x55, 0xAB};
    EXPECT_EQ(readU32BE(b), 0x55AA55ABu);
    EXPECT_EQ(readU16BE(b + 2), 0x55AB);
}

TEST(ByteOrder, readerStopsAtTheEndAndStaysFailed) {
    const std::uint8_t b[] = {1, 2, 3};
    ByteReader in(b);
    EXPECT_EQ(in.u16(), 0x0102);
    EXPECT_EQ(in.u16(), 0);  // only one byte left
    EXPECT_FALSE(in.ok());
    EXPECT_EQ(in.u8(), 0);   // a failed reader never reads again
    EXPECT_EQ(in.position(), 2u);
}

}  // namespace
}  // namespace velmora
