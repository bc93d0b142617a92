// SPDX-License-Identifier: GPL-3.0-or-later
// Table operations shared by the editor and the command line: holding,
// removing, inserting and moving channels, the cascading deletes of a
// transponder and of a satellite, favourite entries, and what New prepares.
//
// A channel is known everywhere by its index in its kind's table, and the
// favourite groups store such indices. Every operation here re-indexes every
// entry of that kind in every group of the file (up to 125, not only the ten
// the form shows), and an entry that named a removed channel goes with it
// wherever it stands, so no entry ever starts naming a neighbour.
//
// Every operation on channels takes a set of them and makes one pass over
// the table and one over the member lists however many it touches; the
// single-channel forms are the one-element case. Given an EditStep, an
// operation appends what undoes and redoes it (table_changes.h); a refused
// operation changes nothing and appends nothing.
//
// Everything acts on the committed tables except New, which prepares its
// records in the working tables until Save carries them over.
//
// Implemented by seam: channel_moves.cpp, channel_deletes.cpp,
// favorite_entries.cpp, new_record.cpp; shared parts in channel_edit.cpp.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <vector>

#include "channel_database.h"
#include "table_changes.h"

namespace velmora {

enum class EditStatus {
    Done,
    NoSuchChannel,         // index outside the kind's table
    NoSuchTransponder,
    NoSuchSatellite,
    NoSuchGroup,           // at or beyond the file's favoriteGroupCount
    ChannelTableFull,      // 10000 channels of the kind
    TransponderTableFull,  // 1000 transponders
    SatelliteTableFull,    // 255 satellites: the file stores the count in one byte
    MembersFull,           // 10000 favourite entries of the kind over all groups
    AlreadyMember,
    NotMember,
    BadOrder,              // not a permutation of the table
    NoSuchEntry,           // position outside the group's entries
};

// One sentence for a message box or the command line.
const char* editStatusText(EditStatus status);

// The marks the form shows for one channel in groups 0..9.
struct FavoriteMarks {
    std::array<bool, kViewGroups> member{};
    // Index of the channel's entry in the flat member list (-1 when not a
    // member); when it stands twice in a group, the last one.
    std::array<int, kViewGroups> entryIndex{};
    // 1-based place of that entry inside its group; 0 when not a member.
    std::array<int, kViewGroups> position{};
};

// `workingMembers`: read the working member list (list rows while a sort is
// pending) instead of the committed one.
FavoriteMarks favoriteMarks(const ChannelDatabase& db, ChannelKind kind, int channel, bool workingMembers = false);

// What the boxes show for several selected channels at once: how many of the
// listed channels (repeats count once) are in each of groups 0..9 and how many
// are locked; a box is checked when that is all of them, partly when some.
// `workingMembers` as for favoriteMarks.
struct SelectionMarks {
    int channels = 0;
    std::array<int, kViewGroups> members{};
    int locked = 0;
};
SelectionMarks selectionMarks(const ChannelDatabase& db, ChannelKind kind, std::span<const int> channels,
                              bool workingMembers = false);

// A channel taken for a move (Cut), with its marks at the time of taking.
struct HeldChannel {
    ChannelKind kind = ChannelKind::Tv;
    int heldIndex = -1;
    ChannelEntry record;
    std::array<bool, kViewGroups> heldFlags{};
    std::array<int, kViewGroups> heldPositions{};  // entry indices, as FavoriteMarks::entryIndex
};

// Copies committed channel `index`; nothing when it is outside the table.
std::optional<HeldChannel> holdChannel(const ChannelDatabase& db, ChannelKind kind, int index);

// ---- moves ----

// Where a block of held channels (`held`, table indices, each once) goes when
// pasted on row `row`: the index its first channel ends at. Below every held
// channel the block ends at `row`; otherwise it starts at row - h (h the held
// channels above `row`): right before that row's channel, or around it when
// it is held. One held channel: `row` itself.
int pasteTarget(std::span<const int> held, int row);

struct MoveResult {
    EditStatus status = EditStatus::Done;
    bool changed = false;    // false: already there, or at the edge
    std::vector<int> now;    // where the listed channels stand afterwards, ascending
};

// The listed channels (any order, repeats count once) keep their relative
// order and end at `to`..`to`+k-1; all others keep theirs. `to` from 0 to
// count-k. Every favourite entry keeps its place and keeps naming its channel.
MoveResult moveChannels(ChannelDatabase& db, ChannelKind kind, std::span<const int> channels, int to,
                        EditStep* step = nullptr);

enum class MoveDirection { Up, Down, Top, Bottom };
// Up/Down: every listed channel moves past the unlisted channel beside it;
// nothing moves when the first listed channel is already at the top (Up) or
// the last at the bottom (Down). Top/Bottom: to the ends, in their order.
MoveResult moveChannels(ChannelDatabase& db, ChannelKind kind, std::span<const int> channels, MoveDirection direction,
                        EditStep* step = nullptr);

// ---- deletes ----

struct DeleteResult {
    EditStatus status = EditStatus::Done;
    int tvRemoved = 0;
    int radioRemoved = 0;
    int transpondersRemoved = 0;
    int satellitesRemoved = 0;
};

// Removes the listed channels and every favourite entry naming them, in every
// group, repeats included; the others close up and their entries follow.
// Refused whole when one is outside the table.
DeleteResult removeChannels(ChannelDatabase& db, ChannelKind kind, std::span<const int> channels,
                            EditStep* step = nullptr);

// Removes channel `index` and every favourite entry naming it, in every group;
// later channels and the entries naming them move down by one.
EditStatus removeChannel(ChannelDatabase& db, ChannelKind kind, int index, EditStep* step = nullptr);

// Inserts `record` at `index` (0..count); entries naming channels from there
// on follow them. `places[k]` > 0 also enters the new channel into group k at
// that 1-based place (past the end: appended). Refused without any change when
// a table or the member list would overflow, or a place names a missing group.
EditStatus insertChannel(ChannelDatabase& db, ChannelKind kind, int index, const ChannelEntry& record,
                         const std::array<int, kViewGroups>& places = {}, EditStep* step = nullptr);

// Moves the held channel so that it ends at index `to` and stores the held
// record there. Every favourite entry keeps its place in its group and keeps
// naming its channel: moving down lands after the channel that was at `to`,
// moving up before it; `to` == heldIndex only puts the record back.
EditStatus moveChannel(ChannelDatabase& db, const HeldChannel& held, int to, EditStep* step = nullptr);

// Reorders a whole channel table: the channel at new index i is the one that
// was at `order[i]`. `order` must be a permutation of 0..count-1. Favourite
// entries follow their channels and keep their places in their groups.
EditStatus applyChannelOrder(ChannelDatabase& db, ChannelKind kind, std::span<const int> order,
                             EditStep* step = nullptr);

// Transponder `index` with every channel on it and their favourite entries.
// Its satellite goes too when transponders remain and none of them is on it.
DeleteResult deleteTransponder(ChannelDatabase& db, int index, EditStep* step = nullptr);
// Satellite `index` with every transponder on it, wherever they stand, every
// channel on those and their favourite entries.
DeleteResult deleteSatellite(ChannelDatabase& db, int index, EditStep* step = nullptr);

// Several at once, in one pass, with exactly the result of deleting them one
// by one from the highest index down (so the file's last transponder keeps
// its satellite). Refused whole when one is outside the table.
DeleteResult deleteTransponders(ChannelDatabase& db, std::span<const int> indices, EditStep* step = nullptr);
DeleteResult deleteSatellites(ChannelDatabase& db, std::span<const int> indices, EditStep* step = nullptr);

// ---- favourite entries and the lock flag ----

struct FavoriteChange {
    EditStatus status = EditStatus::Done;
    // 1-based place the (first listed) channel took, has, or had in the group.
    int position = 0;
    int changed = 0;  // entries added or taken out
};

// Enters the listed channels that are not yet in `group` at 1-based `place`
// (0 or past the end: appended), in table order; members stay where they are.
// AlreadyMember when every listed channel is one; MembersFull, changing
// nothing, when the kind's 10000 entries would be passed.
FavoriteChange addFavorites(ChannelDatabase& db, ChannelKind kind, int group, std::span<const int> channels,
                            int place = 0, EditStep* step = nullptr);

enum class FavoriteRemoval {
    LastEntry,   // each channel's last entry in the group (the one its box shows)
    EveryEntry,  // all of them
};
// Takes the listed channels' entries out of `group`; the others keep their
// order, listed channels that are not members are left alone. NotMember when
// none is one.
FavoriteChange removeFavorites(ChannelDatabase& db, ChannelKind kind, int group, std::span<const int> channels,
                               FavoriteRemoval which = FavoriteRemoval::LastEntry, EditStep* step = nullptr);

// Enters `channel` into `group` at 1-based `place` (0 or past the end:
// appended). A channel already in the group is left where it is.
FavoriteChange addFavorite(ChannelDatabase& db, ChannelKind kind, int group, int channel, int place = 0,
                           EditStep* step = nullptr);
// Takes every entry of `channel` out of `group`; the others keep their order.
FavoriteChange removeFavorite(ChannelDatabase& db, ChannelKind kind, int group, int channel,
                              EditStep* step = nullptr);

// Sets or clears `locked` of the listed channels. Refused whole when one is
// outside the table.
EditStatus setLocked(ChannelDatabase& db, ChannelKind kind, std::span<const int> channels, bool locked,
                     EditStep* step = nullptr);
// The 1-based places of every entry of `channel` in `group`, first to last:
// what restoreFavorite needs to put a channel the group lists twice back.
std::vector<int> favoritePlaces(const ChannelDatabase& db, ChannelKind kind, int group, int channel);
// Enters `channel`, which the group does not list, at each of `places` (as
// favoritePlaces gave them); position is the last place taken.
FavoriteChange restoreFavorite(ChannelDatabase& db, ChannelKind kind, int group, int channel,
                               const std::vector<int>& places, EditStep* step = nullptr);

// Moves entry `from` of `group` (0-based, among the group's entries of
// `kind`) so that it ends at `to`; the others keep their order. Only the
// order changes: each entry still names the same channel. The working member
// list, which shares the counts, gets the same move, so a sorted list's marks
// stay in step.
EditStatus moveGroupEntry(ChannelDatabase& db, ChannelKind kind, int group, int from, int to,
                          EditStep* step = nullptr);
// Empties `group` of its entries of `kind`; the later groups' entries close
// up. The group's name and its entries of the other kind stay.
EditStatus clearGroupEntries(ChannelDatabase& db, ChannelKind kind, int group, EditStep* step = nullptr);

// The favourite section as it stands, and the change from `before` to it
// (for an operation that replaces the whole section).
FavoriteSection favoriteSection(const ChannelDatabase& db);
void noteFavoritesReplaced(const ChannelDatabase& db, FavoriteSection before, EditStep& step);

// Every committed table and section of `db` becomes that of `next` (a kept
// version restored); working tables db has follow, as nothing is pending
// over a whole new list.
void replaceTables(ChannelDatabase& db, ChannelDatabase next, EditStep* step = nullptr);

// ---- New ----

enum class RecordPage { Channel = 0, Transponder = 1, Satellite = 2 };

// What New inserted into the working tables; -1 for a table it left alone.
struct NewRecord {
    RecordPage page = RecordPage::Channel;
    ChannelKind kind = ChannelKind::Tv;
    int channel = -1;
    int transponder = -1;
    int satellite = -1;
};

struct NewResult {
    EditStatus status = EditStatus::Done;
    NewRecord record;
};

// Starts the working tables from the committed ones and inserts there:
//  Channel page: a copy of channel `selectedRow` before it (at 0 on an empty
//    list, on `currentTransponder`);
//  Transponder page: a copy of transponder `currentTransponder` before it,
//    and a channel on it as on the Channel page; the other channels keep
//    their transponders;
//  Satellite page: an empty satellite, a transponder on it and a channel on
//    that, each appended.
// Counts grow at once (they are shared by both copies). Refused without any
// change when a table is full. Call only while nothing else is pending.
NewResult prepareNew(ChannelDatabase& db, RecordPage page, ChannelKind kind, int selectedRow,
                     int currentTransponder);

// Cancel after New: counts and tables exactly as before the New. Expects the
// committed tables untouched since (nothing but New changes them meanwhile).
void discardNew(ChannelDatabase& db, const NewRecord& record);

}  // namespace velmora
