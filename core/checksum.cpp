#include "checksum.h"

#include <array>

namespace velmora {
namespace {

constexpr std::array<std::uint16_t, 256> makeCrcTable() {
    std::array<std::uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        std::uint16_t crc = static_cast<std::uint16_t>(i);
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1u) ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001u) : static_cast<std::uint16_t>(crc >> 1);
        table[i] = crc;
    }
    return table;
}
constexpr auto kCrcTable = makeCrcTable();

}  // namespace

std::uint16_t crc16Arc(std::span<const std::uint8_t> bytes, std::uint16_t crc) {
    for (std::uint8_t b : bytes) crc = static_cast<std::uint16_t>(kCrcTable[(crc ^ b) & 0xFFu] ^ (crc >> 8));
    return crc;
}

std::uint16_t byteSum16(std::span<const std::uint8_t> bytes, std::uint16_t sum) {
    std::uint32_t acc = sum;
    for (std::uint8_t b : bytes) acc += b;
    return static_cast<std::uint16_t>(acc);
}

}  // namespace velmora
