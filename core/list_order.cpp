// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_order.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

#include "codes.h"

namespace velmora {
namespace {

std::size_t sz(int i) { return static_cast<std::size_t>(i); }

// The rows being sorted: the rank of each row's text (equal texts, equal
// ranks; byte order, rank order) and where the row stood before the click,
// in two arrays swapped together.
struct SortRows {
    int* rank;
    int* row;
    void swap(int i, int j) {
        std::swap(rank[i], rank[j]);
        std::swap(row[i], row[j]);
    }
};

// The partitioning swaps nothing in a range already in order, and neither do
// the calls on its parts: such a range can be left as it is at once.
bool inOrder(const int* rank, int low, int high) {
    for (int i = low; i < high; ++i)
        if (rank[i] > rank[i + 1]) return false;
    return true;
}

// The scans of the partitioning, eight rows at a time while they can: a list
// standing in the opposite order makes them quadratic.
int skipBelow(const int* rank, int lo, int end, int pivot) {  // while lo < end and rank < pivot
    for (; end - lo >= 8; lo += 8) {
        int below = 0;
        for (int k = 0; k < 8; ++k) below += rank[lo + k] < pivot;
        if (below != 8) break;
    }
    while (lo < end && rank[lo] < pivot) ++lo;
    return lo;
}

int skipAbove(const int* rank, int hi, int begin, int pivot) {  // while hi > begin and rank > pivot
    for (; hi - begin >= 8; hi -= 8) {
        int above = 0;
        for (int k = 0; k < 8; ++k) above += rank[hi - k] > pivot;
        if (above != 8) break;
    }
    while (hi > begin && rank[hi] > pivot) --hi;
    return hi;
}

// Ascending by rank (a descending sort negates the ranks). The two parts of a
// partition do not overlap, so sorting the smaller one first and looping on
// the larger gives the same order while the recursion stays O(log n) deep.
void quicksort(SortRows a, int low, int high) {
    while (low < high) {
        if (inOrder(a.rank, low, high)) return;
        const int pivot = a.rank[high];
        int lo = low, hi = high;
        while (lo <= hi) {
            lo = skipBelow(a.rank, lo, high, pivot);
            hi = skipAbove(a.rank, hi, low, pivot);
            if (lo <= hi) {
                if (a.rank[lo] != a.rank[hi]) a.swap(lo, hi);
                ++lo;
                --hi;
            }
        }
        if (hi - low < high - lo) {
            quicksort(a, low, hi);
            low = lo;
        } else {
            quicksort(a, lo, high);
            high = hi;
        }
    }
}

unsigned char upper(unsigned char c) {
    // a-z and the accented small letters à-þ (not ÷) sit 32 above their capitals.
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return static_cast<unsigned char>(c - 32);
    return c;
}

}  // namespace

ChannelRowText channelRowText(const ChannelDatabase& db, ChannelKind kind, int n) {
    ChannelRowText row;
    const ChannelEntry* ch = n >= 0 ? db.channelAt(kind, static_cast<std::size_t>(n)) : nullptr;
    if (!ch) return row;
    char number[16];
    std::snprintf(number, sizeof number, "%.4d", n + 1);
    row.cells[0] = number;
    row.cells[1] = fieldText(ch->name);
    if (const TransponderEntry* tp = db.transponderOf(*ch)) {
        row.cells[2] = transponderCellText(tp->frequency, tp->polarization, tp->symbolRate, tp->fec);
        if (const SatelliteEntry* sat = db.satelliteOf(*tp)) row.cells[3] = fieldText(sat->name);
    }
    row.scrambled = ch->scrambled == 1;
    return row;
}

bool SortState::click(int column) {
    const bool ascending = column != lastColumn || !lastAscending;
    lastColumn = column;
    lastAscending = ascending;
    return ascending;
}

std::vector<int> sortListByColumn(std::span<const std::string_view> keys, bool ascending) {
    const int n = static_cast<int>(keys.size());
    // Rank the keys once: the sort then compares integers, and the quadratic
    // inputs of this pivot rule (a list in the reverse order) stay cheap.
    std::vector<int> byKey(keys.size());
    std::iota(byKey.begin(), byKey.end(), 0);
    std::sort(byKey.begin(), byKey.end(), [&](int a, int b) { return keys[sz(a)] < keys[sz(b)]; });
    std::vector<int> ranks(keys.size()), rows(keys.size());
    int rank = 0;
    for (std::size_t i = 0; i < byKey.size(); ++i) {
        if (i > 0 && keys[sz(byKey[i - 1])] != keys[sz(byKey[i])]) ++rank;
        ranks[sz(byKey[i])] = ascending ? rank : -rank;
    }
    // Distinct texts have one sorted order, which the quicksort reaches too:
    // only ties need its steps. Table order by Number is such a case, and a
    // slow one for it (the five-digit 10000 stands last, out of byte order).
    if (rank == n - 1) {
        if (!ascending) std::reverse(byKey.begin(), byKey.end());
        return byKey;
    }
    std::iota(rows.begin(), rows.end(), 0);
    quicksort({ranks.data(), rows.data()}, 0, n - 1);
    return rows;
}

void syncWorkingFromDisplay(ChannelDatabase& db, ChannelKind kind, std::span<const int> order) {
    auto& working = db.workingChannels(kind);
    const std::size_t count = std::min<std::size_t>(order.size(), working.size());
    std::vector<ChannelEntry> shown(count);
    for (std::size_t i = 0; i < count; ++i) {
        const int from = order[i];
        shown[i] = from >= 0 && sz(from) < count ? working[sz(from)] : working[i];
    }
    std::copy(shown.begin(), shown.end(), working.begin());
}

void rebuildWorkingMembers(ChannelDatabase& db, ChannelKind kind, std::span<const int> rowRecords) {
    if (!db.hasWorkingTables()) return;
    // Row of each committed index; -1 where no row shows it.
    std::vector<int> rowOf(db.channelCount(kind), -1);
    for (std::size_t r = 0; r < rowRecords.size(); ++r) {
        const int record = rowRecords[r];
        if (record >= 0 && sz(record) < rowOf.size()) rowOf[sz(record)] = static_cast<int>(r);
    }
    const auto& committed = db.members(kind);
    auto& working = db.workingMembers(kind);
    const std::size_t total = std::min({db.totalMembers(kind), committed.size(), working.size()});
    for (std::size_t i = 0; i < total; ++i) {
        const std::uint16_t v = committed[i];
        working[i] = v < rowOf.size() && rowOf[v] >= 0 ? static_cast<std::uint16_t>(rowOf[v]) : v;
    }
}

void restoreTableOrder(ChannelDatabase& db, ChannelKind kind, std::span<const int> rowRecords) {
    if (!db.hasWorkingTables()) return;
    auto& working = db.workingChannels(kind);
    const std::size_t count = std::min<std::size_t>(rowRecords.size(), working.size());
    const std::vector<ChannelEntry> shown(working.begin(), working.begin() + static_cast<std::ptrdiff_t>(count));
    for (std::size_t r = 0; r < count; ++r) {
        const int record = rowRecords[r];
        if (record >= 0 && sz(record) < count) working[sz(record)] = shown[r];
    }
    auto& members = db.workingMembers(kind);
    const std::size_t total = std::min(db.totalMembers(kind), members.size());
    for (std::size_t i = 0; i < total; ++i) {
        const std::uint16_t row = members[i];
        if (row < count && rowRecords[row] >= 0) members[i] = static_cast<std::uint16_t>(rowRecords[row]);
    }
}

std::string upperLatin1(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(upper(static_cast<unsigned char>(c)));
    return out;
}

int findChannelByName(std::span<const std::string_view> names, std::string_view text) {
    const std::string wanted = upperLatin1(text);
    int found = -1;
    for (std::size_t r = 0; r < names.size(); ++r) {
        const std::string_view name = names[r];
        if (name.size() != wanted.size()) continue;
        bool same = true;
        for (std::size_t i = 0; same && i < name.size(); ++i)
            same = upper(static_cast<unsigned char>(name[i])) == static_cast<unsigned char>(wanted[i]);
        if (same) found = static_cast<int>(r);
    }
    return found;
}

}  // namespace velmora
