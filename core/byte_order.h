// SPDX-License-Identifier: GPL-3.0-or-later
// Every multi-byte value of a channel file is big-endian.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace velmora {

constexpr std::uint16_t swap16(std::uint16_t v) { return static_cast<std::uint16_t>((v >> 8) | (v << 8)); }
constexpr std::uint32_t swap32(std::uint32_t v) {
    return (v >> 24) | ((v >> 8) & 0x0000FF00u) | ((v << 8) & 0x00FF0000u) | (v << 24);
}

constexpr std::uint16_t readU16BE(const std::uint8_t* p) {
    return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
}
constexpr std::uint32_t readU32BE(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}
constexpr void writeU16BE(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v >> 8);
    p[1] = static_cast<std::uint8_t>(v);
}
constexpr void writeU32BE(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v >> 24);
    p[1] = static_cast<std::uint8_t>(v >> 16);
    p[2] = static_cast<std::uint8_t>(v >> 8);
    p[3] = static_cast<std::uint8_t>(v);
}

// Sequential reader over untrusted bytes: every read is bounded by what is
// left, and once a read fails the reader stays failed.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes, std::size_t pos = 0) : bytes_(bytes), pos_(pos) {}

    bool ok() const { return ok_; }
    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return pos_ <= bytes_.size() ? bytes_.size() - pos_ : 0; }

    std::uint8_t u8() {
        if (!take(1)) return 0;
        return bytes_[pos_ - 1];
    }
    std::uint16_t u16() {
        if (!take(2)) return 0;
        return readU16BE(&bytes_[pos_ - 2]);
    }
    std::uint32_t u32() {
        if (!take(4)) return 0;
        return readU32BE(&bytes_[pos_ - 4]);
    }
    void bytes(std::span<std::uint8_t> out) {
        if (!take(out.size())) return;
        const std::uint8_t* src = bytes_.data() + (pos_ - out.size());
        for (std::size_t i = 0; i < out.size(); ++i) out[i] = src[i];
    }
    void skip(std::size_t n) { take(n); }

private:
    bool take(std::size_t n) {
        if (!ok_ || n > remaining()) {
            ok_ = false;
            return false;
        }
        pos_ += n;
        return true;
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t pos_;
    bool ok_ = true;
};

}  // namespace velmora
