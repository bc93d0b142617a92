// SPDX-License-Identifier: GPL-3.0-or-later
// What the table operations of channel_edit share: re-indexing of the member
// lists, compaction of tables, and the engines that apply one TableChange
// forwards or backwards. An operation builds its change and applies it with
// the same engine that redo uses, so both write the same bytes.
#pragma once

#include <algorithm>
#include <optional>
#include <span>
#include <vector>

#include "channel_edit.h"

namespace velmora::detail {

inline std::size_t sz(int i) { return static_cast<std::size_t>(i); }
inline auto at(auto& v, std::size_t i) { return v.begin() + static_cast<std::ptrdiff_t>(i); }

inline std::size_t groupsOf(const ChannelDatabase& db, ChannelKind kind) {
    return std::min<std::size_t>(db.groupCount(), db.memberCounts(kind).size());
}

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
    std::fill(at(list, write), at(list, read), std::uint16_t{0});
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
// keeping the order of the rest; the freed slots are zeroed. The removed
// records go to `taken` when it is given.
template <class T>
std::size_t compact(std::vector<T>& table, std::size_t count, const std::vector<char>& removed,
                    std::vector<T>* taken = nullptr) {
    std::size_t write = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (!removed[i])
            table[write++] = table[i];
        else if (taken)
            taken->push_back(table[i]);
    }
    std::fill(at(table, write), at(table, count), T{});
    return count - write;
}

// The inverse: `records` go to ascending final `indices`, the others close
// around them in order. The table has room for them.
template <class T>
void expand(std::vector<T>& table, std::size_t count, std::span<const std::uint16_t> indices,
            std::span<const T> records) {
    std::size_t write = count + indices.size(), read = count, j = indices.size();
    while (j > 0) {
        --write;
        if (write == indices[j - 1])
            table[write] = records[--j];
        else
            table[write] = table[--read];
    }
}

// Index maps after a removal: newIndex[i] for a kept record, -1 for a removed
// one; an index past the table (a damaged file) moves down by every removal,
// so it stays past the table.
std::vector<long> survivorIndex(const std::vector<char>& removed);

inline long mapped(const std::vector<long>& index, std::size_t removedTotal, std::uint32_t v) {
    if (v < index.size()) return index[v];
    return static_cast<long>(v - removedTotal);
}

// After an insertion at ascending final `indices` into a table of `count`:
// the new index of each old one (past the table: moved up by all of them).
std::vector<long> shiftedIndex(std::size_t count, std::span<const std::uint16_t> indices);

inline long shifted(const std::vector<long>& index, std::size_t added, std::uint32_t v) {
    if (v < index.size()) return index[v];
    return static_cast<long>(v + added);
}

// Flags for ascending `indices` in a table of `count`.
std::vector<char> flagsOf(std::size_t count, std::span<const std::uint16_t> indices);
std::vector<std::uint16_t> indicesOf(const std::vector<char>& flags);

// Ascending, repeat-free indices below `count`; nothing when one is outside.
std::optional<std::vector<std::uint16_t>> indexSet(std::size_t count, std::span<const int> indices);

bool groupExists(const ChannelDatabase& db, int group);

// Opens a gap at `at` in the first `count` records and stores `value` there.
template <class T>
void insertAt(std::vector<T>& table, std::size_t count, std::size_t pos, const T& value) {
    std::move_backward(at(table, pos), at(table, count), at(table, count + 1));
    table[pos] = value;
}

// ---- favourite entries (favorite_entries.cpp) ----

// Takes out / puts in the entries at their places (ascending by group and
// place; places as they stand in the list that holds them).
void takeEntries(ChannelDatabase& db, ChannelKind kind, std::span<const GroupEntry> entries);
void putEntries(ChannelDatabase& db, ChannelKind kind, std::span<const GroupEntry> entries);
// Entries naming a flagged channel, in list order.
std::vector<GroupEntry> entriesNaming(const ChannelDatabase& db, ChannelKind kind, const std::vector<char>& channels);
void rotateEntry(std::vector<std::uint16_t>& list, std::size_t start, int from, int to);

// ---- the engines: one change forwards (undo false) or backwards ----

void applyChange(ChannelDatabase& db, const ChannelsMoved& c, bool undo);
void applyChange(ChannelDatabase& db, const ChannelsReordered& c, bool undo);
void applyChange(ChannelDatabase& db, const ChannelsRemoved& c, bool undo);
void applyChange(ChannelDatabase& db, const TranspondersRemoved& c, bool undo);
void applyChange(ChannelDatabase& db, const SatellitesRemoved& c, bool undo);
void applyChange(ChannelDatabase& db, const EntriesRemoved& c, bool undo);
void applyChange(ChannelDatabase& db, const EntryMoved& c, bool undo);
void applyChange(ChannelDatabase& db, const LockChanged& c, bool undo);
void applyChange(ChannelDatabase& db, const ChannelReplaced& c, bool undo);
void applyChange(ChannelDatabase& db, const TransponderReplaced& c, bool undo);
void applyChange(ChannelDatabase& db, const SatelliteReplaced& c, bool undo);
void applyChange(ChannelDatabase& db, const GroupRenamed& c, bool undo);
void applyChange(ChannelDatabase& db, const FavoritesReplaced& c, bool undo);
void applyChange(ChannelDatabase& db, const TablesReplaced& c, bool undo);

// Applies `change` forwards and appends it to `step` when there is one.
template <class Change>
void commit(ChannelDatabase& db, Change&& change, EditStep* step) {
    applyChange(db, change, false);
    if (step) step->changes.emplace_back(std::forward<Change>(change));
}

}  // namespace velmora::detail
