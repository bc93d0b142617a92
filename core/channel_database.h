// SPDX-License-Identifier: GPL-3.0-or-later
// The whole content of one channel file held in memory.
//
// Tables are stored at their full capacity (allocated and zeroed on load) with
// explicit counts beside them: a pending New grows a working table by one
// record in place, and every index is checked against a fixed bound.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

inline constexpr std::size_t kSatelliteCapacity = 1000;
inline constexpr std::size_t kMaxSatellitesInFile = 255;  // the count is one byte
inline constexpr std::size_t kTransponderCapacity = 1000;
inline constexpr std::size_t kChannelCapacity = 10000;    // per kind
inline constexpr std::size_t kGroupCapacity = 125;        // 3000 bytes of 24-byte names
inline constexpr std::size_t kMemberCapacity = 10000;     // per kind, over all groups
inline constexpr std::size_t kExtraCapacity = 60000;
inline constexpr std::size_t kViewGroups = 10;            // groups the form offers

inline constexpr std::uint32_t kFileMagic = 0x55AA55AAu;
inline constexpr std::uint32_t kChannelMagic = 0x04209876u;
inline constexpr std::uint8_t kExtraBlockMark = 0xF0;

inline constexpr std::size_t kHeaderSize = 64;
inline constexpr std::size_t kBlockHeadSize = 16;
inline constexpr std::size_t kSatelliteRecordSize = 52;
inline constexpr std::size_t kTransponderRecordSize = 16;
inline constexpr std::size_t kChannelRecordSize = 44;
inline constexpr std::size_t kGroupNameSize = 24;

inline constexpr std::size_t kChannelNameSize = 24;    // 23 characters + NUL
inline constexpr std::size_t kSatelliteNameSize = 44;  // 43 characters + NUL
inline constexpr std::size_t kHeaderTextSize = 32;

// The largest file the tables can hold: every section full, a full extra
// block. Each section has a 5-byte tag and length in front of its body.
inline constexpr std::size_t kLargestFileSize =
    kHeaderSize + kBlockHeadSize + (5 + 20) + (5 + 1 + kMaxSatellitesInFile * kSatelliteRecordSize) +
    (5 + 2 + kTransponderCapacity * kTransponderRecordSize) + (5 + 2 + 2 + 2 * kChannelCapacity * kChannelRecordSize) +
    (5 + kGroupCapacity * (kGroupNameSize + 4) + 2 * kMemberCapacity * 2) + (1 + 4 + kExtraCapacity) + 2;

enum class ChannelKind { Tv, Radio };

using ChannelName = std::array<std::uint8_t, kChannelNameSize>;
using SatelliteName = std::array<std::uint8_t, kSatelliteNameSize>;
using GroupName = std::array<std::uint8_t, kGroupNameSize>;

struct FileHeader {
    std::uint32_t magic = 0;
    std::uint16_t usageType = 0;
    std::uint16_t checksum = 0;
    std::uint32_t headerParam1 = 0;
    std::uint32_t dataLength = 0;
    std::uint32_t headerParam2 = 0;  // hardware version
    std::uint32_t headerParam3 = 0;  // software version
    std::uint32_t headerParam4 = 0;
    std::uint32_t headerParam5 = 0;
    // 32 bytes as stored plus one so that the text is always terminated.
    std::array<std::uint8_t, kHeaderTextSize + 1> headerText{};

    std::string modelText() const;  // up to the first NUL
    bool operator==(const FileHeader&) const = default;
};

struct BlockHead {
    std::uint32_t channelMagic = 0;
    std::uint32_t channelParam1 = 0;
    std::uint32_t channelParam2 = 0;
    std::uint32_t channelDataLength = 0;
    bool operator==(const BlockHead&) const = default;
};

struct SectionHead {
    std::uint8_t sectionTag = 0;
    std::uint32_t sectionLength = 0;
    bool operator==(const SectionHead&) const = default;
};

struct GeneralSection {
    SectionHead head;
    std::uint16_t generalWord1 = 0;
    std::uint16_t generalWord2 = 0;
    std::uint16_t generalWord3 = 0;
    std::uint16_t favoriteGroupCount = 0;
    std::uint16_t generalWord5 = 0;
    std::array<std::uint8_t, 10> generalBytes{};
    bool operator==(const GeneralSection&) const = default;
};

struct SatelliteEntry {
    std::uint8_t band = 0;        // 0 C band, 1 Ku band
    std::uint16_t longitude = 0;  // tenths of a degree east, 0..3599
    SatelliteName name{};
    bool operator==(const SatelliteEntry&) const = default;
};
using SatelliteExtra = std::array<std::uint8_t, 3>;

struct TransponderEntry {
    std::uint16_t networkId = 0;
    std::uint16_t transponderId = 0;
    std::uint16_t frequency = 0;   // MHz
    std::uint16_t symbolRate = 0;  // kS/s
    std::uint8_t polarization = 0; // 0 H, 1 V
    std::uint8_t fec = 0;
    std::uint8_t satelliteIndex = 0;
    bool operator==(const TransponderEntry&) const = default;
};

struct ChannelEntry {
    std::uint16_t transponderIndex = 0;
    std::uint16_t serviceId = 0;
    ChannelName name{};
    std::uint16_t pmtPid = 0;
    std::uint16_t videoPid = 0;
    std::uint16_t audioPid = 0;
    std::uint16_t pcrPid = 0;
    std::uint8_t pidMode = 0;
    std::uint8_t scrambled = 0;
    std::uint8_t locked = 0;
    bool operator==(const ChannelEntry&) const = default;
};

// Flags the view keeps beside the tables; several operations test them.
// They live apart from ChannelDatabase so that replacing the database after a
// successful load does not lose them.
struct EditFlags {
    bool fileLoaded = false;
    bool editActive = false;
    bool savedOnce = false;
    bool newRecordPending = false;
    bool sortPending = false;
    bool cutPending = false;
    std::string filePath;  // the save target: the last file that loaded
};

class ChannelDatabase {
public:
    ChannelDatabase() = default;

    // Allocates every table at its capacity, zeroed, and sets all counts to 0;
    // the working tables only when asked for.
    void allocateTables(bool workingTables = true);
    bool hasWorkingTables() const { return !workingTv.empty(); }
    bool tablesAllocated() const { return !satellites.empty(); }

    // Makes every working table equal to its committed table.
    void syncWorkingTables();

    FileHeader header;
    BlockHead blockHead;
    GeneralSection general;
    SectionHead satelliteSection;
    SectionHead transponderSection;
    SectionHead channelSection;
    SectionHead favoriteSection;

    std::uint16_t satelliteCount = 0;
    std::uint16_t transponderCount = 0;
    std::uint16_t tvCount = 0;
    std::uint16_t radioCount = 0;

    // Committed tables (what Save writes) and working tables (used while a
    // New, a sort or a cut is pending). Sized to capacity once allocated.
    std::vector<SatelliteEntry> satellites, workingSatellites;
    std::vector<SatelliteExtra> satelliteExtra;  // exists once
    std::vector<TransponderEntry> transponders, workingTransponders;
    std::vector<ChannelEntry> tv, workingTv;
    std::vector<ChannelEntry> radio, workingRadio;

    // Favourite groups: names and member counts exist once; members of all
    // groups of one kind lie in one flat list, group after group.
    std::vector<GroupName> groupNames;                        // kGroupCapacity
    std::vector<std::uint16_t> tvMemberCount, radioMemberCount;  // kGroupCapacity
    std::vector<std::uint16_t> tvMembers, workingTvMembers;      // kMemberCapacity
    std::vector<std::uint16_t> radioMembers, workingRadioMembers;

    bool hasExtraBlock = false;
    std::uint32_t extraLength = 0;
    std::vector<std::uint8_t> extraData;  // kExtraCapacity once allocated

    std::uint16_t crcTrailer = 0;

    // Convenience views by kind.
    std::uint16_t& channelCount(ChannelKind k) { return k == ChannelKind::Tv ? tvCount : radioCount; }
    std::uint16_t channelCount(ChannelKind k) const { return k == ChannelKind::Tv ? tvCount : radioCount; }
    std::vector<ChannelEntry>& channels(ChannelKind k) { return k == ChannelKind::Tv ? tv : radio; }
    const std::vector<ChannelEntry>& channels(ChannelKind k) const { return k == ChannelKind::Tv ? tv : radio; }
    std::vector<ChannelEntry>& workingChannels(ChannelKind k) { return k == ChannelKind::Tv ? workingTv : workingRadio; }
    const std::vector<ChannelEntry>& workingChannels(ChannelKind k) const { return k == ChannelKind::Tv ? workingTv : workingRadio; }
    std::vector<std::uint16_t>& memberCounts(ChannelKind k) { return k == ChannelKind::Tv ? tvMemberCount : radioMemberCount; }
    const std::vector<std::uint16_t>& memberCounts(ChannelKind k) const { return k == ChannelKind::Tv ? tvMemberCount : radioMemberCount; }
    std::vector<std::uint16_t>& members(ChannelKind k) { return k == ChannelKind::Tv ? tvMembers : radioMembers; }
    const std::vector<std::uint16_t>& members(ChannelKind k) const { return k == ChannelKind::Tv ? tvMembers : radioMembers; }
    std::vector<std::uint16_t>& workingMembers(ChannelKind k) { return k == ChannelKind::Tv ? workingTvMembers : workingRadioMembers; }
    const std::vector<std::uint16_t>& workingMembers(ChannelKind k) const { return k == ChannelKind::Tv ? workingTvMembers : workingRadioMembers; }

    std::uint16_t groupCount() const { return general.favoriteGroupCount; }
    // Index of group g's first member in the flat list of kind k.
    std::size_t groupMemberOffset(ChannelKind k, std::size_t g) const;
    // Total member entries of kind k over all groups of the file.
    std::size_t totalMembers(ChannelKind k) const;

    // Lookups that never read outside a table: nullptr when the index is
    // beyond the count (a damaged file may hold such indices).
    const TransponderEntry* transponderOf(const ChannelEntry& ch) const;
    const SatelliteEntry* satelliteOf(const TransponderEntry& tp) const;
    const ChannelEntry* channelAt(ChannelKind k, std::size_t row) const;
};

// Fixed-width single-byte text fields.
std::string fieldText(std::span<const std::uint8_t> field);  // up to the first NUL
// Writes text into a field, zero-filling the rest; keeps at most size-1 bytes so
// that the field stays terminated. Returns false when the text had to be cut.
bool setFieldText(std::span<std::uint8_t> field, std::string_view text);

// Latin-1 <-> UTF-8 for showing texts; characters above U+00FF cannot be stored.
std::string latin1ToUtf8(std::string_view latin1);
bool utf8ToLatin1(std::string_view utf8, std::string& latin1);

}  // namespace velmora
