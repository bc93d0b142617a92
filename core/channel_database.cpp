// SPDX-License-Identifier: GPL-3.0-or-later
#include "channel_database.h"

#include <algorithm>
#include <numeric>

namespace velmora {

std::string FileHeader::modelText() const { return fieldText(headerText); }

void ChannelDatabase::allocateTables(bool workingTables) {
    satellites.assign(kSatelliteCapacity, {});
    satelliteExtra.assign(kSatelliteCapacity, {});
    transponders.assign(kTransponderCapacity, {});
    tv.assign(kChannelCapacity, {});
    radio.assign(kChannelCapacity, {});
    groupNames.assign(kGroupCapacity, {});
    tvMemberCount.assign(kGroupCapacity, 0);
    radioMemberCount.assign(kGroupCapacity, 0);
    tvMembers.assign(kMemberCapacity, 0);
    radioMembers.assign(kMemberCapacity, 0);
    if (workingTables) {
        workingSatellites.assign(kSatelliteCapacity, {});
        workingTransponders.assign(kTransponderCapacity, {});
        workingTv.assign(kChannelCapacity, {});
        workingRadio.assign(kChannelCapacity, {});
        workingTvMembers.assign(kMemberCapacity, 0);
        workingRadioMembers.assign(kMemberCapacity, 0);
    } else {
        workingSatellites.clear();
        workingTransponders.clear();
        workingTv.clear();
        workingRadio.clear();
        workingTvMembers.clear();
        workingRadioMembers.clear();
    }
    extraData.assign(kExtraCapacity, 0);
    satelliteCount = transponderCount = tvCount = radioCount = 0;
    hasExtraBlock = false;
    extraLength = 0;
}

void ChannelDatabase::syncWorkingTables() {
    workingSatellites = satellites;
    workingTransponders = transponders;
    workingTv = tv;
    workingRadio = radio;
    workingTvMembers = tvMembers;
    workingRadioMembers = radioMembers;
}

std::size_t ChannelDatabase::groupMemberOffset(ChannelKind k, std::size_t g) const {
    const auto& counts = memberCounts(k);
    const std::size_t end = std::min({g, counts.size(), std::size_t{groupCount()}});
    return std::accumulate(counts.begin(), counts.begin() + static_cast<std::ptrdiff_t>(end), std::size_t{0});
}

std::size_t ChannelDatabase::totalMembers(ChannelKind k) const { return groupMemberOffset(k, groupCount()); }

const TransponderEntry* ChannelDatabase::transponderOf(const ChannelEntry& ch) const {
    if (ch.transponderIndex >= transponderCount || ch.transponderIndex >= transponders.size()) return nullptr;
    return &transponders[ch.transponderIndex];
}

const SatelliteEntry* ChannelDatabase::satelliteOf(const TransponderEntry& tp) const {
    if (tp.satelliteIndex >= satelliteCount || tp.satelliteIndex >= satellites.size()) return nullptr;
    return &satellites[tp.satelliteIndex];
}

const ChannelEntry* ChannelDatabase::channelAt(ChannelKind k, std::size_t row) const {
    const auto& table = channels(k);
    if (row >= channelCount(k) || row >= table.size()) return nullptr;
    return &table[row];
}

std::string fieldText(std::span<const std::uint8_t> field) {
    const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
    return std::string(field.begin(), end);
}

bool setFieldText(std::span<std::uint8_t> field, std::string_view text) {
    if (field.empty()) return text.empty();
    const std::size_t n = std::min(text.size(), field.size() - 1);
    std::fill(field.begin(), field.end(), std::uint8_t{0});
    std::copy_n(reinterpret_cast<const std::uint8_t*>(text.data()), n, field.begin());
    return n == text.size();
}

std::string latin1ToUtf8(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (unsigned char c : latin1) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

bool utf8ToLatin1(std::string_view utf8, std::string& latin1) {
    latin1.resize(utf8.size());  // never longer than the UTF-8
    std::size_t n = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            latin1[n++] = static_cast<char>(c);
        } else if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size() &&
                   (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80) {
            latin1[n++] = static_cast<char>(((c & 0x03) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F));
            ++i;
        } else {
            latin1.resize(n);
            return false;  // beyond U+00FF or malformed
        }
    }
    latin1.resize(n);
    return true;
}

}  // namespace velmora
