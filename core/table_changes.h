// SPDX-License-Identifier: GPL-3.0-or-later
// What one table operation changed, in the compact form that undoes and
// redoes it. The operations of channel_edit.h append to an EditStep when one
// is given; edit_history.h applies a step backwards and forwards.
//
// A step names records by their table indices at the time of its change and
// keeps only what cannot be worked out again: a move keeps which channels it
// moved and how, a removal the removed records and the favourite entries that
// went with them, with their places. Nothing in it depends on how a view
// shows or sorts the lists.
#pragma once

#include <cstdint>
#include <memory>
#include <variant>
#include <vector>

#include "channel_database.h"

namespace velmora {

// One favourite entry: its group, its 0-based place inside the group, the
// channel index it stores.
struct GroupEntry {
    std::uint8_t group = 0;
    std::uint16_t place = 0;
    std::uint16_t channel = 0;
    bool operator==(const GroupEntry&) const = default;
};

enum class MoveShape : std::uint8_t {
    Block,     // the moved channels end at to..to+k-1, in their order
    StepUp,    // each run of moved channels swaps with the channel above it
    StepDown,  // ... below it
};

// Channels `moved` (ascending indices before the move) moved as `shape` says;
// every favourite entry keeps its place and follows its channel.
struct ChannelsMoved {
    ChannelKind kind = ChannelKind::Tv;
    MoveShape shape = MoveShape::Block;
    std::uint16_t to = 0;
    std::vector<std::uint16_t> moved;
};

// A whole new order: the channel at new index i was at order[i].
struct ChannelsReordered {
    ChannelKind kind = ChannelKind::Tv;
    std::vector<std::uint16_t> order;
};

// Channels taken out (or, with `inserted`, put in) at ascending `indices`,
// each with its record, and the favourite entries that went (came) with
// them, ascending by group and place. Indices and places are those of the
// table that holds the channels.
struct ChannelsRemoved {
    ChannelKind kind = ChannelKind::Tv;
    bool inserted = false;
    std::vector<std::uint16_t> indices;
    std::vector<ChannelEntry> records;
    std::vector<GroupEntry> entries;
};

// Transponders taken out or put in; the channels' transponder references
// follow. `reindex` false: appended at the end, nothing past it re-indexed.
struct TranspondersRemoved {
    bool inserted = false;
    bool reindex = true;
    std::vector<std::uint16_t> indices;
    std::vector<TransponderEntry> records;
};

struct SatellitesRemoved {
    bool inserted = false;
    bool reindex = true;
    std::vector<std::uint16_t> indices;
    std::vector<SatelliteEntry> records;
    std::vector<SatelliteExtra> extras;
};

// Favourite entries taken out of (or put into) their groups; places as they
// stand in the list that holds them.
struct EntriesRemoved {
    ChannelKind kind = ChannelKind::Tv;
    bool inserted = false;
    std::vector<GroupEntry> entries;
};

// Entry `from` of a group moved to `to` (the favourites dialog's drag).
struct EntryMoved {
    ChannelKind kind = ChannelKind::Tv;
    std::uint8_t group = 0;
    std::uint16_t from = 0, to = 0;
};

// The lock flag set to `value` on `indices`, which held `before`.
struct LockChanged {
    ChannelKind kind = ChannelKind::Tv;
    std::uint8_t value = 0;
    std::vector<std::uint16_t> indices;
    std::vector<std::uint8_t> before;
};

// One record replaced whole: a committed form edit, the held record a move
// stored, a group's new name.
struct ChannelReplaced {
    ChannelKind kind = ChannelKind::Tv;
    std::uint16_t index = 0;
    ChannelEntry before, after;
};
struct TransponderReplaced {
    std::uint16_t index = 0;
    TransponderEntry before, after;
};
struct SatelliteReplaced {
    std::uint16_t index = 0;
    SatelliteEntry before, after;
    SatelliteExtra extraBefore{}, extraAfter{};
};
struct GroupRenamed {
    std::uint8_t group = 0;
    GroupName before{}, after{};
};

// The favourite section as a whole, for the rare change that replaces it
// (Apply Order From with the reference's groups): group count, the name
// table, member counts of every group, the used part of both member lists.
struct FavoriteSection {
    std::uint16_t groupCount = 0;
    std::vector<GroupName> names;
    std::vector<std::uint16_t> tvCounts, radioCounts;
    std::vector<std::uint16_t> tvMembers, radioMembers;
};
// Held apart, so that every other change stays small.
struct FavoritesReplaced {
    std::shared_ptr<const FavoriteSection> before, after;
};

// Every table and section at once (a kept version restored), without the
// working tables; held apart like the favourite section.
struct TablesReplaced {
    std::shared_ptr<const ChannelDatabase> before, after;
};

using TableChange = std::variant<ChannelsMoved, ChannelsReordered, ChannelsRemoved, TranspondersRemoved,
                                 SatellitesRemoved, EntriesRemoved, EntryMoved, LockChanged, ChannelReplaced,
                                 TransponderReplaced, SatelliteReplaced, GroupRenamed, FavoritesReplaced,
                                 TablesReplaced>;

// The changes of one person's command, in the order they were made; undone
// in reverse.
struct EditStep {
    std::vector<TableChange> changes;
    bool empty() const { return changes.empty(); }
};

}  // namespace velmora
