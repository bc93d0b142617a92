// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_reorder.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "list_match.h"
#include "printable.h"

namespace velmora {
namespace {

std::size_t sz(int i) { return static_cast<std::size_t>(i); }

// New order of one kind: the matched channels in the reference's order, then
// the rest in their current order. `newIndex` maps an old index to its new one.
std::vector<int> orderOf(const ChannelDatabase& db, ChannelKind kind, const ChannelMatching& m,
                         std::vector<int>& newIndex, ReorderCounts& counts) {
    std::vector<int> order;
    order.reserve(m.aToB.size());
    for (int i : m.bToA) {
        if (i >= 0) order.push_back(i);
        else ++counts.referenceOnly;
    }
    for (std::size_t i = 0; i < m.aToB.size(); ++i) {
        if (m.aToB[i] >= 0) continue;
        counts.unmatched.push_back({static_cast<int>(i), static_cast<int>(order.size()), fieldText(db.channels(kind)[i].name)});
        order.push_back(static_cast<int>(i));
    }
    newIndex.assign(order.size(), -1);
    for (std::size_t p = 0; p < order.size(); ++p) newIndex[sz(order[p])] = static_cast<int>(p);
    counts.channels = static_cast<int>(order.size());
    counts.byIds = m.byIds;
    counts.byName = m.byName;
    return order;
}

// The reference's members of one kind, group by group, as indices of the
// file after the reorder; members without a matched channel are dropped.
std::vector<std::vector<std::uint16_t>> mapMembers(const ChannelDatabase& reference, ChannelKind kind,
                                                   const ChannelMatching& m, const std::vector<int>& newIndex,
                                                   std::vector<DroppedMember>& dropped) {
    std::vector<std::vector<std::uint16_t>> out(std::min<std::size_t>(reference.groupCount(), kGroupCapacity));
    const auto& list = reference.members(kind);
    std::size_t at = 0;
    for (std::size_t g = 0; g < out.size(); ++g) {
        for (std::size_t j = 0; j < reference.memberCounts(kind)[g] && at < list.size(); ++j, ++at) {
            const std::uint16_t r = list[at];
            const int mine = r < m.bToA.size() ? m.bToA[r] : -1;
            if (mine >= 0) {
                out[g].push_back(static_cast<std::uint16_t>(newIndex[sz(mine)]));
                continue;
            }
            const ChannelEntry* ch = reference.channelAt(kind, r);
            dropped.push_back({static_cast<int>(g), kind, static_cast<int>(j), ch ? fieldText(ch->name) : std::string()});
        }
    }
    return out;
}

std::string number(int index) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%.4d", index + 1);
    return buf;
}

void countsText(std::string& out, const char* kind, const ReorderCounts& c, bool verbose) {
    out += std::string(kind) + ": " + std::to_string(c.byIds + c.byName) + " of " + std::to_string(c.channels) +
           " channels matched (" + std::to_string(c.byIds) + " by ids, " + std::to_string(c.byName) + " by name)";
    if (!c.unmatched.empty()) out += "; not matched, placed after them: " + std::to_string(c.unmatched.size());
    if (c.referenceOnly > 0) out += "; reference channels not in the file: " + std::to_string(c.referenceOnly);
    out += "\n";
    if (!verbose) return;
    for (const UnmatchedChannel& u : c.unmatched)
        out += std::string(kind) + " not matched: " + number(u.from) + " " + velmora::quoted(u.name) + " now " + number(u.to) + "\n";
}

}  // namespace

ReorderPlan planReorder(const ChannelDatabase& db, const ChannelDatabase& reference, bool withFavorites) {
    ReorderPlan plan;
    plan.withFavorites = withFavorites;
    plan.report.withFavorites = withFavorites;
    std::vector<int> tvIndex, radioIndex;
    const ChannelMatching tv = matchChannels(db, reference, ChannelKind::Tv);
    const ChannelMatching radio = matchChannels(db, reference, ChannelKind::Radio);
    plan.tvOrder = orderOf(db, ChannelKind::Tv, tv, tvIndex, plan.report.tv);
    plan.radioOrder = orderOf(db, ChannelKind::Radio, radio, radioIndex, plan.report.radio);
    if (!withFavorites || !reference.tablesAllocated()) return plan;

    const std::size_t groups = std::min<std::size_t>(reference.groupCount(), kGroupCapacity);
    plan.groupNames.assign(reference.groupNames.begin(), reference.groupNames.begin() + static_cast<std::ptrdiff_t>(groups));
    plan.tvMembers = mapMembers(reference, ChannelKind::Tv, tv, tvIndex, plan.report.dropped);
    plan.radioMembers = mapMembers(reference, ChannelKind::Radio, radio, radioIndex, plan.report.dropped);
    std::stable_sort(plan.report.dropped.begin(), plan.report.dropped.end(),
                     [](const DroppedMember& x, const DroppedMember& y) { return x.group < y.group; });
    plan.report.groups = static_cast<int>(groups);
    return plan;
}

ReorderPlan planReorder(const ChannelDatabase& db, const ChannelMatching& tv, const ChannelMatching& radio) {
    ReorderPlan plan;
    std::vector<int> tvIndex, radioIndex;
    plan.tvOrder = orderOf(db, ChannelKind::Tv, tv, tvIndex, plan.report.tv);
    plan.radioOrder = orderOf(db, ChannelKind::Radio, radio, radioIndex, plan.report.radio);
    return plan;
}

EditStatus applyReorder(ChannelDatabase& db, const ReorderPlan& plan, EditStep* step) {
    if (!db.tablesAllocated() || plan.tvOrder.size() != db.tvCount || plan.radioOrder.size() != db.radioCount)
        return EditStatus::BadOrder;
    if (plan.withFavorites) {
        // Checked before anything changes: the plan may come from another file.
        for (const auto* kind : {&plan.tvMembers, &plan.radioMembers}) {
            std::size_t total = 0;
            for (const auto& group : *kind) total += group.size();
            if (kind->size() > kGroupCapacity || total > kMemberCapacity) return EditStatus::MembersFull;
        }
    }
    for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
        const EditStatus s = applyChannelOrder(db, kind, kind == ChannelKind::Tv ? plan.tvOrder : plan.radioOrder, step);
        if (s != EditStatus::Done) return s;
    }
    if (plan.withFavorites) {
        std::optional<FavoriteSection> before;
        if (step) before = favoriteSection(db);
        const std::size_t groups = plan.groupNames.size();
        db.general.favoriteGroupCount = static_cast<std::uint16_t>(groups);
        std::fill(db.groupNames.begin(), db.groupNames.end(), GroupName{});
        std::copy(plan.groupNames.begin(), plan.groupNames.end(), db.groupNames.begin());
        for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
            const auto& members = kind == ChannelKind::Tv ? plan.tvMembers : plan.radioMembers;
            auto& counts = db.memberCounts(kind);
            auto& list = db.members(kind);
            std::fill(counts.begin(), counts.end(), std::uint16_t{0});
            std::fill(list.begin(), list.end(), std::uint16_t{0});
            std::size_t at = 0;
            for (std::size_t g = 0; g < members.size() && g < groups; ++g) {
                counts[g] = static_cast<std::uint16_t>(members[g].size());
                std::copy(members[g].begin(), members[g].end(), list.begin() + static_cast<std::ptrdiff_t>(at));
                at += members[g].size();
            }
        }
        if (step) noteFavoritesReplaced(db, std::move(*before), *step);
    }
    if (db.hasWorkingTables()) db.syncWorkingTables();
    return EditStatus::Done;
}

std::string reorderReportText(const ReorderReport& report, bool verbose) {
    std::string out;
    countsText(out, "TV", report.tv, verbose);
    countsText(out, "Radio", report.radio, verbose);
    if (!report.withFavorites) return out;
    out += "Favourites: groups taken from the reference: " + std::to_string(report.groups);
    if (!report.dropped.empty())
        out += "; members dropped, their channels not in the file: " + std::to_string(report.dropped.size());
    out += "\n";
    for (const DroppedMember& d : report.dropped)
        out += "Favourites group " + std::to_string(d.group + 1) + ": " + (d.kind == ChannelKind::Tv ? "TV" : "radio") +
               " member " + std::to_string(d.place + 1) + " " + velmora::quoted(d.name) + " dropped\n";
    return out;
}

}  // namespace velmora
