// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit_history.h"

#include <algorithm>

#include "channel_edit_internal.h"

namespace velmora {
using namespace detail;
namespace {

template <class T>
std::size_t heap(const std::vector<T>& v) {
    return v.capacity() * sizeof(T);
}

std::size_t tablesHeap(const ChannelDatabase& db) {
    return sizeof(ChannelDatabase) + heap(db.satellites) + heap(db.workingSatellites) + heap(db.satelliteExtra) +
           heap(db.transponders) + heap(db.workingTransponders) + heap(db.tv) + heap(db.workingTv) +
           heap(db.radio) + heap(db.workingRadio) + heap(db.groupNames) + heap(db.tvMemberCount) +
           heap(db.radioMemberCount) + heap(db.tvMembers) + heap(db.workingTvMembers) + heap(db.radioMembers) +
           heap(db.workingRadioMembers) + heap(db.extraData);
}

std::size_t changeHeap(const TableChange& change) {
    return std::visit(
        [](const auto& c) -> std::size_t {
            using C = std::decay_t<decltype(c)>;
            if constexpr (std::is_same_v<C, ChannelsMoved>) return heap(c.moved);
            if constexpr (std::is_same_v<C, ChannelsReordered>) return heap(c.order);
            if constexpr (std::is_same_v<C, ChannelsRemoved>) return heap(c.indices) + heap(c.records) + heap(c.entries);
            if constexpr (std::is_same_v<C, TranspondersRemoved>) return heap(c.indices) + heap(c.records);
            if constexpr (std::is_same_v<C, SatellitesRemoved>) return heap(c.indices) + heap(c.records) + heap(c.extras);
            if constexpr (std::is_same_v<C, EntriesRemoved>) return heap(c.entries);
            if constexpr (std::is_same_v<C, LockChanged>) return heap(c.indices) + heap(c.before);
            if constexpr (std::is_same_v<C, FavoritesReplaced>) {
                std::size_t n = 0;
                for (const FavoriteSection* f : {c.before.get(), c.after.get()})
                    n += sizeof(FavoriteSection) + heap(f->names) + heap(f->tvCounts) + heap(f->radioCounts) + heap(f->tvMembers) + heap(f->radioMembers);
                return n;
            }
            if constexpr (std::is_same_v<C, TablesReplaced>) return tablesHeap(*c.before) + tablesHeap(*c.after);
            return 0;
        },
        change);
}

}  // namespace

void undoStep(ChannelDatabase& db, const EditStep& step) {
    for (auto c = step.changes.rbegin(); c != step.changes.rend(); ++c)
        std::visit([&](const auto& change) { applyChange(db, change, true); }, *c);
}

void redoStep(ChannelDatabase& db, const EditStep& step) {
    for (const TableChange& c : step.changes) std::visit([&](const auto& change) { applyChange(db, change, false); }, c);
}

StepSelection stepSelection(const EditStep& step, bool undone) {
    StepSelection out;
    const auto take = [&](ChannelKind kind, const std::vector<std::uint16_t>& indices, int shift) {
        out = {true, kind, {}, -1};
        for (std::uint16_t i : indices) out.channels.push_back(i + shift);
    };
    // The last change that moves, removes, inserts, marks or locks channels
    // says it; a cascade's transponders and satellites come after its channels.
    for (auto c = step.changes.rbegin(); c != step.changes.rend() && !out.channelsTouched; ++c) {
        if (const auto* m = std::get_if<ChannelsMoved>(&*c)) {
            const int shift = m->shape == MoveShape::StepUp ? -1 : 1;
            if (undone || m->shape != MoveShape::Block) take(m->kind, m->moved, undone ? 0 : shift);
            else {
                take(m->kind, {}, 0);
                for (std::size_t i = 0; i < m->moved.size(); ++i) out.channels.push_back(m->to + static_cast<int>(i));
            }
        } else if (const auto* r = std::get_if<ChannelsRemoved>(&*c)) {
            const bool present = undone != r->inserted;
            take(r->kind, present ? r->indices : std::vector<std::uint16_t>{}, 0);
            if (!present && !r->indices.empty()) out.row = r->indices.front();
        } else if (const auto* e = std::get_if<EntriesRemoved>(&*c)) {
            std::vector<std::uint16_t> named;
            for (const GroupEntry& g : e->entries) named.push_back(g.channel);
            std::sort(named.begin(), named.end());
            named.erase(std::unique(named.begin(), named.end()), named.end());
            take(e->kind, named, 0);
        } else if (const auto* l = std::get_if<LockChanged>(&*c)) {
            take(l->kind, l->indices, 0);
        }
    }
    // A record edit alone; beside a move it is the moved channel's record.
    for (auto c = step.changes.rbegin(); c != step.changes.rend() && !out.channelsTouched; ++c)
        if (const auto* x = std::get_if<ChannelReplaced>(&*c)) take(x->kind, {x->index}, 0);
    return out;
}

std::size_t stepBytes(const EditStep& step) {
    std::size_t bytes = sizeof(EditStep) + heap(step.changes);
    for (const TableChange& c : step.changes) bytes += changeHeap(c);
    return bytes;
}

EditStep newRecordStep(const ChannelDatabase& db, const NewRecord& record) {
    EditStep step;
    // New appends a satellite and the transponder on it without touching any
    // reference past the tables; a transponder put before another moves them.
    if (record.satellite >= 0) {
        const auto s = static_cast<std::size_t>(record.satellite);
        step.changes.emplace_back(SatellitesRemoved{true, false, {static_cast<std::uint16_t>(s)}, {db.satellites[s]}, {db.satelliteExtra[s]}});
    }
    if (record.transponder >= 0) {
        const auto t = static_cast<std::size_t>(record.transponder);
        step.changes.emplace_back(TranspondersRemoved{true, record.page != RecordPage::Satellite,
                                                      {static_cast<std::uint16_t>(t)}, {db.transponders[t]}});
    }
    if (record.channel >= 0) {
        const auto c = static_cast<std::size_t>(record.channel);
        step.changes.emplace_back(
            ChannelsRemoved{record.kind, true, {static_cast<std::uint16_t>(c)}, {db.channels(record.kind)[c]}, {}});
    }
    return step;
}

void noteChannelEdit(const ChannelDatabase& db, ChannelKind kind, int index, const ChannelEntry& before,
                     EditStep& step) {
    const ChannelEntry& now = db.channels(kind)[sz(index)];
    if (!(now == before)) step.changes.emplace_back(ChannelReplaced{kind, static_cast<std::uint16_t>(index), before, now});
}

void noteTransponderEdit(const ChannelDatabase& db, int index, const TransponderEntry& before, EditStep& step) {
    const TransponderEntry& now = db.transponders[sz(index)];
    if (!(now == before)) step.changes.emplace_back(TransponderReplaced{static_cast<std::uint16_t>(index), before, now});
}

void noteSatelliteEdit(const ChannelDatabase& db, int index, const SatelliteEntry& before,
                       const SatelliteExtra& extraBefore, EditStep& step) {
    const SatelliteEntry& now = db.satellites[sz(index)];
    const SatelliteExtra& extra = db.satelliteExtra[sz(index)];
    if (!(now == before) || extra != extraBefore)
        step.changes.emplace_back(SatelliteReplaced{static_cast<std::uint16_t>(index), before, now, extraBefore, extra});
}

void noteGroupRename(const ChannelDatabase& db, int group, const GroupName& before, EditStep& step) {
    const GroupName& now = db.groupNames[sz(group)];
    if (now != before) step.changes.emplace_back(GroupRenamed{static_cast<std::uint8_t>(group), before, now});
}

bool EditHistory::push(EditStep step) {
    while (steps_.size() > done_) {
        bytes_ -= steps_.back().bytes;
        steps_.pop_back();
    }
    const std::size_t bytes = stepBytes(step);
    if (bytes > limit_) {
        clear();
        return false;
    }
    steps_.push_back({std::move(step), bytes});
    bytes_ += bytes;
    ++done_;
    while (bytes_ > limit_) {
        bytes_ -= steps_.front().bytes;
        steps_.pop_front();
        --done_;
    }
    return true;
}

bool EditHistory::undo(ChannelDatabase& db) {
    if (!canUndo()) return false;
    undoStep(db, steps_[--done_].step);
    return true;
}

bool EditHistory::redo(ChannelDatabase& db) {
    if (!canRedo()) return false;
    redoStep(db, steps_[done_++].step);
    return true;
}

void EditHistory::clear() {
    steps_.clear();
    done_ = 0;
    bytes_ = 0;
}

}  // namespace velmora
