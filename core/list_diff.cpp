// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_diff.h"

#include <algorithm>
#include <span>

#include "codes.h"
#include "list_match.h"

namespace velmora {
namespace {

std::size_t sz(int i) { return static_cast<std::size_t>(i); }

std::string channelName(const ChannelDatabase& db, ChannelKind kind, long index) {
    const ChannelEntry* ch = index >= 0 ? db.channelAt(kind, static_cast<std::size_t>(index)) : nullptr;
    return ch ? fieldText(ch->name) : std::string();
}

DiffEntry entry(int a, int b, std::string name, std::string aName = {}) {
    DiffEntry e{a, b, std::move(name), {}, {}};
    if (aName != e.name) e.aName = std::move(aName);
    return e;
}

std::vector<std::string> channelFields(const ChannelDatabase& a, const ChannelEntry& x, const ChannelDatabase& b,
                                       const ChannelEntry& y) {
    std::vector<std::string> out;
    auto differs = [&](bool d, const char* field) {
        if (d) out.emplace_back(field);
    };
    differs(storedName(x) != storedName(y), "name");
    differs(x.serviceId != y.serviceId, "serviceId");
    differs(x.pmtPid != y.pmtPid, "pmtPid");
    differs(x.videoPid != y.videoPid, "videoPid");
    differs(x.audioPid != y.audioPid, "audioPid");
    differs(x.pcrPid != y.pcrPid, "pcrPid");
    differs(x.pidMode != y.pidMode, "pidMode");
    differs(x.scrambled != y.scrambled, "scrambled");
    differs(x.locked != y.locked, "locked");
    differs(channelTransponderKey(a, x) != channelTransponderKey(b, y), "transponder");
    return out;
}

ChannelListDiff diffChannels(const ChannelDatabase& a, const ChannelDatabase& b, ChannelKind kind,
                             const ChannelMatching& m) {
    ChannelListDiff d;
    for (std::size_t i = 0; i < m.aToB.size(); ++i)
        if (m.aToB[i] < 0) d.removed.push_back(entry(static_cast<int>(i), -1, fieldText(a.channels(kind)[i].name)));
    std::vector<int> order;  // B index of each matched channel, in A's order
    std::vector<int> orderA;
    for (std::size_t i = 0; i < m.aToB.size(); ++i) {
        if (m.aToB[i] < 0) continue;
        order.push_back(m.aToB[i]);
        orderA.push_back(static_cast<int>(i));
    }
    for (std::size_t j = 0; j < m.bToA.size(); ++j) {
        const ChannelEntry& y = b.channels(kind)[j];
        const int i = m.bToA[j];
        if (i < 0) {
            d.added.push_back(entry(-1, static_cast<int>(j), fieldText(y.name)));
            continue;
        }
        const ChannelEntry& x = a.channels(kind)[sz(i)];
        std::vector<std::string> fields = channelFields(a, x, b, y);
        if (fields.empty()) continue;
        DiffEntry e = entry(i, static_cast<int>(j), fieldText(y.name), fieldText(x.name));
        e.fields = std::move(fields);
        d.changed.push_back(std::move(e));
    }
    for (int p : outsideLongestIncreasing(order)) {
        const int j = order[sz(p)];
        d.moved.push_back(entry(orderA[sz(p)], j, fieldText(b.channels(kind)[sz(j)].name)));
    }
    std::sort(d.moved.begin(), d.moved.end(), [](const DiffEntry& x, const DiffEntry& y) { return x.b < y.b; });
    return d;
}

// Members of group g of one kind as flat-list values; empty past the groups.
std::vector<int> groupMembers(const ChannelDatabase& db, ChannelKind kind, std::size_t g) {
    if (g >= db.groupCount()) return {};
    const std::size_t from = db.groupMemberOffset(kind, g);
    const auto& list = db.members(kind);
    std::vector<int> out;
    for (std::size_t e = from; e < from + db.memberCounts(kind)[g] && e < list.size(); ++e) out.push_back(list[e]);
    return out;
}

MemberDiff diffMembers(const ChannelDatabase& a, const ChannelDatabase& b, ChannelKind kind, std::size_t g,
                       const ChannelMatching& m) {
    const std::vector<int> inA = groupMembers(a, kind, g), inB = groupMembers(b, kind, g);
    // A member is the same member in B when its channel matched. A member
    // naming a channel outside its table pairs only with one naming the same
    // number outside B's table (above every channel of B), so that a file
    // is never different from itself.
    const int outsideB = static_cast<int>(m.bToA.size());
    std::vector<int> idA(inA.size()), idB(inB.size());
    for (std::size_t p = 0; p < inA.size(); ++p)
        idA[p] = sz(inA[p]) < m.aToB.size() ? m.aToB[sz(inA[p])] : outsideB + inA[p];
    for (std::size_t p = 0; p < inB.size(); ++p) idB[p] = sz(inB[p]) < m.bToA.size() ? inB[p] : outsideB + inB[p];
    const Matching pairs = pairOccurrences(idA, idB);

    MemberDiff d;
    std::vector<int> order, orderA;
    for (std::size_t p = 0; p < inA.size(); ++p) {
        if (pairs.aToB[p] < 0) {
            d.removed.push_back(entry(static_cast<int>(p), -1, channelName(a, kind, inA[p])));
        } else {
            order.push_back(pairs.aToB[p]);
            orderA.push_back(static_cast<int>(p));
        }
    }
    for (std::size_t p = 0; p < inB.size(); ++p)
        if (pairs.bToA[p] < 0) d.added.push_back(entry(-1, static_cast<int>(p), channelName(b, kind, inB[p])));
    for (int q : outsideLongestIncreasing(order)) {
        const int to = order[sz(q)];
        d.moved.push_back(entry(orderA[sz(q)], to, channelName(b, kind, inB[sz(to)])));
    }
    std::sort(d.moved.begin(), d.moved.end(), [](const DiffEntry& x, const DiffEntry& y) { return x.b < y.b; });
    return d;
}

std::vector<GroupDiff> diffFavorites(const ChannelDatabase& a, const ChannelDatabase& b, const ChannelMatching& tv,
                                     const ChannelMatching& radio) {
    std::vector<GroupDiff> out;
    const std::size_t groups = std::max<std::size_t>(a.groupCount(), b.groupCount());
    for (std::size_t g = 0; g < groups; ++g) {
        GroupDiff d;
        d.group = static_cast<int>(g);
        if (g < a.groupCount()) d.aName = fieldText(a.groupNames[g]);
        if (g < b.groupCount()) d.bName = fieldText(b.groupNames[g]);
        d.tv = diffMembers(a, b, ChannelKind::Tv, g, tv);
        d.radio = diffMembers(a, b, ChannelKind::Radio, g, radio);
        if (!d.aName || !d.bName || d.renamed() || !d.tv.empty() || !d.radio.empty()) out.push_back(std::move(d));
    }
    return out;
}

template <class Record, class Name, class Fields>
TableDiff diffTable(std::span<const Record> a, std::span<const Record> b, const Matching& m, Name name,
                    Fields fields) {
    TableDiff d;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (m.aToB[i] < 0) d.removed.push_back(entry(static_cast<int>(i), -1, name(true, a[i])));
    for (std::size_t j = 0; j < b.size(); ++j) {
        const int i = m.bToA[j];
        if (i < 0) {
            d.added.push_back(entry(-1, static_cast<int>(j), name(false, b[j])));
            continue;
        }
        std::vector<std::string> f = fields(a[sz(i)], b[j]);
        if (f.empty()) continue;
        DiffEntry e = entry(i, static_cast<int>(j), name(false, b[j]), name(true, a[sz(i)]));
        e.fields = std::move(f);
        d.changed.push_back(std::move(e));
    }
    return d;
}

template <class T>
std::span<const T> used(const std::vector<T>& table, std::size_t count) {
    return std::span<const T>(table.data(), std::min(count, table.size()));
}

}  // namespace

std::string transponderLabel(const ChannelDatabase& db, const TransponderEntry& tp) {
    const SatelliteEntry* sat = db.satelliteOf(tp);
    return std::to_string(tp.frequency) + " " + std::string(polarizationText(tp.polarization)) + " " +
           (sat ? longitudeText(sat->longitude) : std::string("?"));
}

ListDiff diffLists(const ChannelDatabase& a, const ChannelDatabase& b) {
    ListDiff d;
    if (!a.tablesAllocated() || !b.tablesAllocated()) return d;
    const ChannelMatching tv = matchChannels(a, b, ChannelKind::Tv);
    const ChannelMatching radio = matchChannels(a, b, ChannelKind::Radio);
    d.tv = diffChannels(a, b, ChannelKind::Tv, tv);
    d.radio = diffChannels(a, b, ChannelKind::Radio, radio);
    d.favorites = diffFavorites(a, b, tv, radio);

    d.transponders = diffTable(
        used(a.transponders, a.transponderCount), used(b.transponders, b.transponderCount), matchTransponders(a, b),
        [&](bool inA, const TransponderEntry& t) { return transponderLabel(inA ? a : b, t); },
        [](const TransponderEntry& x, const TransponderEntry& y) {
            std::vector<std::string> f;
            if (x.networkId != y.networkId) f.emplace_back("networkId");
            if (x.transponderId != y.transponderId) f.emplace_back("transponderId");
            if (x.symbolRate != y.symbolRate) f.emplace_back("symbolRate");
            if (x.fec != y.fec) f.emplace_back("fec");
            return f;
        });
    d.satellites = diffTable(
        used(a.satellites, a.satelliteCount), used(b.satellites, b.satelliteCount), matchSatellites(a, b),
        [](bool, const SatelliteEntry& s) { return fieldText(s.name); },
        [](const SatelliteEntry& x, const SatelliteEntry& y) {
            std::vector<std::string> f;
            if (fieldText(x.name) != fieldText(y.name)) f.emplace_back("name");
            if (x.band != y.band) f.emplace_back("band");
            return f;
        });
    return d;
}

}  // namespace velmora
