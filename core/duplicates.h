// SPDX-License-Identifier: GPL-3.0-or-later
// The same service stored twice in one list, as scans of several satellites
// leave it: found by the "by ids" key of list_match (one rule for diff,
// reorder and this), and removed without losing a favourite entry.
#pragma once

#include <vector>

#include "channel_database.h"
#include "channel_edit.h"
#include "table_changes.h"

namespace velmora {

struct Duplicates {
    // Per channel: the index of the first (lowest) channel with its key when
    // that is another channel, else -1. A channel with no ids is never one.
    std::vector<int> keptOf;
    // Per channel: whether another channel has its key (kept ones too).
    std::vector<char> hasCopy;
    int removable = 0;  // channels with keptOf >= 0
};

Duplicates findDuplicates(const ChannelDatabase& db, ChannelKind kind);

struct DedupeResult {
    EditStatus status = EditStatus::Done;
    int removed = 0;
    int entriesRepointed = 0;  // took the kept channel's index in place
    int entriesDropped = 0;    // their group already listed the kept channel
};

// Removes every channel that has a copy earlier in the table. Each favourite
// entry of a removed channel takes its kept channel's index at the same
// place, unless the group already lists the kept channel (anywhere, or by an
// entry re-pointed here), when the entry goes. A kept channel ends locked
// when one of its removed copies was. One step: re-pointing, locks, removal.
DedupeResult removeDuplicates(ChannelDatabase& db, ChannelKind kind, const Duplicates& found,
                              EditStep* step = nullptr);

}  // namespace velmora
