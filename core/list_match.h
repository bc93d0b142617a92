// SPDX-License-Identifier: GPL-3.0-or-later
// Which record of one channel file is which record of another: the one rule
// that `velmora diff`, `velmora reorder` and Edit > Apply Order From… share.
//
// Two channels of the same kind match, in this order of preference:
//  1. identical: every field a diff compares is equal (ids, name, PIDs,
//     flags), counted as by ids (by name for channels without ids);
//  2. by ids: equal serviceId, and equal frequency and polarization of their
//     transponders, and equal longitude of those transponders' satellites;
//  3. by name: equal names (the bytes up to the first zero).
// Within each step the first unmatched channel of A takes the first unmatched
// equal channel of B, both in table order, so repeated keys pair the same way
// every time. A channel whose transponder or satellite index lies outside its
// table has no ids to compare and can match only by name.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "channel_database.h"

namespace velmora {

enum class MatchedBy : std::uint8_t { None, Ids, Name };

struct Matching {
    std::vector<int> aToB;  // per record of A: its partner's index in B, or -1
    std::vector<int> bToA;  // per record of B: its partner's index in A, or -1
};

struct ChannelMatching : Matching {
    std::vector<MatchedBy> how;  // per channel of A
    int byIds = 0;
    int byName = 0;
};

ChannelMatching matchChannels(const ChannelDatabase& a, const ChannelDatabase& b, ChannelKind kind);

// A reference that is a table of rows rather than a channel file (a list
// edited in a spreadsheet): each row may lack ids or a name, and the whole
// table may lack some parts of the ids, which are then left out of the
// comparison on both sides. Rows pair with channels of A by ids, then by
// name, first with first as above.
enum IdPart : unsigned { kIdService = 1, kIdFrequency = 2, kIdPolarization = 4, kIdLongitude = 8 };
struct RowKeys {
    unsigned parts = 0;                // IdPart bits the table has; 0: rows match by name only
    std::vector<std::uint64_t> ids;    // rowIdKey() of each row
    std::vector<char> hasIds;          // per row
    std::vector<std::string> names;    // per row, Latin-1 as stored in a record
    std::vector<char> hasName;         // per row
};
std::uint64_t rowIdKey(unsigned parts, unsigned serviceId, unsigned frequency, unsigned polarization, unsigned longitude);
// The same key of a channel; false when it lacks a transponder or satellite
// that `parts` compares.
bool channelRowKey(const ChannelDatabase& db, const ChannelEntry& ch, unsigned parts, std::uint64_t& key);
ChannelMatching matchRows(const ChannelDatabase& a, ChannelKind kind, const RowKeys& rows);

// A transponder is known by its frequency, polarization and satellite
// longitude, a satellite by its longitude; repeated keys pair in table order.
Matching matchTransponders(const ChannelDatabase& a, const ChannelDatabase& b);
Matching matchSatellites(const ChannelDatabase& a, const ChannelDatabase& b);

// Frequency, polarization and satellite longitude of a transponder packed
// into one comparable value; a satellite outside its table gives a value of
// its own that no longitude can give.
std::uint64_t transponderKey(const ChannelDatabase& db, const TransponderEntry& tp);
// The same for a channel's transponder; a transponder outside its table gives
// yet another value of its own.
std::uint64_t channelTransponderKey(const ChannelDatabase& db, const ChannelEntry& ch);

// The "by ids" key of a channel: its serviceId above its transponder key.
// False, and no key, when its transponder or that transponder's satellite
// lies outside its table. Equal keys are the same service tuned the same way.
bool channelIdKey(const ChannelDatabase& db, const ChannelEntry& ch, std::uint64_t& key);

// A channel's name up to the first zero, as stored (no copy).
std::string_view storedName(const ChannelEntry& ch);

// Positions of `seq` that lie outside one longest strictly increasing
// subsequence, ascending. O(n log n): capacity files hold 10000 channels.
std::vector<int> outsideLongestIncreasing(std::span<const int> seq);

// Pairs the occurrences of equal values of `a` and `b` in order (the k-th
// occurrence in `a` with the k-th in `b`); entries below zero never pair.
// Used for favourite members, where a channel may stand twice in a group.
Matching pairOccurrences(std::span<const int> a, std::span<const int> b);

}  // namespace velmora
