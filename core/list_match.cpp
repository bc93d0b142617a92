// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_match.h"

#include <algorithm>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace velmora {
namespace {

constexpr std::uint64_t kNoSatellite = 0x10000;          // above every 16-bit longitude
constexpr std::uint64_t kNoTransponder = 1ull << 41;     // above every transponder key

struct KeyHash {
    std::size_t operator()(std::uint64_t k) const {
        k *= 0x9E3779B97F4A7C15ull;  // spreads keys that differ only in low bits
        return static_cast<std::size_t>(k ^ k >> 32);
    }
    std::size_t operator()(int k) const { return (*this)(static_cast<std::uint64_t>(k)); }
    std::size_t operator()(std::string_view k) const { return std::hash<std::string_view>{}(k); }
};

// One step of the rule: every record of A that has a key (`hasA`) and no
// partner yet, in table order, takes the first B record without a partner
// whose key is equal. B's candidates are chained per key in table order in an
// open-addressing table, so the step is O(n) with no sorting.
template <class Key, class OnPair>
void pairStep(const std::vector<Key>& keyA, const std::vector<char>& hasA, const std::vector<Key>& keyB,
              const std::vector<char>& hasB, Matching& m, OnPair onPair) {
    std::size_t candidates = 0;
    for (std::size_t j = 0; j < keyB.size(); ++j) candidates += hasB[j] && m.bToA[j] < 0;
    if (candidates == 0) return;
    std::size_t size = 16;
    while (size < 2 * candidates) size *= 2;
    struct Slot {
        int key = -1;   // a B record holding the slot's key; -1: free
        int head = -1;  // first B record of the key still without a partner
    };
    std::vector<Slot> slots(size);
    auto slotOf = [&](const Key& k) -> Slot& {
        for (std::size_t s = KeyHash{}(k) & (size - 1);; s = (s + 1) & (size - 1))
            if (slots[s].key < 0 || keyB[static_cast<std::size_t>(slots[s].key)] == k) return slots[s];
    };
    std::vector<int> next(keyB.size(), -1);
    for (std::size_t j = keyB.size(); j-- > 0;) {
        if (!hasB[j] || m.bToA[j] >= 0) continue;
        Slot& slot = slotOf(keyB[j]);
        slot.key = static_cast<int>(j);
        next[j] = slot.head;
        slot.head = static_cast<int>(j);
    }
    for (std::size_t i = 0; i < keyA.size(); ++i) {
        if (!hasA[i] || m.aToB[i] >= 0) continue;
        Slot& slot = slotOf(keyA[i]);
        if (slot.head < 0) continue;
        const int j = slot.head;
        slot.head = next[static_cast<std::size_t>(j)];
        m.aToB[i] = j;
        m.bToA[static_cast<std::size_t>(j)] = static_cast<int>(i);
        onPair(i);
    }
}

Matching emptyMatching(std::size_t na, std::size_t nb) { return {std::vector<int>(na, -1), std::vector<int>(nb, -1)}; }

// Every field a diff compares, packed into kRecordKeySize bytes per
// channel: equal keys are records no diff tells apart.
constexpr std::size_t kRecordKeySize = 8 + 2 + kChannelNameSize + 4 * 2 + 3;

std::string_view nameOf(const ChannelEntry& ch) {
    const auto* bytes = reinterpret_cast<const char*>(ch.name.data());
    return std::string_view(bytes, static_cast<std::size_t>(std::find(ch.name.begin(), ch.name.end(), 0) - ch.name.begin()));
}

std::string recordKeys(const ChannelDatabase& db, ChannelKind kind, std::size_t n) {
    std::string out(n * kRecordKeySize, '\0');
    for (std::size_t i = 0; i < n; ++i) {
        const ChannelEntry& ch = db.channels(kind)[i];
        char* p = out.data() + i * kRecordKeySize;
        auto put = [&p](std::uint64_t v, int bytes) {
            for (int k = 0; k < bytes; ++k) *p++ = static_cast<char>(v >> (8 * k));
        };
        put(channelTransponderKey(db, ch), 8);
        put(ch.serviceId, 2);
        const std::string_view name = nameOf(ch);  // the bytes after the first zero do not count
        std::copy(name.begin(), name.end(), p);
        p += kChannelNameSize;
        for (const std::uint16_t pid : {ch.pmtPid, ch.videoPid, ch.audioPid, ch.pcrPid}) put(pid, 2);
        put(ch.pidMode, 1);
        put(ch.scrambled, 1);
        put(ch.locked, 1);
    }
    return out;
}

}  // namespace

std::string_view storedName(const ChannelEntry& ch) { return nameOf(ch); }

bool channelIdKey(const ChannelDatabase& db, const ChannelEntry& ch, std::uint64_t& key) {
    const TransponderEntry* tp = db.transponderOf(ch);
    if (!tp || !db.satelliteOf(*tp)) return false;
    key = std::uint64_t{ch.serviceId} << 42 | transponderKey(db, *tp);
    return true;
}

std::uint64_t transponderKey(const ChannelDatabase& db, const TransponderEntry& tp) {
    const SatelliteEntry* sat = db.satelliteOf(tp);
    return std::uint64_t{tp.frequency} << 25 | std::uint64_t{tp.polarization} << 17 |
           (sat ? std::uint64_t{sat->longitude} : kNoSatellite);
}

std::uint64_t channelTransponderKey(const ChannelDatabase& db, const ChannelEntry& ch) {
    const TransponderEntry* tp = db.transponderOf(ch);
    return tp ? transponderKey(db, *tp) : kNoTransponder;
}

ChannelMatching matchChannels(const ChannelDatabase& a, const ChannelDatabase& b, ChannelKind kind) {
    const std::size_t na = a.tablesAllocated() ? a.channelCount(kind) : 0;
    const std::size_t nb = b.tablesAllocated() ? b.channelCount(kind) : 0;
    ChannelMatching m;
    static_cast<Matching&>(m) = emptyMatching(na, nb);
    m.how.assign(na, MatchedBy::None);

    auto idsOf = [kind](const ChannelDatabase& db, std::size_t n, std::vector<std::uint64_t>& keys,
                        std::vector<char>& has) {
        keys.assign(n, 0);
        has.assign(n, 0);
        for (std::size_t i = 0; i < n; ++i) has[i] = channelIdKey(db, db.channels(kind)[i], keys[i]);
    };
    std::vector<std::uint64_t> idsA, idsB;
    std::vector<char> hasA, hasB;
    idsOf(a, na, idsA, hasA);
    idsOf(b, nb, idsB, hasB);

    // Identical records first: of two copies of a service, the one left is
    // the one that stayed, not whichever comes first.
    const std::string recordsA = recordKeys(a, kind, na), recordsB = recordKeys(b, kind, nb);
    auto recordsOf = [](const std::string& all, std::size_t n) {
        std::vector<std::string_view> keys(n);
        for (std::size_t i = 0; i < n; ++i) keys[i] = std::string_view(all).substr(i * kRecordKeySize, kRecordKeySize);
        return keys;
    };
    pairStep(recordsOf(recordsA, na), std::vector<char>(na, 1), recordsOf(recordsB, nb), std::vector<char>(nb, 1), m,
             [&](std::size_t i) {
                 const bool ids = hasA[i];  // the partner, being identical, has ids too
                 m.how[i] = ids ? MatchedBy::Ids : MatchedBy::Name;
                 ++(ids ? m.byIds : m.byName);
             });
    pairStep(idsA, hasA, idsB, hasB, m, [&](std::size_t i) {
        m.how[i] = MatchedBy::Ids;
        ++m.byIds;
    });

    // Only what the ids left over takes part; views into the tables, no copies.
    auto namesOf = [kind](const ChannelDatabase& db, const std::vector<int>& partner, std::vector<char>& has) {
        std::vector<std::string_view> names(partner.size());
        for (std::size_t i = 0; i < partner.size(); ++i) {
            has[i] = partner[i] < 0;
            if (has[i]) names[i] = storedName(db.channels(kind)[i]);
        }
        return names;
    };
    const auto namesA = namesOf(a, m.aToB, hasA);
    const auto namesB = namesOf(b, m.bToA, hasB);
    pairStep(namesA, hasA, namesB, hasB, m, [&](std::size_t i) {
        m.how[i] = MatchedBy::Name;
        ++m.byName;
    });
    return m;
}

std::uint64_t rowIdKey(unsigned parts, unsigned serviceId, unsigned frequency, unsigned polarization, unsigned longitude) {
    const auto part = [parts](unsigned bit, std::uint64_t value) { return (parts & bit) ? value : 0; };
    return part(kIdService, serviceId & 0xFFFFu) << 42 | part(kIdFrequency, frequency & 0xFFFFu) << 25 |
           part(kIdPolarization, polarization & 0xFFu) << 17 | part(kIdLongitude, longitude & 0xFFFFu);
}

bool channelRowKey(const ChannelDatabase& db, const ChannelEntry& ch, unsigned parts, std::uint64_t& key) {
    const TransponderEntry* tp = db.transponderOf(ch);
    const SatelliteEntry* sat = tp ? db.satelliteOf(*tp) : nullptr;
    if ((parts & (kIdFrequency | kIdPolarization | kIdLongitude)) && !tp) return false;
    if ((parts & kIdLongitude) && !sat) return false;
    key = rowIdKey(parts, ch.serviceId, tp ? tp->frequency : 0, tp ? tp->polarization : 0, sat ? sat->longitude : 0);
    return true;
}

ChannelMatching matchRows(const ChannelDatabase& a, ChannelKind kind, const RowKeys& rows) {
    const std::size_t na = a.tablesAllocated() ? a.channelCount(kind) : 0;
    const std::size_t nb = rows.ids.size();
    ChannelMatching m;
    static_cast<Matching&>(m) = emptyMatching(na, nb);
    m.how.assign(na, MatchedBy::None);
    if (rows.parts != 0) {
        std::vector<std::uint64_t> idsA(na, 0);
        std::vector<char> hasA(na, 0);
        for (std::size_t i = 0; i < na; ++i) hasA[i] = channelRowKey(a, a.channels(kind)[i], rows.parts, idsA[i]);
        pairStep(idsA, hasA, rows.ids, rows.hasIds, m, [&](std::size_t i) {
            m.how[i] = MatchedBy::Ids;
            ++m.byIds;
        });
    }
    std::vector<std::string_view> namesA(na), namesB(nb);
    std::vector<char> hasA(na, 0), hasB(nb, 0);
    for (std::size_t i = 0; i < na; ++i) {
        hasA[i] = m.aToB[i] < 0;
        if (hasA[i]) namesA[i] = storedName(a.channels(kind)[i]);
    }
    for (std::size_t j = 0; j < nb; ++j) {
        hasB[j] = m.bToA[j] < 0 && rows.hasName[j];
        if (hasB[j]) namesB[j] = rows.names[j];
    }
    pairStep(namesA, hasA, namesB, hasB, m, [&](std::size_t i) {
        m.how[i] = MatchedBy::Name;
        ++m.byName;
    });
    return m;
}

Matching matchTransponders(const ChannelDatabase& a, const ChannelDatabase& b) {
    auto keys = [](const ChannelDatabase& db) {
        std::vector<std::uint64_t> out(db.tablesAllocated() ? db.transponderCount : 0);
        for (std::size_t i = 0; i < out.size(); ++i) out[i] = transponderKey(db, db.transponders[i]);
        return out;
    };
    const auto ka = keys(a), kb = keys(b);
    Matching m = emptyMatching(ka.size(), kb.size());
    pairStep(ka, std::vector<char>(ka.size(), 1), kb, std::vector<char>(kb.size(), 1), m, [](std::size_t) {});
    return m;
}

Matching matchSatellites(const ChannelDatabase& a, const ChannelDatabase& b) {
    auto keys = [](const ChannelDatabase& db) {
        std::vector<int> out(db.tablesAllocated() ? db.satelliteCount : 0);
        for (std::size_t i = 0; i < out.size(); ++i) out[i] = db.satellites[i].longitude;
        return out;
    };
    return pairOccurrences(keys(a), keys(b));
}

Matching pairOccurrences(std::span<const int> a, std::span<const int> b) {
    const std::vector<int> ka(a.begin(), a.end()), kb(b.begin(), b.end());
    std::vector<char> hasA(ka.size()), hasB(kb.size());
    for (std::size_t i = 0; i < ka.size(); ++i) hasA[i] = ka[i] >= 0;
    for (std::size_t j = 0; j < kb.size(); ++j) hasB[j] = kb[j] >= 0;
    Matching m = emptyMatching(ka.size(), kb.size());
    pairStep(ka, hasA, kb, hasB, m, [](std::size_t) {});
    return m;
}

std::vector<int> outsideLongestIncreasing(std::span<const int> seq) {
    // Patience sorting: tails[k] is the position ending the best increasing
    // run of length k + 1 found so far; `before` links each position to its
    // predecessor in that run.
    std::vector<int> tails, before(seq.size(), -1);
    for (std::size_t i = 0; i < seq.size(); ++i) {
        const auto at = std::lower_bound(tails.begin(), tails.end(), seq[i],
                                         [&](int pos, int v) { return seq[static_cast<std::size_t>(pos)] < v; });
        if (at != tails.begin()) before[i] = *(at - 1);
        if (at == tails.end())
            tails.push_back(static_cast<int>(i));
        else
            *at = static_cast<int>(i);
    }
    std::vector<char> kept(seq.size(), 0);
    for (int p = tails.empty() ? -1 : tails.back(); p >= 0; p = before[static_cast<std::size_t>(p)])
        kept[static_cast<std::size_t>(p)] = 1;
    std::vector<int> out;
    for (std::size_t i = 0; i < seq.size(); ++i)
        if (!kept[i]) out.push_back(static_cast<int>(i));
    return out;
}

}  // namespace velmora
