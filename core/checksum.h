// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>

namespace velmora {

// CRC-16/ARC: polynomial 0x8005 reflected (0xA001), initial value 0, no final XOR.
std::uint16_t crc16Arc(std::span<const std::uint8_t> bytes, std::uint16_t crc = 0);

// Unsigned byte sum, low 16 bits kept.
std::uint16_t byteSum16(std::span<const std::uint8_t> bytes, std::uint16_t sum = 0);

}  // namespace velmora
