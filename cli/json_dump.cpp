// SPDX-License-Identifier: GPL-3.0-or-later
#include "json_dump.h"

#include <span>
#include <string>

namespace velmora::cli {
namespace {

using json = nlohmann::ordered_json;

std::string text(std::span<const std::uint8_t> field) { return latin1ToUtf8(fieldText(field)); }

std::string hex(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        out.push_back(kDigits[b >> 4]);
        out.push_back(kDigits[b & 0xF]);
    }
    return out;
}

json section(const SectionHead& s) { return {{"sectionTag", s.sectionTag}, {"sectionLength", s.sectionLength}}; }

json channels(const ChannelDatabase& db, ChannelKind kind) {
    json out = json::array();
    const auto& table = db.channels(kind);
    for (std::size_t i = 0; i < db.channelCount(kind); ++i) {
        const ChannelEntry& c = table[i];
        out.push_back({{"transponderIndex", c.transponderIndex}, {"serviceId", c.serviceId}, {"name", text(c.name)},
                       {"pmtPid", c.pmtPid}, {"videoPid", c.videoPid}, {"audioPid", c.audioPid},
                       {"pcrPid", c.pcrPid}, {"pidMode", c.pidMode}, {"scrambled", c.scrambled},
                       {"locked", c.locked}});
    }
    return out;
}

}  // namespace

json toJson(const ChannelDatabase& db) {
    const FileHeader& h = db.header;
    json out;
    out["header"] = {{"magic", h.magic},
                     {"usageType", h.usageType},
                     {"checksum", h.checksum},
                     {"headerParam1", h.headerParam1},
                     {"dataLength", h.dataLength},
                     {"headerParam2", h.headerParam2},
                     {"headerParam3", h.headerParam3},
                     {"headerParam4", h.headerParam4},
                     {"headerParam5", h.headerParam5},
                     {"headerText", text(std::span(h.headerText.data(), kHeaderTextSize))}};
    out["blockHead"] = {{"channelMagic", db.blockHead.channelMagic},
                        {"channelParam1", db.blockHead.channelParam1},
                        {"channelParam2", db.blockHead.channelParam2},
                        {"channelDataLength", db.blockHead.channelDataLength}};
    const GeneralSection& g = db.general;
    out["general"] = {{"sectionTag", g.head.sectionTag},   {"sectionLength", g.head.sectionLength},
                      {"generalWord1", g.generalWord1},    {"generalWord2", g.generalWord2},
                      {"generalWord3", g.generalWord3},    {"favoriteGroupCount", g.favoriteGroupCount},
                      {"generalWord5", g.generalWord5},    {"generalBytes", hex(g.generalBytes)}};
    out["sections"] = {{"general", section(g.head)},
                       {"satellite", section(db.satelliteSection)},
                       {"transponder", section(db.transponderSection)},
                       {"channel", section(db.channelSection)},
                       {"favorite", section(db.favoriteSection)}};

    json sats = json::array();
    for (std::size_t i = 0; i < db.satelliteCount; ++i) {
        const SatelliteEntry& s = db.satellites[i];
        sats.push_back({{"band", s.band},
                        {"longitude", s.longitude},
                        {"name", text(s.name)},
                        {"satelliteExtra", hex(db.satelliteExtra[i])}});
    }
    out["satellites"] = std::move(sats);

    json tps = json::array();
    for (std::size_t i = 0; i < db.transponderCount; ++i) {
        const TransponderEntry& t = db.transponders[i];
        tps.push_back({{"networkId", t.networkId},       {"transponderId", t.transponderId},
                       {"frequency", t.frequency},       {"symbolRate", t.symbolRate},
                       {"polarization", t.polarization}, {"fec", t.fec},
                       {"satelliteIndex", t.satelliteIndex}});
    }
    out["transponders"] = std::move(tps);
    out["tv"] = channels(db, ChannelKind::Tv);
    out["radio"] = channels(db, ChannelKind::Radio);

    json groups = json::array();
    std::size_t tvAt = 0, radioAt = 0;
    for (std::size_t grp = 0; grp < db.groupCount(); ++grp) {
        json tvMembers = json::array(), radioMembers = json::array();
        for (std::size_t j = 0; j < db.tvMemberCount[grp]; ++j) tvMembers.push_back(db.tvMembers[tvAt++]);
        for (std::size_t j = 0; j < db.radioMemberCount[grp]; ++j) radioMembers.push_back(db.radioMembers[radioAt++]);
        groups.push_back({{"name", text(db.groupNames[grp])},
                          {"tvMembers", std::move(tvMembers)},
                          {"radioMembers", std::move(radioMembers)}});
    }
    out["favorites"] = std::move(groups);

    if (db.hasExtraBlock)
        out["extra"] = {{"extraLength", db.extraLength},
                        {"extraData", hex(std::span(db.extraData.data(), db.extraLength))}};
    else
        out["extra"] = nullptr;
    out["crcTrailer"] = db.crcTrailer;
    return out;
}

}  // namespace velmora::cli
