#include "channel_edit.h"

#include <algorithm>
#include <vector>

namespace velmora {
namespace {

std::size_t sz(int i) { return static_cast<std::size_t>(i); }

// Rewrites every entry of `list` over all groups of the file: `map` gives the
// new channel index, or -1 to drop the entry. Group counts follow when
// `counts` is given; the working list shares the counts and is never thinned.
template <class Map>
void remapEntries(std::vector<std::uint16_t>& list, std::vector<std::uint16_t>* counts,
                  const std::vector<std::uint16_t>& groupCounts, std::size_t groups, Map map) {
    std::size_t read = 0, write = 0;
    for (std::size_t g = 0; g < groups && g < groupCounts.size(); ++g) {
        std::uint16_t kept = 0;
        for (std::size_t j = 0; j < groupCounts[g] && read < list.size(); ++j, ++read) {
            const long to = map(list[read]);
            if (to < 0) continue;
            list[write++] = static_cast<std::uint16_t>(to);
            ++kept;
        }
        if (counts) (*counts)[g] = kept;
    }
    std::fill(list.begin() + static_cast<std::ptrdiff_t>(write), list.begin() + static_cast<std::ptrdiff_t>(read),
              std::uint16_t{0});
}

template <class Map>
void remapMembers(ChannelDatabase& db, ChannelKind kind, Map map) {
    auto& counts = db.memberCounts(kind);
    remapEntries(db.members(kind), &counts, counts, db.groupCount(), map);
}

template <class Map>
void remapWorkingMembers(ChannelDatabase& db, ChannelKind kind, Map map) {
    remapEntries(db.workingMembers(kind), nullptr, db.memberCounts(kind), db.groupCount(), map);
}

// Removes the records whose flag is set from the first `count` of `table`,
// keeping the order of the rest; the freed slots are zeroed.
template <class T>
std::size_t compact(std::vector<T>& table, std::size_t count, const std::vector<char>& removed) {
    std::size_t write = 0;
    for (std::size_t i = 0; i < count; ++i)
        if (!removed[i]) table[write++] = table[i];
    std::fill(table.begin() + static_cast<std::ptrdiff_t>(write), table.begin() + static_cast<std::ptrdiff_t>(count), T{});
    return count - write;
}

// Index maps after a removal: newIndex[i] for a kept record, -1 for a removed
// one; an index past the table (a damaged file) moves down by every removal,
// so it stays past the table.
std::vector<long> survivorIndex(const std::vector<char>& removed) {
    std::vector<long> out(removed.size());
    long next = 0;
    for (std::size_t i = 0; i < removed.size(); ++i) out[i] = removed[i] ? -1 : next++;
    return out;
}

long mapped(const std::vector<long>& index, std::size_t removedTotal, std::uint32_t v) {
    if (v < index.size()) return index[v];
    return static_cast<long>(v - removedTotal);
}

// Removes the flagged channels of one kind with all their favourite entries.
int removeChannels(ChannelDatabase& db, ChannelKind kind, const std::vector<char>& removed) {
    std::uint16_t& count = db.channelCount(kind);
    const std::size_t gone = compact(db.channels(kind), count, removed);
    if (gone == 0) return 0;
    count = static_cast<std::uint16_t>(count - gone);
    const std::vector<long> index = survivorIndex(removed);
    remapMembers(db, kind, [&](std::uint16_t v) { return mapped(index, gone, v); });
    return static_cast<int>(gone);
}

// Removes the flagged transponders with their channels; channels elsewhere
// keep naming their transponders.
void removeTransponders(ChannelDatabase& db, const std::vector<char>& removed, DeleteResult& result) {
    for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
        const std::size_t n = db.channelCount(kind);
        std::vector<char> on(n, 0);
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint16_t t = db.channels(kind)[i].transponderIndex;
            on[i] = t < removed.size() && removed[t];
        }
        (kind == ChannelKind::Tv ? result.tvRemoved : result.radioRemoved) = removeChannels(db, kind, on);
    }
    const std::size_t gone = compact(db.transponders, db.transponderCount, removed);
    db.transponderCount = static_cast<std::uint16_t>(db.transponderCount - gone);
    result.transpondersRemoved = static_cast<int>(gone);
    const std::vector<long> index = survivorIndex(removed);
    for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
        auto& table = db.channels(kind);
        for (std::size_t i = 0; i < db.channelCount(kind); ++i)
            table[i].transponderIndex = static_cast<std::uint16_t>(mapped(index, gone, table[i].transponderIndex));
    }
}

void removeSatellite(ChannelDatabase& db, std::size_t s) {
    const std::size_t n = db.satelliteCount;
    std::move(db.satellites.begin() + static_cast<std::ptrdiff_t>(s + 1), db.satellites.begin() + static_cast<std::ptrdiff_t>(n),
              db.satellites.begin() + static_cast<std::ptrdiff_t>(s));
    std::move(db.satelliteExtra.begin() + static_cast<std::ptrdiff_t>(s + 1),
              db.satelliteExtra.begin() + static_cast<std::ptrdiff_t>(n),
              db.satelliteExtra.begin() + static_cast<std::ptrdiff_t>(s));
    db.satellites[n - 1] = {};
    db.satelliteExtra[n - 1] = {};
    --db.satelliteCount;
    for (std::size_t i = 0; i < db.transponderCount; ++i) {
        std::uint8_t& si = db.transponders[i].satelliteIndex;
        if (si > s) --si;
    }
}

// Opens a gap at `at` in the first `count` records and stores `value` there.
template <class T>
void insertAt(std::vector<T>& table, std::size_t count, std::size_t at, const T& value) {
    std::move_backward(table.begin() + static_cast<std::ptrdiff_t>(at), table.begin() + static_cast<std::ptrdiff_t>(count),
                       table.begin() + static_cast<std::ptrdiff_t>(count + 1));
    table[at] = value;
}

bool groupExists(const ChannelDatabase& db, int group) {
    return group >= 0 && group < db.groupCount() && sz(group) < db.memberCounts(ChannelKind::Tv).size();
}

// Places of `channel` in `group`: flat entry indices, in order.
std::vector<std::size_t> entriesOf(const ChannelDatabase& db, ChannelKind kind, int group, int channel) {
    std::vector<std::size_t> out;
    const std::size_t from = db.groupMemberOffset(kind, sz(group));
    const auto& list = db.members(kind);
    for (std::size_t e = from; e < from + db.memberCounts(kind)[sz(group)] && e < list.size(); ++e)
        if (list[e] == channel) out.push_back(e);
    return out;
}

// Stores `channel` as entry `place` (0-based, clamped) of `group`.
int insertEntry(ChannelDatabase& db, ChannelKind kind, std::size_t group, int place, int channel) {
    auto& counts = db.memberCounts(kind);
    const int count = counts[group];
    const int at = place < 0 || place > count ? count : place;
    insertAt(db.members(kind), db.totalMembers(kind), db.groupMemberOffset(kind, group) + sz(at),
             static_cast<std::uint16_t>(channel));
    ++counts[group];
    return at + 1;
}

// Every index from `at` on moves up by one in a kind's list.
auto shiftedFrom(int at) {
    return [at](std::uint16_t v) { return static_cast<long>(v >= at ? v + 1 : v); };
}

// New's channel, inserted into the working tables of `kind` at `row`.
void insertWorkingChannel(ChannelDatabase& db, ChannelKind kind, int row, const ChannelEntry& record) {
    std::uint16_t& count = db.channelCount(kind);
    insertAt(db.workingChannels(kind), count, sz(row), record);
    ++count;
    remapWorkingMembers(db, kind, shiftedFrom(row));
}

}  // namespace

const char* editStatusText(EditStatus status) {
    switch (status) {
    case EditStatus::Done: return "Done.";
    case EditStatus::NoSuchChannel: return "There is no channel with that number.";
    case EditStatus::NoSuchTransponder: return "There is no transponder with that number.";
    case EditStatus::NoSuchSatellite: return "There is no satellite with that number.";
    case EditStatus::NoSuchGroup: return "The file has no such favourite group.";
    case EditStatus::ChannelTableFull: return "The channel list is full (10000 channels).";
    case EditStatus::TransponderTableFull: return "The transponder table is full (1000 transponders).";
    case EditStatus::SatelliteTableFull: return "A channel file holds at most 255 satellites.";
    case EditStatus::MembersFull: return "The favourite groups are full (10000 entries).";
    case EditStatus::AlreadyMember: return "The channel is already in that favourite group.";
    case EditStatus::NotMember: return "The channel is not in that favourite group.";
    case EditStatus::BadOrder: return "The new order does not name every channel exactly once.";
    case EditStatus::NoSuchEntry: return "The favourite group has no entry at that place.";
    }
    return "";
}

FavoriteMarks favoriteMarks(const ChannelDatabase& db, ChannelKind kind, int channel, bool workingMembers) {
    FavoriteMarks marks;
    marks.entryIndex.fill(-1);
    if (!db.tablesAllocated() || channel < 0) return marks;
    const auto& list = workingMembers && db.hasWorkingTables() ? db.workingMembers(kind) : db.members(kind);
    const auto& counts = db.memberCounts(kind);
    std::size_t entry = 0;
    for (std::size_t k = 0; k < kViewGroups && k < db.groupCount(); ++k) {
        for (std::size_t j = 0; j < counts[k] && entry < list.size(); ++j, ++entry) {
            if (list[entry] != channel) continue;
            marks.member[k] = true;
            marks.entryIndex[k] = static_cast<int>(entry);
            marks.position[k] = static_cast<int>(j + 1);
        }
    }
    return marks;
}

std::optional<HeldChannel> holdChannel(const ChannelDatabase& db, ChannelKind kind, int index) {
    const ChannelEntry* ch = index >= 0 ? db.channelAt(kind, sz(index)) : nullptr;
    if (!ch) return std::nullopt;
    const FavoriteMarks marks = favoriteMarks(db, kind, index);
    return HeldChannel{kind, index, *ch, marks.member, marks.entryIndex};
}

EditStatus removeChannel(ChannelDatabase& db, ChannelKind kind, int index) {
    if (index < 0 || !db.channelAt(kind, sz(index))) return EditStatus::NoSuchChannel;
    std::vector<char> removed(db.channelCount(kind), 0);
    removed[sz(index)] = 1;
    removeChannels(db, kind, removed);
    return EditStatus::Done;
}

EditStatus insertChannel(ChannelDatabase& db, ChannelKind kind, int index, const ChannelEntry& record,
                         const std::array<int, kViewGroups>& places) {
    std::uint16_t& count = db.channelCount(kind);
    if (!db.tablesAllocated() || index < 0 || index > count) return EditStatus::NoSuchChannel;
    if (count >= kChannelCapacity) return EditStatus::ChannelTableFull;
    std::size_t entries = 0;
    for (std::size_t k = 0; k < kViewGroups; ++k) {
        if (places[k] <= 0) continue;
        if (!groupExists(db, static_cast<int>(k))) return EditStatus::NoSuchGroup;
        ++entries;
    }
    if (db.totalMembers(kind) + entries > kMemberCapacity) return EditStatus::MembersFull;

    insertAt(db.channels(kind), count, sz(index), record);
    ++count;
    remapMembers(db, kind, shiftedFrom(index));
    for (std::size_t k = 0; k < kViewGroups; ++k)
        if (places[k] > 0) insertEntry(db, kind, k, places[k] - 1, index);
    return EditStatus::Done;
}

EditStatus moveChannel(ChannelDatabase& db, const HeldChannel& held, int to) {
    const ChannelKind kind = held.kind;
    const int from = held.heldIndex;
    const int count = db.tablesAllocated() ? db.channelCount(kind) : 0;
    if (from < 0 || from >= count || to < 0 || to >= count) return EditStatus::NoSuchChannel;
    // The channels in between close the gap; the held record fills index `to`.
    auto& table = db.channels(kind);
    const auto at = [&](int i) { return table.begin() + i; };
    if (from < to)
        std::move(at(from + 1), at(to + 1), at(from));
    else if (to < from)
        std::move_backward(at(to), at(from), at(from + 1));
    table[sz(to)] = held.record;
    if (from == to) return EditStatus::Done;
    const int lo = std::min(from, to), hi = std::max(from, to), step = from < to ? -1 : 1;
    remapMembers(db, kind, [=](std::uint16_t v) -> long {
        if (v == from) return to;
        if (v >= lo && v <= hi) return v + step;
        return v;
    });
    return EditStatus::Done;
}

EditStatus applyChannelOrder(ChannelDatabase& db, ChannelKind kind, std::span<const int> order) {
    const std::size_t n = db.tablesAllocated() ? db.channelCount(kind) : 0;
    if (order.size() != n) return EditStatus::BadOrder;
    std::vector<long> newIndex(n, -1);
    for (std::size_t i = 0; i < n; ++i) {
        const int from = order[i];
        if (from < 0 || sz(from) >= n || newIndex[sz(from)] >= 0) return EditStatus::BadOrder;
        newIndex[sz(from)] = static_cast<long>(i);
    }
    auto& table = db.channels(kind);
    // In place, cycle by cycle: a copy of a capacity table is 440 KB of fresh
    // pages for every reorder.
    std::vector<char> placed(n, 0);
    for (std::size_t start = 0; start < n; ++start) {
        if (placed[start]) continue;
        const ChannelEntry first = table[start];
        std::size_t at = start;
        for (std::size_t from = sz(order[at]); from != start; at = from, from = sz(order[at])) {
            table[at] = table[from];
            placed[at] = 1;
        }
        table[at] = first;
        placed[at] = 1;
    }
    remapMembers(db, kind, [&](std::uint16_t v) { return mapped(newIndex, 0, v); });
    return EditStatus::Done;
}

DeleteResult deleteTransponder(ChannelDatabase& db, int index) {
    DeleteResult result;
    if (!db.tablesAllocated() || index < 0 || index >= db.transponderCount) {
        result.status = EditStatus::NoSuchTransponder;
        return result;
    }
    const std::uint8_t satellite = db.transponders[sz(index)].satelliteIndex;
    std::vector<char> removed(db.transponderCount, 0);
    removed[sz(index)] = 1;
    removeTransponders(db, removed, result);
    // With no transponder left there is nothing to tell an unused satellite by.
    if (db.transponderCount == 0 || satellite >= db.satelliteCount) return result;
    for (std::size_t i = 0; i < db.transponderCount; ++i)
        if (db.transponders[i].satelliteIndex == satellite) return result;
    removeSatellite(db, satellite);
    result.satellitesRemoved = 1;
    return result;
}

DeleteResult deleteSatellite(ChannelDatabase& db, int index) {
    DeleteResult result;
    if (!db.tablesAllocated() || index < 0 || index >= db.satelliteCount) {
        result.status = EditStatus::NoSuchSatellite;
        return result;
    }
    std::vector<char> removed(db.transponderCount, 0);
    for (std::size_t i = 0; i < db.transponderCount; ++i) removed[i] = db.transponders[i].satelliteIndex == index;
    removeTransponders(db, removed, result);
    removeSatellite(db, sz(index));
    result.satellitesRemoved = 1;
    return result;
}

FavoriteChange addFavorite(ChannelDatabase& db, ChannelKind kind, int group, int channel, int place) {
    if (!db.tablesAllocated() || !groupExists(db, group)) return {EditStatus::NoSuchGroup};
    if (channel < 0 || channel >= db.channelCount(kind)) return {EditStatus::NoSuchChannel};
    const std::vector<std::size_t> present = entriesOf(db, kind, group, channel);
    if (!present.empty())
        return {EditStatus::AlreadyMember,
                static_cast<int>(present.back() - db.groupMemberOffset(kind, sz(group))) + 1};
    if (db.totalMembers(kind) >= kMemberCapacity) return {EditStatus::MembersFull};
    return {EditStatus::Done, insertEntry(db, kind, sz(group), place - 1, channel)};
}

FavoriteChange removeFavorite(ChannelDatabase& db, ChannelKind kind, int group, int channel) {
    if (!db.tablesAllocated() || !groupExists(db, group)) return {EditStatus::NoSuchGroup};
    if (channel < 0 || channel >= db.channelCount(kind)) return {EditStatus::NoSuchChannel};
    const std::vector<std::size_t> present = entriesOf(db, kind, group, channel);
    if (present.empty()) return {EditStatus::NotMember};
    const int position = static_cast<int>(present.back() - db.groupMemberOffset(kind, sz(group))) + 1;
    auto& list = db.members(kind);
    const std::size_t total = db.totalMembers(kind);
    // From the back, so that the earlier places stay valid.
    for (auto e = present.rbegin(); e != present.rend(); ++e) {
        std::move(list.begin() + static_cast<std::ptrdiff_t>(*e + 1), list.begin() + static_cast<std::ptrdiff_t>(total),
                  list.begin() + static_cast<std::ptrdiff_t>(*e));
        list[total - 1 - static_cast<std::size_t>(e - present.rbegin())] = 0;
    }
    db.memberCounts(kind)[sz(group)] = static_cast<std::uint16_t>(db.memberCounts(kind)[sz(group)] - present.size());
    return {EditStatus::Done, position};
}

std::vector<int> favoritePlaces(const ChannelDatabase& db, ChannelKind kind, int group, int channel) {
    std::vector<int> places;
    if (!db.tablesAllocated() || !groupExists(db, group)) return places;
    const std::size_t from = db.groupMemberOffset(kind, sz(group));
    for (const std::size_t e : entriesOf(db, kind, group, channel)) places.push_back(static_cast<int>(e - from) + 1);
    return places;
}

FavoriteChange restoreFavorite(ChannelDatabase& db, ChannelKind kind, int group, int channel,
                               const std::vector<int>& places) {
    if (places.empty()) return addFavorite(db, kind, group, channel);
    if (!db.tablesAllocated() || !groupExists(db, group)) return {EditStatus::NoSuchGroup};
    if (channel < 0 || channel >= db.channelCount(kind)) return {EditStatus::NoSuchChannel};
    if (!entriesOf(db, kind, group, channel).empty()) return addFavorite(db, kind, group, channel);
    if (db.totalMembers(kind) + places.size() > kMemberCapacity) return {EditStatus::MembersFull};
    // In ascending order each place counts the entries already put back.
    int position = 0;
    for (const int place : places) position = insertEntry(db, kind, sz(group), place - 1, channel);
    return {EditStatus::Done, position};
}

EditStatus moveGroupEntry(ChannelDatabase& db, ChannelKind kind, int group, int from, int to) {
    if (!db.tablesAllocated() || !groupExists(db, group)) return EditStatus::NoSuchGroup;
    const int count = db.memberCounts(kind)[sz(group)];
    if (from < 0 || from >= count || to < 0 || to >= count) return EditStatus::NoSuchEntry;
    const auto start = static_cast<std::ptrdiff_t>(db.groupMemberOffset(kind, sz(group)));
    for (auto* list : {&db.members(kind), &db.workingMembers(kind)}) {
        if (list->size() < static_cast<std::size_t>(start + count)) continue;
        const auto at = [&](int i) { return list->begin() + start + i; };
        if (from < to)
            std::rotate(at(from), at(from + 1), at(to + 1));
        else
            std::rotate(at(to), at(from), at(from + 1));
    }
    return EditStatus::Done;
}

EditStatus clearGroupEntries(ChannelDatabase& db, ChannelKind kind, int group) {
    if (!db.tablesAllocated() || !groupExists(db, group)) return EditStatus::NoSuchGroup;
    const std::size_t start = db.groupMemberOffset(kind, sz(group));
    const std::size_t count = db.memberCounts(kind)[sz(group)];
    const std::size_t total = db.totalMembers(kind);
    for (auto* list : {&db.members(kind), &db.workingMembers(kind)}) {
        if (list->size() < total) continue;
        const auto at = [&](std::size_t i) { return list->begin() + static_cast<std::ptrdiff_t>(i); };
        std::move(at(start + count), at(total), at(start));
        std::fill(at(total - count), at(total), std::uint16_t{0});
    }
    db.memberCounts(kind)[sz(group)] = 0;
    return EditStatus::Done;
}

NewResult prepareNew(ChannelDatabase& db, RecordPage page, ChannelKind kind, int selectedRow,
                     int currentTransponder) {
    NewResult result;
    result.record.page = page;
    result.record.kind = kind;
    auto refuse = [&](EditStatus s) {
        result.status = s;
        return result;
    };
    if (!db.tablesAllocated()) return refuse(EditStatus::NoSuchChannel);
    const int channels = db.channelCount(kind);
    if (channels >= static_cast<int>(kChannelCapacity)) return refuse(EditStatus::ChannelTableFull);

    if (page == RecordPage::Satellite) {
        if (db.satelliteCount >= kMaxSatellitesInFile) return refuse(EditStatus::SatelliteTableFull);
        if (db.transponderCount >= kTransponderCapacity) return refuse(EditStatus::TransponderTableFull);
        db.syncWorkingTables();
        const int s = db.satelliteCount++, t = db.transponderCount++;
        db.workingSatellites[sz(s)] = {};
        db.satelliteExtra[sz(s)] = {};
        db.workingTransponders[sz(t)] = TransponderEntry{};
        db.workingTransponders[sz(t)].satelliteIndex = static_cast<std::uint8_t>(s);
        ChannelEntry channel;
        channel.transponderIndex = static_cast<std::uint16_t>(t);
        insertWorkingChannel(db, kind, channels, channel);
        result.record.satellite = s;
        result.record.transponder = t;
        result.record.channel = channels;
        return result;
    }

    // The new channel copies the selected one; an empty list starts blank.
    const bool emptyList = channels == 0;
    if (!emptyList && (selectedRow < 0 || selectedRow >= channels)) return refuse(EditStatus::NoSuchChannel);
    const int row = emptyList ? 0 : selectedRow;
    ChannelEntry channel = emptyList ? ChannelEntry{} : db.channels(kind)[sz(row)];

    if (page == RecordPage::Transponder) {
        const bool noTransponders = db.transponderCount == 0;
        if (!noTransponders && (currentTransponder < 0 || currentTransponder >= db.transponderCount))
            return refuse(EditStatus::NoSuchTransponder);
        if (noTransponders && db.satelliteCount == 0) return refuse(EditStatus::NoSuchSatellite);
        if (db.transponderCount >= kTransponderCapacity) return refuse(EditStatus::TransponderTableFull);
        db.syncWorkingTables();
        const int t = noTransponders ? 0 : currentTransponder;
        const TransponderEntry copy = noTransponders ? TransponderEntry{} : db.transponders[sz(t)];
        insertAt(db.workingTransponders, db.transponderCount, sz(t), copy);
        ++db.transponderCount;
        for (ChannelKind k : {ChannelKind::Tv, ChannelKind::Radio}) {
            auto& table = db.workingChannels(k);
            for (std::size_t i = 0; i < db.channelCount(k); ++i)
                if (table[i].transponderIndex >= t) ++table[i].transponderIndex;
        }
        channel.transponderIndex = static_cast<std::uint16_t>(t);
        result.record.transponder = t;
    } else {
        if (emptyList) {
            if (db.transponderCount == 0) return refuse(EditStatus::NoSuchTransponder);
            channel.transponderIndex = static_cast<std::uint16_t>(
                currentTransponder >= 0 && currentTransponder < db.transponderCount ? currentTransponder : 0);
        }
        db.syncWorkingTables();
    }
    insertWorkingChannel(db, kind, row, channel);
    result.record.channel = row;
    return result;
}

void discardNew(ChannelDatabase& db, const NewRecord& record) {
    if (record.channel >= 0 && db.channelCount(record.kind) > 0) --db.channelCount(record.kind);
    if (record.transponder >= 0 && db.transponderCount > 0) --db.transponderCount;
    if (record.satellite >= 0 && db.satelliteCount > 0) --db.satelliteCount;
    // The committed tables were never touched: the working ones follow them.
    db.syncWorkingTables();
}

}  // namespace velmora
