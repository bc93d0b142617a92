// SPDX-License-Identifier: GPL-3.0-or-later
#include "channel_reader.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "byte_order.h"

namespace velmora {
namespace {

constexpr const char* kTextNotRegularFile = "not a regular file";
constexpr const char* kTextTooLargeFile = "the file is too large to be a channel file";

LoadResult fail(LoadStatus status, std::string message) {
    LoadResult r;
    r.status = status;
    r.messages.push_back(std::move(message));
    return r;
}

LoadResult truncated(const char* what, const char* hint = nullptr) {
    std::string text = std::string("The file ends before its ") + what + " is complete.";
    if (hint) text += std::string(" ") + hint;
    return fail(LoadStatus::Truncated, std::move(text));
}

LoadResult overCapacity(std::size_t count, const char* what, std::size_t capacity) {
    return fail(LoadStatus::OverCapacity, "The file holds " + std::to_string(count) + " " + what + "; at most " +
                                              std::to_string(capacity) + " fit.");
}

void readSection(ByteReader& in, SectionHead& head) {
    head.sectionTag = in.u8();
    head.sectionLength = in.u32();
}

void readChannel(ByteReader& in, ChannelEntry& ch) {
    ch.transponderIndex = in.u16();
    ch.serviceId = in.u16();
    in.bytes(ch.name);
    ch.pmtPid = in.u16();
    ch.videoPid = in.u16();
    ch.audioPid = in.u16();
    ch.pcrPid = in.u16();
    ch.pidMode = in.u8();
    ch.scrambled = in.u8();
    ch.locked = in.u8();
    in.skip(5);
}

}  // namespace

std::string LoadResult::text() const {
    std::string out;
    for (const auto& m : messages) {
        if (!out.empty()) out += "\n";
        out += m;
    }
    return out;
}

FileHeader decodeFileHeader(const std::uint8_t* p) {
    FileHeader h;
    h.magic = readU32BE(p);
    h.usageType = readU16BE(p + 4);
    h.checksum = readU16BE(p + 6);
    h.headerParam1 = readU32BE(p + 8);
    h.dataLength = readU32BE(p + 12);
    h.headerParam2 = readU32BE(p + 16);
    h.headerParam3 = readU32BE(p + 20);
    h.headerParam4 = readU32BE(p + 24);
    h.headerParam5 = readU32BE(p + 28);
    std::memcpy(h.headerText.data(), p + 32, kHeaderTextSize);
    h.headerText[kHeaderTextSize] = 0;
    return h;
}

HeaderStatus readFileHeader(std::span<const std::uint8_t> bytes, FileHeader& header) {
    if (bytes.size() < 4) return HeaderStatus::TooShort;
    const std::uint32_t magic = readU32BE(bytes.data());
    if (magic != kFileMagic) {
        header.magic = magic;
        return HeaderStatus::BadMagic;
    }
    if (bytes.size() < kHeaderSize) return HeaderStatus::TooShort;
    header = decodeFileHeader(bytes.data());
    return HeaderStatus::Ok;
}

LoadResult readChannelFile(std::span<const std::uint8_t> bytes, ChannelDatabase& db, ReadOptions options) {
    switch (readFileHeader(bytes, db.header)) {
    case HeaderStatus::TooShort: return truncated("header");
    case HeaderStatus::BadMagic: {
        // The block head is then read from just after the magic, so in
        // practice the second message follows. The file is rejected either way.
        LoadResult r;
        r.status = LoadStatus::BadMagic;
        r.messages.push_back(kTextBadMagic);
        if (bytes.size() < 8 || readU32BE(bytes.data() + 4) != kChannelMagic) r.messages.push_back(kTextBadChannelMagic);
        return r;
    }
    case HeaderStatus::Ok: break;
    }

    ByteReader in(bytes, kHeaderSize);
    db.blockHead.channelMagic = in.u32();
    db.blockHead.channelParam1 = in.u32();
    db.blockHead.channelParam2 = in.u32();
    db.blockHead.channelDataLength = in.u32();
    if (!in.ok()) return truncated("block head");
    if (db.blockHead.channelMagic != kChannelMagic) return fail(LoadStatus::BadChannelMagic, kTextBadChannelMagic);

    db.allocateTables(options.workingTables);

    GeneralSection& g = db.general;
    readSection(in, g.head);
    g.generalWord1 = in.u16();
    g.generalWord2 = in.u16();
    g.generalWord3 = in.u16();
    g.favoriteGroupCount = in.u16();
    g.generalWord5 = in.u16();
    in.bytes(g.generalBytes);
    if (!in.ok()) return truncated("general section");
    if (g.favoriteGroupCount > kGroupCapacity) return overCapacity(g.favoriteGroupCount, "favourite groups", kGroupCapacity);

    readSection(in, db.satelliteSection);
    db.satelliteCount = in.u8();
    if (in.remaining() < std::size_t{db.satelliteCount} * kSatelliteRecordSize) return truncated("satellite section");
    for (std::size_t i = 0; i < db.satelliteCount; ++i) {
        SatelliteEntry& s = db.satellites[i];
        s.band = in.u8();
        s.longitude = in.u16();
        in.bytes(s.name);
        in.bytes(db.satelliteExtra[i]);
        in.skip(2);
    }
    if (!in.ok()) return truncated("satellite section");

    readSection(in, db.transponderSection);
    db.transponderCount = in.u16();
    if (!in.ok()) return truncated("transponder section");
    if (db.transponderCount > kTransponderCapacity) return overCapacity(db.transponderCount, "transponders", kTransponderCapacity);
    if (in.remaining() < std::size_t{db.transponderCount} * kTransponderRecordSize) return truncated("transponder section");
    for (std::size_t i = 0; i < db.transponderCount; ++i) {
        TransponderEntry& t = db.transponders[i];
        t.networkId = in.u16();
        t.transponderId = in.u16();
        t.frequency = in.u16();
        t.symbolRate = in.u16();
        t.polarization = in.u8();
        t.fec = in.u8();
        t.satelliteIndex = in.u8();
        in.skip(5);
    }

    readSection(in, db.channelSection);
    for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
        std::uint16_t& count = db.channelCount(kind);
        count = in.u16();
        if (!in.ok()) return truncated("channel section");
        if (count > kChannelCapacity)
            return overCapacity(count, kind == ChannelKind::Tv ? "TV channels" : "radio channels", kChannelCapacity);
        if (in.remaining() < std::size_t{count} * kChannelRecordSize) return truncated("channel section");
        auto& table = db.channels(kind);
        for (std::size_t i = 0; i < count; ++i) readChannel(in, table[i]);
    }

    readSection(in, db.favoriteSection);
    if (!in.ok()) return truncated("favourite section");
    std::size_t tvUsed = 0, radioUsed = 0;
    for (std::size_t grp = 0; grp < g.favoriteGroupCount; ++grp) {
        in.bytes(db.groupNames[grp]);
        for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
            std::size_t& used = kind == ChannelKind::Tv ? tvUsed : radioUsed;
            const std::uint16_t n = in.u16();
            if (!in.ok()) return truncated("favourite section");
            if (used + n > kMemberCapacity)
                return fail(LoadStatus::OverCapacity,
                            std::string("The favourite groups hold more than ") + std::to_string(kMemberCapacity) +
                                (kind == ChannelKind::Tv ? " TV" : " radio") + " members; at most " +
                                std::to_string(kMemberCapacity) + " fit.");
            if (in.remaining() < std::size_t{n} * 2) return truncated("favourite section");
            db.memberCounts(kind)[grp] = n;
            auto& members = db.members(kind);
            for (std::size_t j = 0; j < n; ++j) members[used + j] = in.u16();
            used += n;
        }
    }

    const std::uint8_t first = in.u8();
    if (!in.ok()) return truncated("CRC trailer");
    // A trailer whose high byte is 0xF0 looks like the start of an extra
    // block. An extra block needs at least seven bytes, so 0xF0 followed by
    // exactly one last byte can only be the trailer; without this, one save
    // in 256 of a file without an extra block could not be opened again.
    if (first == kExtraBlockMark && in.remaining() != 1) {
        static constexpr const char* kHint = "(A byte 0xF0 after the favourite section starts an extra block.)";
        db.hasExtraBlock = true;
        db.extraLength = in.u32();
        if (!in.ok()) return truncated("extra block", kHint);
        if (db.extraLength > kExtraCapacity) {
            return fail(LoadStatus::OverCapacity, "The extra block is " + std::to_string(db.extraLength) +
                                                      " bytes long; at most " + std::to_string(kExtraCapacity) +
                                                      " fit.");
        }
        if (in.remaining() < std::size_t{db.extraLength} + 2) return truncated("extra block", kHint);
        in.bytes(std::span<std::uint8_t>(db.extraData.data(), db.extraLength));
        db.crcTrailer = in.u16();
    } else {
        const std::uint8_t second = in.u8();
        if (!in.ok()) return truncated("CRC trailer");
        db.crcTrailer = static_cast<std::uint16_t>(first << 8 | second);
    }

    if (options.workingTables) db.syncWorkingTables();
    LoadResult ok;
    ok.consumed = in.position();
    return ok;
}

namespace {

// A pipe handed over by the shell lives on pipefs; a FIFO in the file system
// does not, and reading one whose writer never writes would wait for ever.
bool isAnonymousPipe(int fd) {
    struct statfs fs {};
    return ::fstatfs(fd, &fs) == 0 && fs.f_type == PIPEFS_MAGIC;
}

bool readFailed(int fd, std::string& error, std::string reason, ReadFailure* failure, ReadFailure why) {
    ::close(fd);
    error = std::move(reason);
    if (failure) *failure = why;
    return false;
}

}  // namespace

bool readWholeFile(const std::string& path, std::vector<std::uint8_t>& out, std::string& error, std::size_t maxBytes,
                   ReadFailure* failure) {
    out.clear();
    if (failure) *failure = ReadFailure::None;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        error = std::strerror(errno);
        if (failure) *failure = ReadFailure::CannotOpen;
        return false;
    }
    constexpr auto kOpen = ReadFailure::CannotOpen;
    struct stat st {};
    if (::fstat(fd, &st) != 0) return readFailed(fd, error, std::strerror(errno), failure, kOpen);
    if (S_ISDIR(st.st_mode)) return readFailed(fd, error, std::strerror(EISDIR), failure, kOpen);
    const bool regular = S_ISREG(st.st_mode);
    if (!regular && !(S_ISFIFO(st.st_mode) && isAnonymousPipe(fd)))
        return readFailed(fd, error, kTextNotRegularFile, failure, kOpen);
    if (!regular) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    const std::size_t expected = regular ? static_cast<std::size_t>(st.st_size) : 0;
    if (expected > maxBytes) return readFailed(fd, error, kTextTooLargeFile, failure, ReadFailure::TooLarge);

    // One byte beyond the limit tells a pipe that holds too much.
    out.resize(std::min(maxBytes + 1, std::max<std::size_t>(expected + 1, 65536)));
    std::size_t done = 0;
    for (;;) {
        if (done == out.size()) {
            if (done > maxBytes) {
                out.clear();
                return readFailed(fd, error, kTextTooLargeFile, failure, ReadFailure::TooLarge);
            }
            out.resize(std::min(maxBytes + 1, out.size() * 2));
        }
        const ssize_t n = ::read(fd, out.data() + done, out.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            out.clear();
            return readFailed(fd, error, std::strerror(errno), failure, kOpen);
        }
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    out.resize(done);
    if (regular && done < expected) {
        out.clear();
        error = "the file was shortened while it was read";
        if (failure) *failure = kOpen;
        return false;
    }
    return true;
}

LoadResult loadChannelFile(const std::string& path, ChannelDatabase& db, ReadOptions options,
                           std::vector<std::uint8_t>* keep) {
    std::vector<std::uint8_t> bytes;
    std::string error;
    ReadFailure why = ReadFailure::None;
    if (!readWholeFile(path, bytes, error, kReadLimit, &why)) {
        if (why == ReadFailure::TooLarge)
            return fail(LoadStatus::TooLarge, "The file is too large to be a channel file: it holds more than " +
                                                  std::to_string(kReadLimit) + " bytes.");
        return fail(LoadStatus::CannotOpen, "Cannot open " + path + ": " + error);
    }
    ChannelDatabase fresh;
    LoadResult r = readChannelFile(bytes, fresh, options);
    if (r.ok()) db = std::move(fresh);
    if (keep) *keep = std::move(bytes);
    return r;
}

}  // namespace velmora
