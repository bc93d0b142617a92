// SPDX-License-Identifier: GPL-3.0-or-later
#include "channel_writer.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "atomic_file.h"
#include "byte_order.h"
#include "checksum.h"
#include "codes.h"

namespace velmora {
namespace {

// Writes into a buffer sized for the file up front (see fileSize); grows if
// that size was ever short, so a miscount can cost time but never bytes.
class ByteWriter {
public:
    explicit ByteWriter(std::size_t size) : out_(size) {}
    void u8(std::uint8_t v) { *room(1) = v; }
    void u16(std::uint16_t v) { writeU16BE(room(2), v); }
    void u32(std::uint32_t v) { writeU32BE(room(4), v); }
    void bytes(std::span<const std::uint8_t> b) {
        if (!b.empty()) std::memcpy(room(b.size()), b.data(), b.size());
    }
    void zeros(std::size_t n) {
        if (n) std::memset(room(n), 0, n);
    }
    void section(const SectionHead& head, std::uint32_t length) {
        u8(head.sectionTag);
        u32(length);
    }
    std::vector<std::uint8_t> take() {
        out_.resize(used_);
        return std::move(out_);
    }

private:
    std::uint8_t* room(std::size_t n) {
        if (out_.size() - used_ < n) out_.resize(std::max(out_.size() * 2, used_ + n));
        std::uint8_t* at = out_.data() + used_;
        used_ += n;
        return at;
    }
    std::vector<std::uint8_t> out_;
    std::size_t used_ = 0;
};

// Streams the file to a descriptor through a small buffer, summing and
// CRC-ing the bytes between the header and the trailer on the way, so a save
// never holds a second copy of the file in memory.
class StreamWriter {
public:
    StreamWriter(int fd, std::size_t fileSize) : fd_(fd), bodyEnd_(fileSize - 2) {}
    void u8(std::uint8_t v) { put(&v, 1); }
    void u16(std::uint16_t v) {
        std::uint8_t b[2];
        writeU16BE(b, v);
        put(b, 2);
    }
    void u32(std::uint32_t v) {
        std::uint8_t b[4];
        writeU32BE(b, v);
        put(b, 4);
    }
    void bytes(std::span<const std::uint8_t> b) { put(b.data(), b.size()); }
    void zeros(std::size_t n) {
        static constexpr std::uint8_t kZeros[64] = {};
        for (; n > sizeof kZeros; n -= sizeof kZeros) put(kZeros, sizeof kZeros);
        put(kZeros, n);
    }
    void section(const SectionHead& head, std::uint32_t length) {
        u8(head.sectionTag);
        u32(length);
    }
    // Flushes what is buffered; returns 0 or an errno value.
    int finish() {
        flush();
        return error_;
    }
    std::uint16_t crc() const { return crc_; }
    std::uint16_t sum() const { return sum_; }
    std::size_t written() const { return offset_ + used_; }

private:
    void put(const std::uint8_t* p, std::size_t n) {
        while (n) {
            const std::size_t take = std::min(n, sizeof buf_ - used_);
            std::memcpy(buf_ + used_, p, take);
            used_ += take;
            p += take;
            n -= take;
            if (used_ == sizeof buf_) flush();
        }
    }
    void flush() {
        if (!used_) return;
        // Only the bytes after the header and before the trailer are summed.
        const std::size_t from = std::max(offset_, kHeaderSize), to = std::min(offset_ + used_, bodyEnd_);
        if (from < to) {
            const std::span<const std::uint8_t> body(buf_ + (from - offset_), to - from);
            crc_ = crc16Arc(body, crc_);
            sum_ = byteSum16(body, sum_);
        }
        if (!error_) error_ = detail::writeAll(fd_, buf_, used_);
        offset_ += used_;
        used_ = 0;
    }

    int fd_;
    std::size_t bodyEnd_;
    std::uint8_t buf_[64 * 1024];
    std::size_t used_ = 0, offset_ = 0;
    std::uint16_t crc_ = 0, sum_ = 0;
    int error_ = 0;
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

// A pending New's member lists. While a sort is pending too, the working
// entries of a sorted list name its rows: each goes back to the record its
// row shows (an unsorted list's rows are its records).
void membersFromWorking(ChannelDatabase& db, ChannelKind kind, const std::vector<int>* rows) {
    auto& committed = db.members(kind);
    const auto& working = db.workingMembers(kind);
    committed = working;
    if (!rows) return;
    const std::size_t total = std::min(db.totalMembers(kind), committed.size());
    for (std::size_t i = 0; i < total; ++i) {
        const std::uint16_t row = working[i];
        if (row < rows->size() && (*rows)[row] >= 0) committed[i] = static_cast<std::uint16_t>((*rows)[row]);
    }
}

std::size_t fileSize(const ChannelDatabase& db) {
    return kHeaderSize + kBlockHeadSize + 25 + 6 + std::size_t{db.satelliteCount} * kSatelliteRecordSize + 7 +
           std::size_t{db.transponderCount} * kTransponderRecordSize + 9 +
           (std::size_t{db.tvCount} + db.radioCount) * kChannelRecordSize + 5 + db.groupCount() * 28u +
           2 * (db.totalMembers(ChannelKind::Tv) + db.totalMembers(ChannelKind::Radio)) +
           (db.hasExtraBlock ? 5 + std::size_t{db.extraLength} : 0) + 2;
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
    // Both can be pending (a New, then a sort of the other list): the New's
    // table order first, then each sorted row goes to its own record.
    if (o.newRecordPending) {
        for (std::size_t i = 0; i < db.tvCount; ++i) db.tv[i] = db.workingTv[i];
        for (std::size_t i = 0; i < db.radioCount; ++i) db.radio[i] = db.workingRadio[i];
    }
    if (o.sortPending) {
        copyBackSorted(db.tv, db.workingTv, db.tvCount, o.tvRowRecords);
        copyBackSorted(db.radio, db.workingRadio, db.radioCount, o.radioRowRecords);
    }
    w.section(db.channelSection, (static_cast<std::uint32_t>(db.tvCount) + db.radioCount) * kChannelRecordSize + 4);
    w.u16(db.tvCount);
    for (std::size_t i = 0; i < db.tvCount; ++i) writeChannel(w, db.tv[i]);
    w.u16(db.radioCount);
    for (std::size_t i = 0; i < db.radioCount; ++i) writeChannel(w, db.radio[i]);

    if (o.newRecordPending) {
        membersFromWorking(db, ChannelKind::Tv, o.sortPending ? &o.tvRowRecords : nullptr);
        membersFromWorking(db, ChannelKind::Radio, o.sortPending ? &o.radioRowRecords : nullptr);
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

// Everything a save does before the bytes of the final pass: the first pass
// applies the commits and the band rule, and the lengths are set from the
// size the file will have. Every step is idempotent, so the next pass writes
// the file these values describe.
SaveOptions prepareSave(ChannelDatabase& db, const SaveOptions& options, SaveHooks* hooks) {
    if (!db.tablesAllocated()) db.allocateTables();
    // Pending flags mean nothing without working tables (a database read
    // without them has nothing pending).
    SaveOptions effective = options;
    if (!db.hasWorkingTables()) effective.newRecordPending = effective.sortPending = false;
    NullWriter sideEffects;
    writePass(sideEffects, db, effective, hooks);
    const std::size_t size = fileSize(db);
    db.header.dataLength = static_cast<std::uint32_t>(size - kHeaderSize);
    db.blockHead.channelDataLength = static_cast<std::uint32_t>(size - kHeaderSize - kBlockHeadSize);
    return effective;
}

// The checksum covers every byte after the header, the trailer included.
std::uint16_t checksumWith(std::uint16_t bodySum, std::uint16_t crc) {
    return static_cast<std::uint16_t>(bodySum + (crc & 0xFF) + (crc >> 8));
}

}  // namespace

int defaultCurrentTransponder(const ChannelDatabase& db) {
    if (db.transponderCount == 0) return -1;
    if (db.tvCount > 0) return db.tv[0].transponderIndex;
    return 0;
}

std::vector<std::uint8_t> buildChannelFile(ChannelDatabase& db, const SaveOptions& options, SaveHooks* hooks) {
    const SaveOptions effective = prepareSave(db, options, hooks);
    ByteWriter writer(db.header.dataLength + kHeaderSize);
    writePass(writer, db, effective, hooks);
    std::vector<std::uint8_t> file = writer.take();
    if (file.size() != db.header.dataLength + kHeaderSize) {
        // Never expected: keep the lengths true to the bytes all the same.
        db.header.dataLength = static_cast<std::uint32_t>(file.size() - kHeaderSize);
        db.blockHead.channelDataLength = static_cast<std::uint32_t>(file.size() - kHeaderSize - kBlockHeadSize);
        writeU32BE(&file[12], db.header.dataLength);
        writeU32BE(&file[76], db.blockHead.channelDataLength);
    }

    const std::span<const std::uint8_t> body(file.data() + kHeaderSize, file.size() - kHeaderSize - 2);
    const std::uint16_t crc = crc16Arc(body);
    db.header.checksum = checksumWith(byteSum16(body), crc);
    writeU16BE(&file[6], db.header.checksum);
    writeU16BE(&file[file.size() - 2], crc);
    return file;
}

std::vector<std::uint8_t> serializeUnchanged(const ChannelDatabase& db) {
    ChannelDatabase copy = db;
    return buildChannelFile(copy, SaveOptions{});
}

SaveResult writeChannelFile(const std::string& path, ChannelDatabase& db, const SaveOptions& options,
                            SaveHooks* hooks) {
    // The file keeps the satellite count in one byte: a larger table would
    // be written under a count that disagrees with its records.
    if (db.satelliteCount > kMaxSatellitesInFile)
        return {false, "A channel file holds at most " + std::to_string(kMaxSatellitesInFile) + " satellites"};
    // A save that fails must leave the tables as they were: the carry-back of
    // a pending New or sort is part of what the save commits, and a pending
    // New stays pending (its Cancel undoes only the insertion).
    ChannelDatabase before = db;
    const SaveOptions effective = prepareSave(db, options, hooks);
    const std::size_t size = db.header.dataLength + kHeaderSize;
    SaveResult result = writeFileAtomically(path, [&](int fd) {
        auto out = std::make_unique<StreamWriter>(fd, size);
        writePass(*out, db, effective, hooks);
        if (const int err = out->finish()) return err;
        if (out->written() != size) return EIO;  // a miscount must never reach the disk
        const std::uint16_t crc = out->crc();
        db.header.checksum = checksumWith(out->sum(), crc);
        std::uint8_t word[2];
        writeU16BE(word, db.header.checksum);
        if (::pwrite(fd, word, 2, 6) != 2) return errno ? errno : EIO;
        writeU16BE(word, crc);
        if (::pwrite(fd, word, 2, static_cast<off_t>(size - 2)) != 2) return errno ? errno : EIO;
        return 0;
    });
    if (!result.ok) db = std::move(before);
    return result;
}

}  // namespace velmora
