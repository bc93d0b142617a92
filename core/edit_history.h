// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo of the table operations: a step (table_changes.h) applied
// backwards or forwards, what it costs in memory, and a history bounded by
// memory. Qt-free; a view keeps its own stack of steps and calls these.
//
// Undo and redo act on the committed tables, which is what Save writes; a
// view that keeps working tables (a sorted list) builds them again after.
// A view's undo command holds one EditStep: the operation that made it ran
// already, so its first redo does nothing; later ones call redoStep.
#pragma once

#include <cstddef>
#include <deque>

#include "channel_edit.h"

namespace velmora {

// Puts the committed tables back exactly as they were before `step`.
void undoStep(ChannelDatabase& db, const EditStep& step);
// Makes `step` again on the tables it was undone to.
void redoStep(ChannelDatabase& db, const EditStep& step);

// The channels a step touched, where they stand once it is undone (`undone`)
// or done: what a list selects after Undo or Redo. `row`: where the list
// stands when none of them is left (the first removed index), else -1.
struct StepSelection {
    bool channelsTouched = false;
    ChannelKind kind = ChannelKind::Tv;
    std::vector<int> channels;  // ascending
    int row = -1;
};
StepSelection stepSelection(const EditStep& step, bool undone);

// Bytes the step holds: its own and what its changes allocated.
std::size_t stepBytes(const EditStep& step);

// The step of a New that a Save has carried into the committed tables:
// undoing it takes out what New inserted, redoing it puts that back.
EditStep newRecordStep(const ChannelDatabase& db, const NewRecord& record);

// Form fields committed into a record: appends the change from `before` to
// what the table holds now, nothing when they are equal.
void noteChannelEdit(const ChannelDatabase& db, ChannelKind kind, int index, const ChannelEntry& before,
                     EditStep& step);
void noteTransponderEdit(const ChannelDatabase& db, int index, const TransponderEntry& before, EditStep& step);
void noteSatelliteEdit(const ChannelDatabase& db, int index, const SatelliteEntry& before,
                       const SatelliteExtra& extraBefore, EditStep& step);
void noteGroupRename(const ChannelDatabase& db, int group, const GroupName& before, EditStep& step);

// Steps in order with a cursor between the undone and the done ones. The
// oldest steps go first when the total passes the limit.
class EditHistory {
public:
    static constexpr std::size_t kDefaultLimit = std::size_t{64} << 20;
    explicit EditHistory(std::size_t byteLimit = kDefaultLimit) : limit_(byteLimit) {}

    // Keeps a step just made, dropping the steps that could have been
    // redone. A step larger than the limit cannot be kept: the history is
    // emptied (older steps could not be undone past it) and false returned.
    bool push(EditStep step);
    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    bool undo(ChannelDatabase& db);
    bool redo(ChannelDatabase& db);
    void clear();

    std::size_t size() const { return steps_.size(); }
    std::size_t undoable() const { return done_; }
    std::size_t bytes() const { return bytes_; }

private:
    struct Kept {
        EditStep step;
        std::size_t bytes = 0;
    };
    std::deque<Kept> steps_;
    std::size_t done_ = 0;
    std::size_t bytes_ = 0;
    std::size_t limit_;
};

}  // namespace velmora
