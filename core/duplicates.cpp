// SPDX-License-Identifier: GPL-3.0-or-later
#include "duplicates.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

#include "list_match.h"

namespace velmora {

Duplicates findDuplicates(const ChannelDatabase& db, ChannelKind kind) {
    const std::size_t n = db.channelCount(kind);
    Duplicates d{std::vector<int>(n, -1), std::vector<char>(n, 0), 0};
    std::unordered_map<std::uint64_t, int> first;
    first.reserve(2 * n);
    for (std::size_t i = 0; i < n; ++i) {
        std::uint64_t key = 0;
        if (!channelIdKey(db, db.channels(kind)[i], key)) continue;
        const auto [it, fresh] = first.try_emplace(key, static_cast<int>(i));
        if (fresh) continue;
        d.keptOf[i] = it->second;
        d.hasCopy[i] = d.hasCopy[static_cast<std::size_t>(it->second)] = 1;
        ++d.removable;
    }
    return d;
}

DedupeResult removeDuplicates(ChannelDatabase& db, ChannelKind kind, const Duplicates& found, EditStep* step) {
    DedupeResult r;
    const std::size_t n = db.channelCount(kind);
    if (found.keptOf.size() != n) return {EditStatus::NoSuchChannel};
    if (found.removable == 0) return r;

    // Entries of removed channels that take their kept channel's index; the
    // others keep naming the removed channel and go with it below.
    auto& members = db.members(kind);
    const FavoriteSection before = step ? favoriteSection(db) : FavoriteSection{};
    std::vector<int> seenIn(n, -1);  // the last group found to list the channel
    for (std::size_t g = 0; g < db.groupCount(); ++g) {
        const std::size_t from = db.groupMemberOffset(kind, g), to = from + db.memberCounts(kind)[g];
        for (std::size_t e = from; e < to && e < members.size(); ++e)
            if (members[e] < n && found.keptOf[members[e]] < 0) seenIn[members[e]] = static_cast<int>(g);
        for (std::size_t e = from; e < to && e < members.size(); ++e) {
            if (members[e] >= n) continue;
            const int kept = found.keptOf[members[e]];
            if (kept < 0) continue;
            if (seenIn[static_cast<std::size_t>(kept)] == static_cast<int>(g)) {
                ++r.entriesDropped;
                continue;
            }
            members[e] = static_cast<std::uint16_t>(kept);
            seenIn[static_cast<std::size_t>(kept)] = static_cast<int>(g);
            ++r.entriesRepointed;
        }
    }
    if (step && r.entriesRepointed) noteFavoritesReplaced(db, before, *step);

    std::vector<int> removed, toLock;
    std::vector<char> lockNoted(n, 0);
    const auto& table = db.channels(kind);
    for (std::size_t i = 0; i < n; ++i) {
        const int kept = found.keptOf[i];
        if (kept < 0) continue;
        removed.push_back(static_cast<int>(i));
        const auto k = static_cast<std::size_t>(kept);
        if (table[i].locked && !table[k].locked && !lockNoted[k]) {
            lockNoted[k] = 1;
            toLock.push_back(kept);
        }
    }
    std::sort(toLock.begin(), toLock.end());
    if (!toLock.empty()) setLocked(db, kind, toLock, true, step);
    const DeleteResult d = removeChannels(db, kind, removed, step);
    r.status = d.status;
    r.removed = kind == ChannelKind::Tv ? d.tvRemoved : d.radioRemoved;
    return r;
}

}  // namespace velmora
