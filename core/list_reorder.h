// SPDX-License-Identifier: GPL-3.0-or-later
// Putting a channel file in the order of another (the reference): the
// channels that match a reference channel take the reference's order, the
// others follow in their current order. Favourite entries follow their
// channels. Optionally the reference's favourite groups replace the file's,
// mapped onto the matched channels.
#pragma once

#include <string>
#include <vector>

#include "channel_database.h"
#include "channel_edit.h"
#include "list_match.h"

namespace velmora {

struct UnmatchedChannel {
    int from = 0;  // index before the reorder
    int to = 0;    // index after it
    std::string name;
};

struct ReorderCounts {
    int channels = 0;       // of the file
    int byIds = 0;
    int byName = 0;
    int referenceOnly = 0;  // reference channels the file lacks
    std::vector<UnmatchedChannel> unmatched;
};

// A reference member whose channel has no match in the file.
struct DroppedMember {
    int group = 0;  // 0-based
    ChannelKind kind = ChannelKind::Tv;
    int place = 0;  // 0-based place in the reference's group
    std::string name;  // the reference channel's name
};

struct ReorderReport {
    ReorderCounts tv, radio;
    bool withFavorites = false;
    int groups = 0;  // groups taken from the reference
    std::vector<DroppedMember> dropped;
};

struct ReorderPlan {
    std::vector<int> tvOrder, radioOrder;  // as applyChannelOrder takes them
    bool withFavorites = false;
    std::vector<GroupName> groupNames;
    std::vector<std::vector<std::uint16_t>> tvMembers, radioMembers;  // per group, indices after the reorder
    ReorderReport report;
};

// Works out the reorder of `db` like `reference` without changing anything.
ReorderPlan planReorder(const ChannelDatabase& db, const ChannelDatabase& reference, bool withFavorites);

// The same from matchings already made (a reference that is a table of
// rows, list_match.h): the order alone, no favourite groups.
ReorderPlan planReorder(const ChannelDatabase& db, const ChannelMatching& tv, const ChannelMatching& radio);

// Carries out a plan made for `db` as it still is. The working tables follow
// the committed ones: call only while no New, sort or cut is pending. Given a
// step, appends what undoes it (table_changes.h).
EditStatus applyReorder(ChannelDatabase& db, const ReorderPlan& plan, EditStep* step = nullptr);

// The report as the command line prints it and the editor shows it, UTF-8,
// one line per finding; `verbose` also lists every channel that did not match.
std::string reorderReportText(const ReorderReport& report, bool verbose);

}  // namespace velmora
