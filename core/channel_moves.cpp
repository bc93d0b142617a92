// SPDX-License-Identifier: GPL-3.0-or-later
// Moves: blocks, steps up and down, whole new orders. All of them are one
// rearrangement of a range of the table with the favourite entries
// following, so undo is the same rearrangement inverted; a block of one run
// (every single-channel move) takes a shorter way.
#include "channel_edit_internal.h"

namespace velmora {
using namespace detail;
namespace {

// The order of range lo..lo+order.size()-1 after a move: the channel at new
// index lo+i was at order[i].
struct RangeOrder {
    std::size_t lo = 0;
    std::vector<std::uint16_t> order;
};

RangeOrder rangeOrder(const ChannelsMoved& c) {
    RangeOrder r;
    const auto& s = c.moved;
    if (s.empty()) return r;
    const std::size_t k = s.size();
    switch (c.shape) {
    case MoveShape::Block: {
        r.lo = std::min<std::size_t>(s.front(), c.to);
        const std::size_t hi = std::max<std::size_t>(s.back(), c.to + k - 1);
        std::vector<std::uint16_t> others;
        others.reserve(hi + 1 - r.lo);
        for (std::size_t i = r.lo, j = 0; i <= hi; ++i) {
            if (j < k && s[j] == i)
                ++j;
            else
                others.push_back(static_cast<std::uint16_t>(i));
        }
        const auto before = static_cast<std::ptrdiff_t>(c.to - r.lo);
        r.order.assign(others.begin(), others.begin() + before);
        r.order.insert(r.order.end(), s.begin(), s.end());
        r.order.insert(r.order.end(), others.begin() + before, others.end());
        break;
    }
    case MoveShape::StepUp:
    case MoveShape::StepDown: {
        const bool up = c.shape == MoveShape::StepUp;
        r.lo = up ? s.front() - 1u : s.front();
        const std::size_t hi = up ? s.back() : s.back() + 1u;
        for (std::size_t i = r.lo; i <= hi; ++i) r.order.push_back(static_cast<std::uint16_t>(i));
        // Each run a..b shifts by one; the channel it passed takes the other end.
        for (std::size_t j = 0; j < k;) {
            std::size_t e = j;
            while (e + 1 < k && s[e + 1] == s[e] + 1) ++e;
            const std::size_t a = s[j], b = s[e];
            for (std::size_t i = a; i <= b; ++i) r.order[(up ? i - 1 : i + 1) - r.lo] = static_cast<std::uint16_t>(i);
            if (up)
                r.order[b - r.lo] = static_cast<std::uint16_t>(a - 1);
            else
                r.order[a - r.lo] = static_cast<std::uint16_t>(b + 1);
            j = e + 1;
        }
        break;
    }
    }
    return r;
}

RangeOrder inverted(const RangeOrder& r) {
    RangeOrder inv{r.lo, std::vector<std::uint16_t>(r.order.size())};
    for (std::size_t i = 0; i < r.order.size(); ++i) inv.order[r.order[i] - r.lo] = static_cast<std::uint16_t>(r.lo + i);
    return inv;
}

// The one rearrangement of channels and re-indexing of entries every move
// goes through.
void permute(ChannelDatabase& db, ChannelKind kind, const RangeOrder& r) {
    const std::size_t n = r.order.size();
    if (n == 0) return;
    auto& table = db.channels(kind);
    // Kept between calls: a capacity table is 440 KB of fresh pages otherwise.
    static thread_local std::vector<ChannelEntry> scratch;
    scratch.assign(at(table, r.lo), at(table, r.lo + n));
    std::vector<std::uint16_t> newIndex(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t from = r.order[i] - r.lo;
        table[r.lo + i] = scratch[from];
        newIndex[from] = static_cast<std::uint16_t>(r.lo + i);
    }
    const std::size_t lo = r.lo;
    remapMembers(db, kind, [&](std::uint16_t v) -> long { return v >= lo && v < lo + n ? newIndex[v - lo] : v; });
}

// The common case of one run of k channels from `a` to `to`: the records in
// between shift by k, with no index map. Its inverse is the same kind of move.
void shiftBlock(ChannelDatabase& db, ChannelKind kind, long a, long k, long to) {
    auto& table = db.channels(kind);
    static thread_local std::vector<ChannelEntry> held;
    held.assign(at(table, sz(a)), at(table, sz(a + k)));
    if (to < a)
        std::move_backward(at(table, sz(to)), at(table, sz(a)), at(table, sz(a + k)));
    else
        std::move(at(table, sz(a + k)), at(table, sz(to + k)), at(table, sz(a)));
    std::copy(held.begin(), held.end(), at(table, sz(to)));
    remapMembers(db, kind, [=](std::uint16_t v) -> long {
        if (v >= a && v < a + k) return v - a + to;
        if (to < a && v >= to && v < a) return v + k;
        if (to > a && v >= a + k && v < to + k) return v - k;
        return v;
    });
}

bool oneRun(const std::vector<std::uint16_t>& s) { return !s.empty() && s.back() - s.front() + 1u == s.size(); }

RangeOrder wholeOrder(const ChannelsReordered& c) { return {0, c.order}; }

bool inPlace(const std::vector<std::uint16_t>& s, std::size_t to) {
    return s.empty() || (s.front() == to && s.back() - s.front() + 1u == s.size());
}

MoveResult madeMove(ChannelsMoved&& move, ChannelDatabase& db, EditStep* step, std::vector<int> now) {
    MoveResult r;
    r.now = std::move(now);
    r.changed = true;
    commit(db, std::move(move), step);
    return r;
}

std::vector<int> asInts(const std::vector<std::uint16_t>& s, int shift = 0) {
    std::vector<int> out(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) out[i] = s[i] + shift;
    return out;
}

}  // namespace

namespace detail {

void applyChange(ChannelDatabase& db, const ChannelsMoved& c, bool undo) {
    if (c.shape == MoveShape::Block && oneRun(c.moved)) {
        const long a = c.moved.front(), k = static_cast<long>(c.moved.size());
        shiftBlock(db, c.kind, undo ? c.to : a, k, undo ? a : c.to);
        return;
    }
    const RangeOrder r = rangeOrder(c);
    permute(db, c.kind, undo ? inverted(r) : r);
}

void applyChange(ChannelDatabase& db, const ChannelsReordered& c, bool undo) {
    const RangeOrder r = wholeOrder(c);
    permute(db, c.kind, undo ? inverted(r) : r);
}

void applyChange(ChannelDatabase& db, const ChannelReplaced& c, bool undo) {
    db.channels(c.kind)[c.index] = undo ? c.before : c.after;
}

}  // namespace detail

int pasteTarget(std::span<const int> held, int row) {
    if (held.empty()) return row;
    const auto h = static_cast<int>(std::count_if(held.begin(), held.end(), [&](int i) { return i < row; }));
    return h == static_cast<int>(held.size()) ? row - h + 1 : row - h;
}

MoveResult moveChannels(ChannelDatabase& db, ChannelKind kind, std::span<const int> channels, int to,
                        EditStep* step) {
    const std::size_t count = db.tablesAllocated() ? db.channelCount(kind) : 0;
    auto set = indexSet(count, channels);
    if (!set || to < 0 || sz(to) + set->size() > count) return {EditStatus::NoSuchChannel, false, {}};
    const std::size_t k = set->size();
    std::vector<int> now(k);
    for (std::size_t i = 0; i < k; ++i) now[i] = to + static_cast<int>(i);
    if (inPlace(*set, sz(to))) return {EditStatus::Done, false, std::move(now)};
    return madeMove(ChannelsMoved{kind, MoveShape::Block, static_cast<std::uint16_t>(to), std::move(*set)}, db, step,
                std::move(now));
}

MoveResult moveChannels(ChannelDatabase& db, ChannelKind kind, std::span<const int> channels, MoveDirection direction,
                        EditStep* step) {
    const std::size_t count = db.tablesAllocated() ? db.channelCount(kind) : 0;
    auto set = indexSet(count, channels);
    if (!set) return {EditStatus::NoSuchChannel, false, {}};
    const std::size_t k = set->size();
    if (direction == MoveDirection::Top) return moveChannels(db, kind, channels, 0, step);
    if (direction == MoveDirection::Bottom) return moveChannels(db, kind, channels, static_cast<int>(count - k), step);
    const bool up = direction == MoveDirection::Up;
    if (k == 0 || (up ? set->front() == 0 : set->back() + 1u == count))
        return {EditStatus::Done, false, asInts(*set)};
    std::vector<int> now = asInts(*set, up ? -1 : 1);
    return madeMove(ChannelsMoved{kind, up ? MoveShape::StepUp : MoveShape::StepDown, 0, std::move(*set)}, db, step,
                std::move(now));
}

EditStatus moveChannel(ChannelDatabase& db, const HeldChannel& held, int to, EditStep* step) {
    const ChannelKind kind = held.kind;
    const int from = held.heldIndex;
    const int count = db.tablesAllocated() ? db.channelCount(kind) : 0;
    if (from < 0 || from >= count || to < 0 || to >= count) return EditStatus::NoSuchChannel;
    const int one[] = {from};
    moveChannels(db, kind, one, to, step);
    // The held copy is what lands: edits made to it travel with the move.
    const ChannelEntry& now = db.channels(kind)[sz(to)];
    if (!(now == held.record)) commit(db, ChannelReplaced{kind, static_cast<std::uint16_t>(to), now, held.record}, step);
    return EditStatus::Done;
}

EditStatus applyChannelOrder(ChannelDatabase& db, ChannelKind kind, std::span<const int> order, EditStep* step) {
    const std::size_t n = db.tablesAllocated() ? db.channelCount(kind) : 0;
    if (order.size() != n) return EditStatus::BadOrder;
    std::vector<char> seen(n, 0);
    bool identity = true;
    ChannelsReordered change{kind, std::vector<std::uint16_t>(n)};
    for (std::size_t i = 0; i < n; ++i) {
        const int from = order[i];
        if (from < 0 || sz(from) >= n || seen[sz(from)]) return EditStatus::BadOrder;
        seen[sz(from)] = 1;
        change.order[i] = static_cast<std::uint16_t>(from);
        identity &= sz(from) == i;
    }
    if (!identity) commit(db, std::move(change), step);
    return EditStatus::Done;
}

}  // namespace velmora
