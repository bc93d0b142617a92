#include "channel_writer.h"

#include "byte_order.h"
#include "checksum.h"
#include "codes.h"

namespace velmora {
namespace {

class ByteWriter {
public:
    explicit ByteWriter(std::size_t reserve) { out_.reserve(reserve); }
    void u8(std::uint8_t v) { out_.push_back(v); }
    void u16(std::uint16_t v) {
        const std::uint8_t b[2] = {static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
        out_.insert(out_.end(), b, b + 2);
    }
    void u32(std::uint32_t v) {
        const std::uint8_t b[4] = {static_cast<std::uint8_t>(v >> 24), static_cast<std::uint8_t>(v >> 16),
                                   static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
        out_.insert(out_.end(), b, b + 4);
    }
    void bytes(std::span<const std::uint8_t> b) { out_.insert(out_.end(), b.begin(), b.end()); }
    void zeros(std::size_t n) { out_.insert(out_.end(), n, 0); }
    void section(const SectionHead& head, std::uint32_t length) {
        u8(head.sectionTag);
        u32(length);
    }
    std::vector<std::uint8_t>& data() { return out_; }

private:
    std::vector<std::uint8_t> out_;
};

// Runs a pass for its side effects only (commits, copy-backs, band rule).
struct NullWriter {
    void u8(std::uint8_t) {}
    void u16(std::uint16_t) {}
    void u32(std::uint32_t) {}
    void bytes(std::span<const std::uint8_t>) {}
    void zeros(std::size_t) {}
    void section(const SectionHead&, std::uint32_t) {}
};

template <class Writer>
void writeChannel(Writer& w, const ChannelEntry& ch) {
    w.u16(ch.transponderIndex);
    w.u16(ch.serviceId);
    w.bytes(ch.name);
    w.u16(ch.pmtPid);
    w.u16(ch.videoPid);
    w.u16(ch.audioPid);
    w.u16(ch.pcrPid);
    w.u8(ch.pidMode);
    w.u8(ch.scrambled);
    w.u8(ch.locked);
    w.zeros(5);
}

// Carries the sorted rows back: list row i shows committed record rows[i].
void copyBackSorted(std::vector<ChannelEntry>& committed, const std::vector<ChannelEntry>& working,
                    std::size_t count, const std::vector<int>& rows) {
    for (std::size_t i = 0; i < rows.size() && i < count; ++i) {
        const int rec = rows[i];
        if (rec >= 0 && static_cast<std::size_t>(rec) < count) committed[static_cast<std::size_t>(rec)] = working[i];
    }
}

std::size_t estimatedSize(const ChannelDatabase& db) {
    return 128 + std::size_t{db.satelliteCount} * kSatelliteRecordSize +
           std::size_t{db.transponderCount} * kTransponderRecordSize +
           (std::size_t{db.tvCount} + db.radioCount) * kChannelRecordSize + db.groupCount() * 28u +
           2 * (db.totalMembers(ChannelKind::Tv) + db.totalMembers(ChannelKind::Radio)) + db.extraLength;
}

// One complete write of the file from the current values, applying the
// commits, copy-backs and the band rule at their points.
template <class Writer>
void writePass(Writer& w, ChannelDatabase& db, const SaveOptions& o, SaveHooks* hooks) {
    const FileHeader& h = db.header;
    w.u32(h.magic);
    w.u16(h.usageType);
    w.u16(h.checksum);
    w.u32(h.headerParam1);
    w.u32(h.dataLength);
    w.u32(h.headerParam2);
    w.u32(h.headerParam3);
    w.u32(h.headerParam4);
    w.zeros(4);  // headerParam5 is never written back
    w.bytes(std::span(h.headerText.data(), kHeaderTextSize));

    w.u32(db.blockHead.channelMagic);
    w.u32(db.blockHead.channelParam1);
    w.u32(db.blockHead.channelParam2);
    w.u32(db.blockHead.channelDataLength);

    const GeneralSection& g = db.general;
    w.section(g.head, g.head.sectionLength);
    w.u16(g.generalWord1);
    w.u16(g.generalWord2);
    w.u16(g.generalWord3);
    w.u16(g.favoriteGroupCount);
    w.u16(g.generalWord5);
    w.bytes(g.generalBytes);

    if (hooks) hooks->commitSatellite(db);
    if (o.newRecordPending) {
        for (std::size_t i = 0; i < db.satelliteCount; ++i) {
            db.satellites[i].band = db.workingSatellites[i].band;
            db.satellites[i].longitude = db.workingSatellites[i].longitude;
            db.satellites[i].name = db.workingSatellites[i].name;
        }
    }
    w.section(db.satelliteSection, static_cast<std::uint32_t>(db.satelliteCount) * kSatelliteRecordSize + 1);
    w.u8(static_cast<std::uint8_t>(db.satelliteCount));
    for (std::size_t i = 0; i < db.satelliteCount; ++i) {
        const SatelliteEntry& s = db.satellites[i];
        w.u8(s.band);
        w.u16(s.longitude);
        w.bytes(s.name);
        w.bytes(db.satelliteExtra[i]);
        w.zeros(2);
    }
    if (hooks) hooks->satellitesWritten(db);

    if (hooks) hooks->commitTransponder(db);
    if (o.newRecordPending) {
        for (std::size_t i = 0; i < db.transponderCount; ++i) db.transponders[i] = db.workingTransponders[i];
    }
    w.section(db.transponderSection, static_cast<std::uint32_t>(db.transponderCount) * kTransponderRecordSize + 2);
    w.u16(db.transponderCount);
    for (std::size_t i = 0; i < db.transponderCount; ++i) {
        const TransponderEntry& t = db.transponders[i];
        w.u16(t.networkId);
        w.u16(t.transponderId);
        w.u16(t.frequency);
        w.u16(t.symbolRate);
        w.u8(t.polarization);
        w.u8(t.fec);
        w.u8(t.satelliteIndex);
        w.zeros(5);
    }
    // The satellites of this pass are already written: the band reaches the
    // file through the next pass (and never while a New is pending, whose
    // copy-back restores the working band first).
    if (o.currentTransponder >= 0 && static_cast<std::size_t>(o.currentTransponder) < db.transponderCount) {
        const TransponderEntry& t = db.transponders[static_cast<std::size_t>(o.currentTransponder)];
        if (t.satelliteIndex < db.satelliteCount) {
            SatelliteEntry& s = db.satellites[t.satelliteIndex];
            s.band = bandForFrequency(t.frequency, s.band);
        }
    }
    if (hooks) hooks->transpondersWritten(db);

    if (hooks) hooks->commitChannel(db);
    if (o.newRecordPending) {
        for (std::size_t i = 0; i < db.tvCount; ++i) db.tv[i] = db.workingTv[i];
        for (std::size_t i = 0; i < db.radioCount; ++i) db.radio[i] = db.workingRadio[i];
    } else if (o.sortPending) {
        copyBackSorted(db.tv, db.workingTv, db.tvCount, o.tvRowRecords);
        copyBackSorted(db.radio, db.workingRadio, db.radioCount, o.radioRowRecords);
    }
    w.section(db.channelSection, (static_cast<std::uint32_t>(db.tvCount) + db.radioCount) * kChannelRecordSize + 4);
    w.u16(db.tvCount);
    for (std::size_t i = 0; i < db.tvCount; ++i) writeChannel(w, db.tv[i]);
    w.u16(db.radioCount);
    for (std::size_t i = 0; i < db.radioCount; ++i) writeChannel(w, db.radio[i]);

    if (o.newRecordPending) {
        db.tvMembers = db.workingTvMembers;
        db.radioMembers = db.workingRadioMembers;
    }
    // The stored favourite length is not the byte count that follows; the
    // receiver expects this value.
    std::uint32_t favoriteLength = 0;
    for (std::size_t grp = 0; grp < db.groupCount(); ++grp)
        favoriteLength += (std::uint32_t{db.tvMemberCount[grp]} + db.radioMemberCount[grp] + 4) * 7;
    w.section(db.favoriteSection, favoriteLength);
    std::size_t tvAt = 0, radioAt = 0;
    for (std::size_t grp = 0; grp < db.groupCount(); ++grp) {
        w.bytes(db.groupNames[grp]);
        w.u16(db.tvMemberCount[grp]);
        for (std::size_t j = 0; j < db.tvMemberCount[grp]; ++j) w.u16(db.tvMembers[tvAt++]);
        w.u16(db.radioMemberCount[grp]);
        for (std::size_t j = 0; j < db.radioMemberCount[grp]; ++j) w.u16(db.radioMembers[radioAt++]);
    }

    if (db.hasExtraBlock) {
        w.u8(kExtraBlockMark);
        w.u32(db.extraLength);
        w.bytes(std::span(db.extraData.data(), db.extraLength));
    }
    w.u16(db.crcTrailer);
}

}  // namespace

int defaultCurrentTransponder(const ChannelDatabase& db) {
    if (db.transponderCount == 0) return -1;
    if (db.tvCount > 0) return db.tv[0].transponderIndex;
    return 0;
}

std::vector<std::uint8_t> buildChannelFile(ChannelDatabase& db, const SaveOptions& options, SaveHooks* hooks) {
    if (!db.tablesAllocated()) db.allocateTables();
    // The first pass applies the commits and the band rule; the second
    // writes the file they produce. Every step is idempotent, so further
    // passes would write the same bytes.
    NullWriter sideEffects;
    writePass(sideEffects, db, options, hooks);
    ByteWriter writer(estimatedSize(db));
    writePass(writer, db, options, hooks);
    std::vector<std::uint8_t> file = std::move(writer.data());

    const std::size_t size = file.size();
    db.header.dataLength = static_cast<std::uint32_t>(size - kHeaderSize);
    db.blockHead.channelDataLength = static_cast<std::uint32_t>(size - kHeaderSize - kBlockHeadSize);
    writeU32BE(&file[12], db.header.dataLength);
    writeU32BE(&file[76], db.blockHead.channelDataLength);

    const std::span<const std::uint8_t> body(file.data() + kHeaderSize, size - kHeaderSize - 2);
    const std::uint16_t crc = crc16Arc(body);
    const std::uint16_t sum = byteSum16(body);
    db.header.checksum = static_cast<std::uint16_t>(sum + (crc & 0xFF) + (crc >> 8));
    writeU16BE(&file[6], db.header.checksum);
    writeU16BE(&file[size - 2], crc);
    return file;
}

std::vector<std::uint8_t> serializeUnchanged(const ChannelDatabase& db) {
    ChannelDatabase copy = db;
    return buildChannelFile(copy, SaveOptions{});
}

SaveResult writeChannelFile(const std::string& path, ChannelDatabase& db, const SaveOptions& options,
                            SaveHooks* hooks) {
    const std::vector<std::uint8_t> bytes = buildChannelFile(db, options, hooks);
    return writeFileAtomically(path, bytes);
}

}  // namespace velmora
