// SPDX-License-Identifier: GPL-3.0-or-later
// Small channel-file images and an in-memory upload sink for the transfer tests.
#pragma once

#include <cstdint>
#include <numeric>
#include <span>
#include <string>
#include <vector>

#include "byte_order.h"
#include "checksum.h"
#include "transfer_protocol.h"
#include "virtual_receiver.h"

namespace velmora::test {

struct HeaderFields {
    std::uint16_t usageType = 2;
    std::uint32_t headerParam2 = 0x1234;
    std::uint32_t headerParam3 = 66051;
    std::uint32_t headerParam5 = 0;
    const char* model = "VM-9000";
    bool validChecksum = true;
    bool magicOk = true;
};

// A file of `size` bytes: a valid header, then data bytes that vary with the
// offset so that a misplaced block shows. dataLength covers everything after
// the header and checksum is their byte sum unless told otherwise.
inline std::vector<std::uint8_t> makeFile(std::size_t size, const HeaderFields& f = {}) {
    std::vector<std::uint8_t> b(size, 0);
    for (std::size_t i = 64; i < size; ++i) b[i] = static_cast<std::uint8_t>((i * 7 + i / 251) & 0xFF);
    writeU32BE(&b[0], f.magicOk ? 0x55AA55AAu : 0x12345678u);
    writeU16BE(&b[4], f.usageType);
    const std::uint32_t dataLength = static_cast<std::uint32_t>(size - 64);
    std::uint16_t sum = byteSum16(std::span<const std::uint8_t>(b.data() + 64, size - 64));
    writeU16BE(&b[6], f.validChecksum ? sum : static_cast<std::uint16_t>(sum + 1));
    writeU32BE(&b[8], 0xA1A2A3A4u);
    writeU32BE(&b[12], dataLength);
    writeU32BE(&b[16], f.headerParam2);
    writeU32BE(&b[20], f.headerParam3);
    writeU32BE(&b[24], 0xB1B2B3B4u);
    writeU32BE(&b[28], f.headerParam5);
    for (std::size_t i = 0; f.model[i] && i < 31; ++i) b[32 + i] = static_cast<std::uint8_t>(f.model[i]);
    return b;
}

// Upload sink in memory with failures on demand; counts commits and discards.
class MemorySink : public link::UploadSink {
public:
    bool failCreate = false;
    int failWriteAfter = -1;  // number of successful writes before one fails
    bool failClose = false;

    std::vector<std::uint8_t> stored;
    std::string createdPath;
    int creates = 0, writes = 0;
    bool open = false;
    bool writeAfterClose = false;

    bool create(const std::string& path) override {
        ++creates;
        if (failCreate) return false;
        createdPath = path;
        stored.clear();
        open = true;
        return true;
    }
    bool write(std::span<const std::uint8_t> bytes) override {
        if (!open) {
            writeAfterClose = true;
            return false;
        }
        if (failWriteAfter >= 0 && writes >= failWriteAfter) return false;
        ++writes;
        stored.insert(stored.end(), bytes.begin(), bytes.end());
        return true;
    }
    bool close() override {
        open = false;
        return !failClose;
    }
    bool readBack(std::vector<std::uint8_t>& out) override {
        out = stored;
        return true;
    }
    bool commit() override {
        ++commits;
        return !failCommit;
    }
    void discard() override {
        ++discards;
        open = false;
    }
    bool failCommit = false;
    int commits = 0, discards = 0;
};

inline link::VirtualReceiver::Options refusing(link::VirtualReceiver::Refusal r) {
    link::VirtualReceiver::Options o;
    o.refuse = r;
    return o;
}
inline link::VirtualReceiver::Options judging(link::VirtualReceiver::Verdict v) {
    link::VirtualReceiver::Options o;
    o.verdict = v;
    return o;
}
inline link::VirtualReceiver::Options serving(std::vector<std::uint8_t> file) {
    link::VirtualReceiver::Options o;
    o.serve = std::move(file);
    return o;
}

}  // namespace velmora::test
