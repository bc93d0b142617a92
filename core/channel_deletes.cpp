// SPDX-License-Identifier: GPL-3.0-or-later
// Deletes and their cascades, and the insertion of a channel: records leave
// (or enter) their tables in one pass, and every reference to a later record
// follows, so each remaining reference keeps naming the same record.
#include "channel_edit_internal.h"

namespace velmora {
using namespace detail;
namespace {

// A removal of the flagged channels of one kind, with what undoes it when
// `full` is set (the records and their entries).
ChannelsRemoved channelRemoval(const ChannelDatabase& db, ChannelKind kind, const std::vector<char>& flags, bool full) {
    ChannelsRemoved c{kind, false, indicesOf(flags), {}, {}};
    if (!full) return c;
    c.records.reserve(c.indices.size());
    for (std::uint16_t i : c.indices) c.records.push_back(db.channels(kind)[i]);
    c.entries = entriesNaming(db, kind, flags);
    c.indices.shrink_to_fit();  // a step may be kept a long time
    c.entries.shrink_to_fit();
    return c;
}

void takeChannels(ChannelDatabase& db, ChannelKind kind, std::span<const std::uint16_t> indices) {
    std::uint16_t& count = db.channelCount(kind);
    const std::vector<char> flags = flagsOf(count, indices);
    const std::size_t gone = compact(db.channels(kind), count, flags);
    if (gone == 0) return;
    count = static_cast<std::uint16_t>(count - gone);
    const std::vector<long> index = survivorIndex(flags);
    remapMembers(db, kind, [&](std::uint16_t v) { return mapped(index, gone, v); });
}

void putChannels(ChannelDatabase& db, ChannelKind kind, const ChannelsRemoved& c) {
    std::uint16_t& count = db.channelCount(kind);
    const std::vector<long> index = shiftedIndex(count, c.indices);
    expand<ChannelEntry>(db.channels(kind), count, c.indices, c.records);
    count = static_cast<std::uint16_t>(count + c.indices.size());
    remapMembers(db, kind, [&](std::uint16_t v) { return shifted(index, c.indices.size(), v); });
    putEntries(db, kind, c.entries);
}

// Channels of both kinds on the flagged transponders go first, as changes of
// their own; then the transponders, the channels' references following.
void removeTransponders(ChannelDatabase& db, const std::vector<char>& flags, EditStep* step, DeleteResult& result) {
    for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
        const std::size_t n = db.channelCount(kind);
        std::vector<char> on(n, 0);
        std::size_t found = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint16_t t = db.channels(kind)[i].transponderIndex;
            found += on[i] = t < flags.size() && flags[t];
        }
        (kind == ChannelKind::Tv ? result.tvRemoved : result.radioRemoved) = static_cast<int>(found);
        if (found) commit(db, channelRemoval(db, kind, on, step != nullptr), step);
    }
    TranspondersRemoved c{false, true, indicesOf(flags), {}};
    if (c.indices.empty()) return;
    if (step)
        for (std::uint16_t t : c.indices) c.records.push_back(db.transponders[t]);
    result.transpondersRemoved = static_cast<int>(c.indices.size());
    commit(db, std::move(c), step);
}

void removeSatellites(ChannelDatabase& db, const std::vector<char>& flags, EditStep* step, DeleteResult& result) {
    SatellitesRemoved c{false, true, indicesOf(flags), {}, {}};
    if (c.indices.empty()) return;
    if (step)
        for (std::uint16_t s : c.indices) {
            c.records.push_back(db.satellites[s]);
            c.extras.push_back(db.satelliteExtra[s]);
        }
    result.satellitesRemoved = static_cast<int>(c.indices.size());
    commit(db, std::move(c), step);
}

DeleteResult refused(EditStatus s) {
    DeleteResult r;
    r.status = s;
    return r;
}

}  // namespace

namespace detail {

void applyChange(ChannelDatabase& db, const ChannelsRemoved& c, bool undo) {
    if (undo != c.inserted)
        putChannels(db, c.kind, c);
    else
        takeChannels(db, c.kind, c.indices);
}

void applyChange(ChannelDatabase& db, const TranspondersRemoved& c, bool undo) {
    std::uint16_t& count = db.transponderCount;
    std::vector<long> index;
    std::size_t moved = 0;  // how far references past the table go
    if (undo != c.inserted) {
        if (c.reindex) index = shiftedIndex(count, c.indices);
        expand<TransponderEntry>(db.transponders, count, c.indices, c.records);
        count = static_cast<std::uint16_t>(count + c.indices.size());
        moved = c.indices.size();
    } else {
        const std::vector<char> flags = flagsOf(count, c.indices);
        if (c.reindex) index = survivorIndex(flags);
        count = static_cast<std::uint16_t>(count - compact(db.transponders, count, flags));
    }
    if (!c.reindex) return;
    const bool grow = undo != c.inserted;
    for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
        auto& table = db.channels(kind);
        for (std::size_t i = 0; i < db.channelCount(kind); ++i) {
            std::uint16_t& t = table[i].transponderIndex;
            t = static_cast<std::uint16_t>(grow ? shifted(index, moved, t) : mapped(index, c.indices.size(), t));
        }
    }
}

void applyChange(ChannelDatabase& db, const SatellitesRemoved& c, bool undo) {
    std::uint16_t& count = db.satelliteCount;
    const bool grow = undo != c.inserted;
    std::vector<long> index;
    if (grow) {
        if (c.reindex) index = shiftedIndex(count, c.indices);
        expand<SatelliteEntry>(db.satellites, count, c.indices, c.records);
        expand<SatelliteExtra>(db.satelliteExtra, count, c.indices, c.extras);
        count = static_cast<std::uint16_t>(count + c.indices.size());
    } else {
        const std::vector<char> flags = flagsOf(count, c.indices);
        if (c.reindex) index = survivorIndex(flags);
        compact(db.satellites, count, flags);
        count = static_cast<std::uint16_t>(count - compact(db.satelliteExtra, count, flags));
    }
    if (!c.reindex) return;
    for (std::size_t i = 0; i < db.transponderCount; ++i) {
        std::uint8_t& s = db.transponders[i].satelliteIndex;
        s = static_cast<std::uint8_t>(grow ? shifted(index, c.indices.size(), s) : mapped(index, c.indices.size(), s));
    }
}

}  // namespace detail

DeleteResult removeChannels(ChannelDatabase& db, ChannelKind kind, std::span<const int> channels, EditStep* step) {
    const std::size_t count = db.tablesAllocated() ? db.channelCount(kind) : 0;
    const auto set = indexSet(count, channels);
    if (!set) return refused(EditStatus::NoSuchChannel);
    DeleteResult result;
    (kind == ChannelKind::Tv ? result.tvRemoved : result.radioRemoved) = static_cast<int>(set->size());
    if (!set->empty()) commit(db, channelRemoval(db, kind, flagsOf(count, *set), step != nullptr), step);
    return result;
}

EditStatus removeChannel(ChannelDatabase& db, ChannelKind kind, int index, EditStep* step) {
    const int one[] = {index};
    return removeChannels(db, kind, one, step).status;
}

EditStatus insertChannel(ChannelDatabase& db, ChannelKind kind, int index, const ChannelEntry& record,
                         const std::array<int, kViewGroups>& places, EditStep* step) {
    const std::uint16_t count = db.channelCount(kind);
    if (!db.tablesAllocated() || index < 0 || index > count) return EditStatus::NoSuchChannel;
    if (count >= kChannelCapacity) return EditStatus::ChannelTableFull;
    ChannelsRemoved c{kind, true, {static_cast<std::uint16_t>(index)}, {record}, {}};
    for (std::size_t k = 0; k < kViewGroups; ++k) {
        if (places[k] <= 0) continue;
        if (!groupExists(db, static_cast<int>(k))) return EditStatus::NoSuchGroup;
        const int members = db.memberCounts(kind)[k];
        const int place = std::min(places[k] - 1, members);
        c.entries.push_back({static_cast<std::uint8_t>(k), static_cast<std::uint16_t>(place), c.indices[0]});
    }
    if (db.totalMembers(kind) + c.entries.size() > kMemberCapacity) return EditStatus::MembersFull;
    commit(db, std::move(c), step);
    return EditStatus::Done;
}

DeleteResult deleteTransponders(ChannelDatabase& db, std::span<const int> indices, EditStep* step) {
    const std::size_t count = db.tablesAllocated() ? db.transponderCount : 0;
    const auto set = indexSet(count, indices);
    if (!set) return refused(EditStatus::NoSuchTransponder);
    DeleteResult result;
    if (set->empty()) return result;
    // One by one from the highest: a satellite goes with the deletion of its
    // last transponder, unless that left no transponder to tell an unused
    // satellite by, which happens only to the lowest one when all go.
    const std::vector<char> flags = flagsOf(count, *set);
    const std::size_t satellites = db.satelliteCount;
    std::vector<char> dropSatellite(satellites, 0), used(satellites, 0);
    for (std::size_t t = 0; t < count; ++t) {
        const std::uint8_t s = db.transponders[t].satelliteIndex;
        if (s < satellites) (flags[t] ? dropSatellite : used)[s] = 1;
    }
    for (std::size_t s = 0; s < satellites; ++s) dropSatellite[s] &= !used[s];
    const std::uint8_t lowest = db.transponders[set->front()].satelliteIndex;
    if (set->size() == count && lowest < satellites) dropSatellite[lowest] = 0;
    removeTransponders(db, flags, step, result);
    removeSatellites(db, dropSatellite, step, result);
    return result;
}

DeleteResult deleteSatellites(ChannelDatabase& db, std::span<const int> indices, EditStep* step) {
    const std::size_t count = db.tablesAllocated() ? db.satelliteCount : 0;
    const auto set = indexSet(count, indices);
    if (!set) return refused(EditStatus::NoSuchSatellite);
    DeleteResult result;
    if (set->empty()) return result;
    const std::vector<char> flags = flagsOf(count, *set);
    std::vector<char> transponders(db.transponderCount, 0);
    for (std::size_t t = 0; t < db.transponderCount; ++t) {
        const std::uint8_t s = db.transponders[t].satelliteIndex;
        transponders[t] = s < count && flags[s];
    }
    removeTransponders(db, transponders, step, result);
    removeSatellites(db, flags, step, result);
    return result;
}

DeleteResult deleteTransponder(ChannelDatabase& db, int index, EditStep* step) {
    const int one[] = {index};
    return deleteTransponders(db, one, step);
}

DeleteResult deleteSatellite(ChannelDatabase& db, int index, EditStep* step) {
    const int one[] = {index};
    return deleteSatellites(db, one, step);
}

}  // namespace velmora
