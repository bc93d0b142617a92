// SPDX-License-Identifier: GPL-3.0-or-later
// What changed from one channel file (A) to another (B), record by record,
// with records paired by the rule of list_match.h. Only what the editor
// shows is compared: opaque header values and bytes are not.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "channel_database.h"

namespace velmora {

// One record found in A, in B or in both. Positions are 0-based indices
// (places inside the group for favourite members); -1 where the record has
// no side. Texts are the file's single-byte texts, not yet UTF-8.
struct DiffEntry {
    int a = -1;
    int b = -1;
    std::string name;     // B's when the record is in B, else A's
    std::string aName;    // A's, when it differs from `name`
    std::vector<std::string> fields;  // of a changed record: the differing fields
};

struct ChannelListDiff {
    std::vector<DiffEntry> added, removed, changed, moved;
    bool empty() const { return added.empty() && removed.empty() && changed.empty() && moved.empty(); }
};

struct MemberDiff {
    // `moved`: members outside a longest common subsequence of the members
    // both sides have, so one member moved inside its group is reported alone.
    std::vector<DiffEntry> added, removed, moved;
    bool empty() const { return added.empty() && removed.empty() && moved.empty(); }
};

// Groups are known by their place in the file (group 0, 1, …).
struct GroupDiff {
    int group = 0;
    std::optional<std::string> aName, bName;  // nullopt: the file has no such group
    MemberDiff tv, radio;
    bool renamed() const { return aName && bName && *aName != *bName; }
};

struct TableDiff {
    std::vector<DiffEntry> added, removed, changed;
    bool empty() const { return added.empty() && removed.empty() && changed.empty(); }
};

struct ListDiff {
    ChannelListDiff tv, radio;
    std::vector<GroupDiff> favorites;  // groups with any difference, in group order
    TableDiff transponders, satellites;
    bool empty() const {
        return tv.empty() && radio.empty() && favorites.empty() && transponders.empty() && satellites.empty();
    }
};

ListDiff diffLists(const ChannelDatabase& a, const ChannelDatabase& b);

// "11778 H 019.2E": how diffs name a transponder ("?" for a satellite
// outside its table).
std::string transponderLabel(const ChannelDatabase& db, const TransponderEntry& tp);

}  // namespace velmora
