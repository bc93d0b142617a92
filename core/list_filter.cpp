// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_filter.h"

#include "duplicates.h"
#include "list_match.h"
#include "list_order.h"

namespace velmora {

bool nameContains(std::string_view name, std::string_view upperText) {
    if (upperText.empty()) return true;
    if (upperText.size() > name.size()) return false;
    // Names are at most 23 bytes: a plain scan beats anything cleverer.
    const std::string upper = upperLatin1(name);
    return std::string_view(upper).find(upperText) != std::string_view::npos;
}

std::vector<char> matchingChannels(const ChannelDatabase& db, ChannelKind kind, const ChannelFilter& f) {
    const std::size_t n = db.channelCount(kind);
    std::vector<char> match(n, 1);
    const std::string text = upperLatin1(f.text);
    std::vector<char> inGroup;
    if (f.show == ShowChoice::InGroup || f.show == ShowChoice::NoGroup) {
        inGroup.assign(n, 0);
        const auto& members = db.members(kind);
        for (std::size_t g = 0; g < db.groupCount(); ++g) {
            if (f.show == ShowChoice::InGroup && static_cast<int>(g) != f.group) continue;
            const std::size_t from = db.groupMemberOffset(kind, g), to = from + db.memberCounts(kind)[g];
            for (std::size_t e = from; e < to && e < members.size(); ++e)
                if (members[e] < n) inGroup[members[e]] = 1;
        }
    }
    std::vector<char> copies;
    if (f.show == ShowChoice::Duplicates) copies = findDuplicates(db, kind).hasCopy;
    for (std::size_t i = 0; i < n; ++i) {
        const ChannelEntry& ch = db.channels(kind)[i];
        bool ok = true;
        switch (f.show) {
        case ShowChoice::All: break;
        case ShowChoice::Free: ok = !ch.scrambled; break;
        case ShowChoice::Scrambled: ok = ch.scrambled; break;
        case ShowChoice::Locked: ok = ch.locked; break;
        case ShowChoice::InGroup: ok = inGroup[i]; break;
        case ShowChoice::NoGroup: ok = !inGroup[i]; break;
        case ShowChoice::Duplicates: ok = copies[i]; break;
        }
        if (ok && f.satellite >= 0) {
            const TransponderEntry* tp = db.transponderOf(ch);
            ok = tp && db.satelliteOf(*tp) && tp->satelliteIndex == f.satellite;
        }
        match[i] = ok && nameContains(storedName(ch), text);
    }
    return match;
}

std::vector<int> filterRows(const ChannelDatabase& db, ChannelKind kind, const ChannelFilter& filter,
                            std::span<const int> rowRecords) {
    const std::vector<char> match = matchingChannels(db, kind, filter);
    std::vector<int> rows;
    rows.reserve(rowRecords.size());
    for (const int r : rowRecords)
        if (r >= 0 && static_cast<std::size_t>(r) < match.size() && match[static_cast<std::size_t>(r)]) rows.push_back(r);
    return rows;
}

}  // namespace velmora
