// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_check.h"

#include <algorithm>
#include <cstdio>

#include "byte_order.h"
#include "channel_writer.h"
#include "transfer_protocol.h"

namespace velmora::cli {
namespace {

std::string hex16(unsigned v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%04X", v & 0xFFFFu);
    return buf;
}

}  // namespace

bool isTransferPadding(std::span<const std::uint8_t> tail) {
    return !tail.empty() && tail.size() <= link::kBlockDataSize &&
           std::all_of(tail.begin(), tail.end(), [](std::uint8_t b) { return b == 0xFF; });
}

std::vector<std::string> fileFindings(const ChannelDatabase& db, std::span<const std::uint8_t> bytes,
                                      std::size_t parsedSize) {
    std::vector<std::string> out;
    ChannelDatabase saved = db;
    const std::vector<std::uint8_t> expect = buildChannelFile(saved, SaveOptions{});
    auto compare = [&](const char* what, std::uint64_t stored, std::uint64_t computed, bool asHex = false) {
        if (stored == computed) return;
        out.push_back(std::string(what) + ": stored " + (asHex ? hex16(static_cast<unsigned>(stored)) : std::to_string(stored)) +
                      ", a save writes " + (asHex ? hex16(static_cast<unsigned>(computed)) : std::to_string(computed)));
    };
    compare("dataLength", db.header.dataLength, saved.header.dataLength);
    compare("channelDataLength", db.blockHead.channelDataLength, saved.blockHead.channelDataLength);
    compare("satellite sectionLength", db.satelliteSection.sectionLength, std::uint64_t{db.satelliteCount} * 52 + 1);
    compare("transponder sectionLength", db.transponderSection.sectionLength, std::uint64_t{db.transponderCount} * 16 + 2);
    compare("channel sectionLength", db.channelSection.sectionLength, (std::uint64_t{db.tvCount} + db.radioCount) * 44 + 4);
    std::uint64_t favoriteLength = 0;
    for (std::size_t g = 0; g < db.groupCount(); ++g)
        favoriteLength += (std::uint64_t{db.tvMemberCount[g]} + db.radioMemberCount[g] + 4) * 7;
    compare("favourite sectionLength", db.favoriteSection.sectionLength, favoriteLength);
    compare("checksum", db.header.checksum, saved.header.checksum, true);
    compare("CRC trailer", db.crcTrailer, readU16BE(&expect[expect.size() - 2]), true);
    const std::span<const std::uint8_t> tail = bytes.subspan(std::min(parsedSize, bytes.size()));
    if (!tail.empty() && !isTransferPadding(tail))
        out.push_back(std::to_string(tail.size()) + " bytes follow the CRC trailer; a save drops them");
    if (!link::downloadAccepts(db.header.usageType))
        out.push_back("usage type " + hex16(db.header.usageType) + " is unknown; send refuses the file (\"" +
                      link::kTextInvalidFormat + "\")");

    for (std::size_t i = 0; i < db.transponderCount; ++i)
        if (db.transponders[i].satelliteIndex >= db.satelliteCount)
            out.push_back("transponder " + std::to_string(i) + ": satelliteIndex " +
                          std::to_string(db.transponders[i].satelliteIndex) + " is outside the " +
                          std::to_string(db.satelliteCount) + " satellites");
    for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
        const char* name = kind == ChannelKind::Tv ? "tv" : "radio";
        for (std::size_t i = 0; i < db.channelCount(kind); ++i)
            if (db.channels(kind)[i].transponderIndex >= db.transponderCount)
                out.push_back(std::string(name) + " " + std::to_string(i) + ": transponderIndex " +
                              std::to_string(db.channels(kind)[i].transponderIndex) + " is outside the " +
                              std::to_string(db.transponderCount) + " transponders");
        std::size_t at = 0;
        for (std::size_t g = 0; g < db.groupCount(); ++g)
            for (std::size_t j = 0; j < db.memberCounts(kind)[g]; ++j, ++at)
                if (db.members(kind)[at] >= db.channelCount(kind))
                    out.push_back("favourite group " + std::to_string(g) + ": " + name + " member " + std::to_string(j) +
                                  " is channel " + std::to_string(db.members(kind)[at]) + ", outside the " +
                                  std::to_string(db.channelCount(kind)) + " " + name + " channels");
    }
    return out;
}

}  // namespace velmora::cli
