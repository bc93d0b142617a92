// SPDX-License-Identifier: GPL-3.0-or-later
// What every table operation shares: status texts, the marks of one
// channel, holding a channel, and the index maps of removals and insertions.
#include "channel_edit_internal.h"

#include <memory>
#include <type_traits>

namespace velmora {

namespace detail {

std::vector<long> survivorIndex(const std::vector<char>& removed) {
    std::vector<long> out(removed.size());
    long next = 0;
    for (std::size_t i = 0; i < removed.size(); ++i) out[i] = removed[i] ? -1 : next++;
    return out;
}

std::vector<long> shiftedIndex(std::size_t count, std::span<const std::uint16_t> indices) {
    std::vector<long> out(count);
    std::size_t j = 0;
    long next = 0;
    for (std::size_t i = 0; i < count; ++i) {
        while (j < indices.size() && indices[j] == next) ++j, ++next;
        out[i] = next++;
    }
    return out;
}

std::vector<char> flagsOf(std::size_t count, std::span<const std::uint16_t> indices) {
    std::vector<char> flags(count, 0);
    for (std::uint16_t i : indices)
        if (i < count) flags[i] = 1;
    return flags;
}

std::vector<std::uint16_t> indicesOf(const std::vector<char>& flags) {
    std::vector<std::uint16_t> out;
    for (std::size_t i = 0; i < flags.size(); ++i)
        if (flags[i]) out.push_back(static_cast<std::uint16_t>(i));
    return out;
}

std::optional<std::vector<std::uint16_t>> indexSet(std::size_t count, std::span<const int> indices) {
    std::vector<char> flags(count, 0);
    for (int i : indices) {
        if (i < 0 || sz(i) >= count) return std::nullopt;
        flags[sz(i)] = 1;
    }
    return indicesOf(flags);
}

bool groupExists(const ChannelDatabase& db, int group) {
    return group >= 0 && group < db.groupCount() && sz(group) < db.memberCounts(ChannelKind::Tv).size();
}

void applyChange(ChannelDatabase& db, const TransponderReplaced& c, bool undo) {
    db.transponders[c.index] = undo ? c.before : c.after;
}

void applyChange(ChannelDatabase& db, const SatelliteReplaced& c, bool undo) {
    db.satellites[c.index] = undo ? c.before : c.after;
    db.satelliteExtra[c.index] = undo ? c.extraBefore : c.extraAfter;
}

void applyChange(ChannelDatabase& db, const GroupRenamed& c, bool undo) {
    db.groupNames[c.group] = undo ? c.before : c.after;
}

void applyChange(ChannelDatabase& db, const TablesReplaced& c, bool undo) {
    const bool working = db.hasWorkingTables();
    db = *(undo ? c.before : c.after);
    if (working) db.syncWorkingTables();
}

}  // namespace detail

using namespace detail;

namespace {

// The tables a step keeps: working tables are made again from the committed ones.
std::shared_ptr<const ChannelDatabase> committedOnly(ChannelDatabase db) {
    const auto drop = [](auto& table) { std::decay_t<decltype(table)>().swap(table); };
    drop(db.workingSatellites);
    drop(db.workingTransponders);
    drop(db.workingTv);
    drop(db.workingRadio);
    drop(db.workingTvMembers);
    drop(db.workingRadioMembers);
    return std::make_shared<const ChannelDatabase>(std::move(db));
}

}  // namespace

void replaceTables(ChannelDatabase& db, ChannelDatabase next, EditStep* step) {
    commit(db, TablesReplaced{committedOnly(db), committedOnly(std::move(next))}, step);
}

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

}  // namespace velmora
