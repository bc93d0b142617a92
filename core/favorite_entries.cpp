// SPDX-License-Identifier: GPL-3.0-or-later
// Favourite entries and the lock flag: adds and removes for sets of channels,
// the dialog's reorders and clears of one group.
#include "channel_edit_internal.h"

namespace velmora {
using namespace detail;
namespace {

struct GroupView {
    std::size_t start = 0, members = 0;
};

GroupView groupView(const ChannelDatabase& db, ChannelKind kind, int group) {
    return {db.groupMemberOffset(kind, sz(group)), db.memberCounts(kind)[sz(group)]};
}

// 0-based place of each channel's last entry in the group, -1 for none.
std::vector<int> lastPlaces(const ChannelDatabase& db, ChannelKind kind, int group) {
    const std::size_t count = db.channelCount(kind);
    std::vector<int> last(count, -1);
    const GroupView g = groupView(db, kind, group);
    const auto& list = db.members(kind);
    for (std::size_t j = 0; j < g.members && g.start + j < list.size(); ++j)
        if (list[g.start + j] < count) last[list[g.start + j]] = static_cast<int>(j);
    return last;
}

}  // namespace

namespace detail {

void takeEntries(ChannelDatabase& db, ChannelKind kind, std::span<const GroupEntry> entries) {
    if (entries.empty()) return;
    auto& list = db.members(kind);
    auto& counts = db.memberCounts(kind);
    std::size_t read = 0, write = 0, e = 0;
    for (std::size_t g = 0; g < groupsOf(db, kind); ++g) {
        std::uint16_t kept = 0;
        for (std::size_t j = 0; j < counts[g] && read < list.size(); ++j, ++read) {
            if (e < entries.size() && entries[e].group == g && entries[e].place == j) {
                ++e;
                continue;
            }
            list[write++] = list[read];
            ++kept;
        }
        counts[g] = kept;
    }
    std::fill(at(list, write), at(list, read), std::uint16_t{0});
}

void putEntries(ChannelDatabase& db, ChannelKind kind, std::span<const GroupEntry> entries) {
    if (entries.empty()) return;
    auto& list = db.members(kind);
    auto& counts = db.memberCounts(kind);
    static thread_local std::vector<std::uint16_t> old;
    old.assign(list.begin(), at(list, std::min(db.totalMembers(kind), list.size())));
    std::size_t read = 0, write = 0, e = 0;
    for (std::size_t g = 0; g < groupsOf(db, kind); ++g) {
        std::size_t end = e;
        while (end < entries.size() && entries[end].group == g) ++end;
        const std::size_t total = counts[g] + (end - e), readEnd = read + counts[g];
        for (std::size_t j = 0; j < total && write < list.size(); ++j) {
            const bool theirs = e < end && (entries[e].place == j || read >= readEnd);
            list[write++] = theirs ? entries[e++].channel : old[read++];
        }
        counts[g] = static_cast<std::uint16_t>(total);
    }
}

std::vector<GroupEntry> entriesNaming(const ChannelDatabase& db, ChannelKind kind, const std::vector<char>& channels) {
    std::vector<GroupEntry> out;
    const auto& list = db.members(kind);
    const auto& counts = db.memberCounts(kind);
    std::size_t e = 0;
    for (std::size_t g = 0; g < groupsOf(db, kind); ++g)
        for (std::size_t j = 0; j < counts[g] && e < list.size(); ++j, ++e)
            if (list[e] < channels.size() && channels[list[e]])
                out.push_back({static_cast<std::uint8_t>(g), static_cast<std::uint16_t>(j), list[e]});
    return out;
}

void rotateEntry(std::vector<std::uint16_t>& list, std::size_t start, int from, int to) {
    if (from < to)
        std::rotate(at(list, start + sz(from)), at(list, start + sz(from) + 1), at(list, start + sz(to) + 1));
    else if (to < from)
        std::rotate(at(list, start + sz(to)), at(list, start + sz(from)), at(list, start + sz(from) + 1));
}

void applyChange(ChannelDatabase& db, const EntriesRemoved& c, bool undo) {
    if (undo != c.inserted)
        putEntries(db, c.kind, c.entries);
    else
        takeEntries(db, c.kind, c.entries);
}

void applyChange(ChannelDatabase& db, const EntryMoved& c, bool undo) {
    rotateEntry(db.members(c.kind), db.groupMemberOffset(c.kind, c.group), undo ? c.to : c.from, undo ? c.from : c.to);
}

void applyChange(ChannelDatabase& db, const LockChanged& c, bool undo) {
    auto& table = db.channels(c.kind);
    for (std::size_t i = 0; i < c.indices.size(); ++i) table[c.indices[i]].locked = undo ? c.before[i] : c.value;
}

void applyChange(ChannelDatabase& db, const FavoritesReplaced& c, bool undo) {
    const FavoriteSection& f = *(undo ? c.before : c.after);
    db.general.favoriteGroupCount = f.groupCount;
    db.groupNames = f.names;
    for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
        const bool tv = kind == ChannelKind::Tv;
        const auto& counts = tv ? f.tvCounts : f.radioCounts;
        const auto& members = tv ? f.tvMembers : f.radioMembers;
        std::copy(counts.begin(), counts.end(), db.memberCounts(kind).begin());
        auto& list = db.members(kind);
        std::fill(std::copy(members.begin(), members.end(), list.begin()), list.end(), std::uint16_t{0});
    }
}

}  // namespace detail

FavoriteSection favoriteSection(const ChannelDatabase& db) {
    FavoriteSection f;
    f.groupCount = db.groupCount();
    f.names = db.groupNames;  // the file stores the whole name table
    for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
        const bool tv = kind == ChannelKind::Tv;
        (tv ? f.tvCounts : f.radioCounts) = db.memberCounts(kind);
        const auto& list = db.members(kind);
        (tv ? f.tvMembers : f.radioMembers).assign(list.begin(), at(list, std::min(db.totalMembers(kind), list.size())));
    }
    return f;
}

void noteFavoritesReplaced(const ChannelDatabase& db, FavoriteSection before, EditStep& step) {
    step.changes.emplace_back(FavoritesReplaced{std::make_shared<const FavoriteSection>(std::move(before)),
                                                std::make_shared<const FavoriteSection>(favoriteSection(db))});
}

SelectionMarks selectionMarks(const ChannelDatabase& db, ChannelKind kind, std::span<const int> channels,
                              bool workingMembers) {
    SelectionMarks marks;
    if (!db.tablesAllocated()) return marks;
    const bool working = workingMembers && db.hasWorkingTables();
    const std::size_t count = db.channelCount(kind);
    std::vector<char> listed(count, 0);
    for (int c : channels)
        if (c >= 0 && sz(c) < count && !listed[sz(c)]) {
            listed[sz(c)] = 1;
            ++marks.channels;
            marks.locked += (working ? db.workingChannels(kind) : db.channels(kind))[sz(c)].locked != 0;
        }
    const auto& list = working ? db.workingMembers(kind) : db.members(kind);
    const auto& counts = db.memberCounts(kind);
    std::vector<char> seen(count, 0);  // a channel listed twice in a group counts once
    for (std::size_t g = 0, e = 0; g < kViewGroups && g < groupsOf(db, kind); ++g) {
        std::fill(seen.begin(), seen.end(), 0);
        for (std::size_t j = 0; j < counts[g] && e < list.size(); ++j, ++e) {
            const std::uint16_t v = list[e];
            if (v < count && listed[v] && !seen[v]) {
                seen[v] = 1;
                ++marks.members[g];
            }
        }
    }
    return marks;
}

FavoriteChange addFavorites(ChannelDatabase& db, ChannelKind kind, int group, std::span<const int> channels, int place,
                            EditStep* step) {
    if (!db.tablesAllocated() || !groupExists(db, group)) return {EditStatus::NoSuchGroup};
    const auto set = indexSet(db.channelCount(kind), channels);
    if (!set) return {EditStatus::NoSuchChannel};
    if (set->empty()) return {};
    const std::vector<int> last = lastPlaces(db, kind, group);
    std::vector<std::uint16_t> add;
    for (std::uint16_t c : *set)
        if (last[c] < 0) add.push_back(c);
    if (add.empty()) return {EditStatus::AlreadyMember, last[set->front()] + 1};
    if (db.totalMembers(kind) + add.size() > kMemberCapacity) return {EditStatus::MembersFull};
    const int members = db.memberCounts(kind)[sz(group)];
    const int first = place <= 0 || place > members ? members : place - 1;
    EntriesRemoved change{kind, true, {}};
    change.entries.reserve(add.size());
    for (std::size_t i = 0; i < add.size(); ++i)
        change.entries.push_back({static_cast<std::uint8_t>(group), static_cast<std::uint16_t>(first + static_cast<int>(i)), add[i]});
    commit(db, std::move(change), step);
    return {EditStatus::Done, first + 1, static_cast<int>(add.size())};
}

FavoriteChange removeFavorites(ChannelDatabase& db, ChannelKind kind, int group, std::span<const int> channels,
                               FavoriteRemoval which, EditStep* step) {
    if (!db.tablesAllocated() || !groupExists(db, group)) return {EditStatus::NoSuchGroup};
    const std::size_t count = db.channelCount(kind);
    const auto set = indexSet(count, channels);
    if (!set) return {EditStatus::NoSuchChannel};
    if (set->empty()) return {};
    const std::vector<int> last = lastPlaces(db, kind, group);
    const std::vector<char> listed = flagsOf(count, *set);
    EntriesRemoved change{kind, false, {}};
    const GroupView g = groupView(db, kind, group);
    const auto& list = db.members(kind);
    for (std::size_t j = 0; j < g.members; ++j) {
        const std::uint16_t v = list[g.start + j];
        if (v >= count || !listed[v]) continue;
        if (which == FavoriteRemoval::EveryEntry || last[v] == static_cast<int>(j))
            change.entries.push_back({static_cast<std::uint8_t>(group), static_cast<std::uint16_t>(j), v});
    }
    if (change.entries.empty()) return {EditStatus::NotMember};
    const int position = last[set->front()] + 1;
    const int removed = static_cast<int>(change.entries.size());
    commit(db, std::move(change), step);
    return {EditStatus::Done, position, removed};
}

FavoriteChange addFavorite(ChannelDatabase& db, ChannelKind kind, int group, int channel, int place, EditStep* step) {
    const int one[] = {channel};
    return addFavorites(db, kind, group, one, place, step);
}

FavoriteChange removeFavorite(ChannelDatabase& db, ChannelKind kind, int group, int channel, EditStep* step) {
    const int one[] = {channel};
    return removeFavorites(db, kind, group, one, FavoriteRemoval::EveryEntry, step);
}

std::vector<int> favoritePlaces(const ChannelDatabase& db, ChannelKind kind, int group, int channel) {
    std::vector<int> places;
    if (!db.tablesAllocated() || !groupExists(db, group)) return places;
    const GroupView g = groupView(db, kind, group);
    const auto& list = db.members(kind);
    for (std::size_t j = 0; j < g.members && g.start + j < list.size(); ++j)
        if (list[g.start + j] == channel) places.push_back(static_cast<int>(j) + 1);
    return places;
}

FavoriteChange restoreFavorite(ChannelDatabase& db, ChannelKind kind, int group, int channel,
                               const std::vector<int>& places, EditStep* step) {
    if (places.empty()) return addFavorite(db, kind, group, channel, 0, step);
    if (!db.tablesAllocated() || !groupExists(db, group)) return {EditStatus::NoSuchGroup};
    if (channel < 0 || channel >= db.channelCount(kind)) return {EditStatus::NoSuchChannel};
    if (!favoritePlaces(db, kind, group, channel).empty()) return addFavorite(db, kind, group, channel, 0, step);
    if (db.totalMembers(kind) + places.size() > kMemberCapacity) return {EditStatus::MembersFull};
    // The places are those of the group with the channel in it: ascending,
    // each counts the entries put back before it; past the end, appended.
    const int members = db.memberCounts(kind)[sz(group)];
    EntriesRemoved change{kind, true, {}};
    int position = 0;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const int limit = members + static_cast<int>(i);
        position = std::clamp(places[i] - 1, position, limit);
        change.entries.push_back({static_cast<std::uint8_t>(group), static_cast<std::uint16_t>(position),
                                  static_cast<std::uint16_t>(channel)});
        ++position;
    }
    const int added = static_cast<int>(change.entries.size());
    commit(db, std::move(change), step);
    return {EditStatus::Done, position, added};
}

EditStatus setLocked(ChannelDatabase& db, ChannelKind kind, std::span<const int> channels, bool locked,
                     EditStep* step) {
    const auto set = indexSet(db.tablesAllocated() ? db.channelCount(kind) : 0, channels);
    if (!set) return EditStatus::NoSuchChannel;
    LockChanged change{kind, static_cast<std::uint8_t>(locked ? 1 : 0), {}, {}};
    const auto& table = db.channels(kind);
    for (std::uint16_t i : *set) {
        if (table[i].locked == change.value) continue;
        change.indices.push_back(i);
        change.before.push_back(table[i].locked);
    }
    if (!change.indices.empty()) commit(db, std::move(change), step);
    return EditStatus::Done;
}

EditStatus moveGroupEntry(ChannelDatabase& db, ChannelKind kind, int group, int from, int to, EditStep* step) {
    if (!db.tablesAllocated() || !groupExists(db, group)) return EditStatus::NoSuchGroup;
    const int count = db.memberCounts(kind)[sz(group)];
    if (from < 0 || from >= count || to < 0 || to >= count) return EditStatus::NoSuchEntry;
    const std::size_t start = db.groupMemberOffset(kind, sz(group));
    if (db.members(kind).size() < start + sz(count)) return EditStatus::NoSuchEntry;
    // The working list shares the counts: a sorted list's marks stay in step.
    if (db.workingMembers(kind).size() >= start + sz(count)) rotateEntry(db.workingMembers(kind), start, from, to);
    if (from != to)
        commit(db, EntryMoved{kind, static_cast<std::uint8_t>(group), static_cast<std::uint16_t>(from), static_cast<std::uint16_t>(to)},
               step);
    return EditStatus::Done;
}

EditStatus clearGroupEntries(ChannelDatabase& db, ChannelKind kind, int group, EditStep* step) {
    if (!db.tablesAllocated() || !groupExists(db, group)) return EditStatus::NoSuchGroup;
    const GroupView g = groupView(db, kind, group);
    const std::size_t total = db.totalMembers(kind);
    auto& working = db.workingMembers(kind);
    if (working.size() >= total) {
        std::move(at(working, g.start + g.members), at(working, total), at(working, g.start));
        std::fill(at(working, total - g.members), at(working, total), std::uint16_t{0});
    }
    EntriesRemoved change{kind, false, {}};
    const auto& list = db.members(kind);
    for (std::size_t j = 0; j < g.members && g.start + j < list.size(); ++j)
        change.entries.push_back({static_cast<std::uint8_t>(group), static_cast<std::uint16_t>(j), list[g.start + j]});
    if (!change.entries.empty()) commit(db, std::move(change), step);
    return EditStatus::Done;
}

}  // namespace velmora
