// SPDX-License-Identifier: GPL-3.0-or-later
#include "sample_data.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

#include "channel_writer.h"

namespace velmora {
namespace {

// Small deterministic generator (the standard distributions differ between
// libraries, and samples must be identical everywhere).
class Rng {
public:
    explicit Rng(std::uint64_t seed) : s_(seed * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull) {}
    std::uint64_t next() {
        s_ ^= s_ >> 12;
        s_ ^= s_ << 25;
        s_ ^= s_ >> 27;
        return s_ * 0x2545F4914F6CDD1Dull;
    }
    unsigned below(unsigned n) { return n ? static_cast<unsigned>(next() % n) : 0; }

private:
    std::uint64_t s_;
};

constexpr std::array<const char*, 12> kSatelliteNames{
    "Astra 1KR", "Hot Bird 13C", "Eutelsat 7B", "Thor 6", "Hispasat 30W-6", "Turksat 4A",
    "Intelsat 907", "Amos 3", "Badr 7", "Express AM44", "Yamal 402", "Nilesat 201"};
constexpr std::array<const char*, 24> kWords{
    "News", "Sport", "Movie", "Music", "Kids", "Travel", "Nature", "History", "Comedy", "Drama", "Jazz", "Classic",
    "Prime", "Euro", "World", "Cinema", "Family", "Science", "Fashion", "Cooking", "Weather", "Auto", "Arena", "Pop"};
constexpr std::array<const char*, 8> kSuffixes{"One", "24", "HD", "Plus", "TV", "Max", "Live", "2"};
constexpr std::array<const char*, 10> kGroupNames{"News",  "Sports", "Movies", "Music",  "Kids",
                                                  "Documentary", "Favourites", "Family", "Radio Mix", "Night"};

std::string channelName(Rng& rng, unsigned n, bool radio) {
    // Drawn one after the other, suffix first as the samples made so far
    // have it: the operands of + may be evaluated in any order, and a sample
    // must be the same whichever compiler built it.
    const char* suffix = kSuffixes[rng.below(kSuffixes.size())];
    const char* word = kWords[rng.below(kWords.size())];
    std::string name = std::string(radio ? "Radio " : "") + word + " " + suffix;
    if (n >= kWords.size()) name += " " + std::to_string(n);
    if (name.size() > kChannelNameSize - 1) name.resize(kChannelNameSize - 1);
    return name;
}

}  // namespace

SampleOptions SampleOptions::capacity() {
    SampleOptions o;
    o.satellites = kMaxSatellitesInFile;
    o.transponders = kTransponderCapacity;
    o.tv = kChannelCapacity;
    o.radio = kChannelCapacity;
    o.groups = kGroupCapacity;
    o.extraBytes = kExtraCapacity;
    return o;
}

ChannelDatabase makeSampleDatabase(const SampleOptions& opt) {
    Rng rng(opt.seed);
    ChannelDatabase db;
    db.allocateTables();

    FileHeader& h = db.header;
    h.magic = kFileMagic;
    h.usageType = 0x0002;
    h.headerParam1 = 0x00000001;
    h.headerParam2 = 0x00010203;
    h.headerParam3 = 0x00020100;
    h.headerParam4 = 0;
    setFieldText(std::span(h.headerText.data(), kHeaderTextSize), "VELMORA DSR-7800 CI");
    db.blockHead.channelMagic = kChannelMagic;
    db.blockHead.channelParam1 = 0x00000100;
    db.blockHead.channelParam2 = 0x00000002;

    db.general.head = {0x01, 20};
    db.general.generalWord1 = 0x0001;
    db.general.generalWord2 = 0x0100;
    db.general.generalWord3 = 0x0000;
    db.general.generalWord5 = 0x0003;
    db.general.generalBytes = {0x56, 0x4C, 0x4D, 0x52, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00};
    db.satelliteSection.sectionTag = 0x02;
    db.transponderSection.sectionTag = 0x03;
    db.channelSection.sectionTag = 0x04;
    db.favoriteSection.sectionTag = 0x05;

    const unsigned sats = std::min<unsigned>(opt.satellites, kMaxSatellitesInFile);
    const unsigned tps = sats ? std::min<unsigned>(opt.transponders, kTransponderCapacity) : 0;
    const unsigned tvs = tps ? std::min<unsigned>(opt.tv, kChannelCapacity) : 0;
    const unsigned radios = tps ? std::min<unsigned>(opt.radio, kChannelCapacity) : 0;

    db.satelliteCount = static_cast<std::uint16_t>(sats);
    for (unsigned i = 0; i < sats; ++i) {
        SatelliteEntry& s = db.satellites[i];
        const bool cBand = i % 5 == 4;  // most satellites of a European dish are Ku band
        s.band = cBand ? 0 : 1;
        s.longitude = static_cast<std::uint16_t>((i * 137 + 192) % 3600);
        std::string name = kSatelliteNames[i % kSatelliteNames.size()];
        if (i >= kSatelliteNames.size()) name += " " + std::to_string(i / kSatelliteNames.size() + 1);
        setFieldText(s.name, name);
        db.satelliteExtra[i] = {static_cast<std::uint8_t>(i), 0x00, 0x01};
    }

    db.transponderCount = static_cast<std::uint16_t>(tps);
    for (unsigned i = 0; i < tps; ++i) {
        TransponderEntry& t = db.transponders[i];
        t.satelliteIndex = static_cast<std::uint8_t>(i % sats);
        const bool cBand = db.satellites[t.satelliteIndex].band == 0;
        t.frequency = static_cast<std::uint16_t>(cBand ? 3400 + rng.below(800) : 10700 + rng.below(2050));
        t.symbolRate = static_cast<std::uint16_t>(std::array<unsigned, 5>{22000, 27500, 29900, 30000, 6111}[rng.below(5)]);
        t.polarization = static_cast<std::uint8_t>(rng.below(2));
        t.fec = static_cast<std::uint8_t>(rng.below(6));
        t.networkId = static_cast<std::uint16_t>(1 + i % 400);
        t.transponderId = static_cast<std::uint16_t>(1000 + i);
    }

    for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
        const bool radio = kind == ChannelKind::Radio;
        const unsigned count = radio ? radios : tvs;
        db.channelCount(kind) = static_cast<std::uint16_t>(count);
        for (unsigned i = 0; i < count; ++i) {
            ChannelEntry& c = db.channels(kind)[i];
            c.transponderIndex = static_cast<std::uint16_t>(rng.below(tps));
            c.serviceId = static_cast<std::uint16_t>(0x0100 + i);
            setFieldText(c.name, channelName(rng, i, radio));
            c.pmtPid = static_cast<std::uint16_t>(0x0020 + i % 0x1F00);
            c.videoPid = radio ? 0x1FFF : static_cast<std::uint16_t>(0x0100 + (i * 16) % 0x1E00);
            c.audioPid = static_cast<std::uint16_t>(0x0101 + (i * 16) % 0x1E00);
            c.pcrPid = c.videoPid == 0x1FFF ? c.audioPid : c.videoPid;
            c.pidMode = rng.below(10) == 0 ? 1 : 0;
            c.scrambled = rng.below(4) == 0 ? 1 : 0;
            c.locked = rng.below(20) == 0 ? 1 : 0;
        }
    }

    const unsigned groups = std::min<unsigned>(opt.groups, kGroupCapacity);
    db.general.favoriteGroupCount = static_cast<std::uint16_t>(groups);
    const bool full = groups == kGroupCapacity && tvs == kChannelCapacity && radios == kChannelCapacity;
    std::size_t tvAt = 0, radioAt = 0;
    for (unsigned g = 0; g < groups; ++g) {
        std::string name = kGroupNames[g % kGroupNames.size()];
        if (g >= kGroupNames.size()) name += " " + std::to_string(g / kGroupNames.size() + 1);
        setFieldText(db.groupNames[g], name);
        // A capacity file fills the member lists exactly (80 per group).
        const unsigned tvMembers = full ? kMemberCapacity / kGroupCapacity : std::min<unsigned>(tvs, rng.below(12));
        const unsigned radioMembers = full ? kMemberCapacity / kGroupCapacity : std::min<unsigned>(radios, rng.below(6));
        db.tvMemberCount[g] = static_cast<std::uint16_t>(tvMembers);
        db.radioMemberCount[g] = static_cast<std::uint16_t>(radioMembers);
        for (unsigned j = 0; j < tvMembers; ++j) db.tvMembers[tvAt++] = static_cast<std::uint16_t>(rng.below(tvs));
        for (unsigned j = 0; j < radioMembers; ++j) db.radioMembers[radioAt++] = static_cast<std::uint16_t>(rng.below(radios));
    }

    if (opt.extraBytes) {
        db.hasExtraBlock = true;
        db.extraLength = std::min<unsigned>(opt.extraBytes, kExtraCapacity);
        for (std::size_t i = 0; i < db.extraLength; ++i) db.extraData[i] = static_cast<std::uint8_t>(rng.next());
    }

    db.syncWorkingTables();
    // Settle the computed fields the way a save does.
    const std::vector<std::uint8_t> file = buildChannelFile(db, SaveOptions{});
    db.crcTrailer = static_cast<std::uint16_t>(file[file.size() - 2] << 8 | file.back());
    db.syncWorkingTables();
    return db;
}

}  // namespace velmora
