// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit_history.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>
#include <numeric>
#include <random>
#include <vector>

#include "channel_writer.h"
#include "list_reorder.h"
#include "sample_data.h"

namespace velmora {
namespace {

using Bytes = std::vector<std::uint8_t>;

// One random person's command, recorded into `step`.
void randomCommand(ChannelDatabase& db, std::mt19937& rng, EditStep& step) {
    const auto pick = [&](int n) { return n > 0 ? static_cast<int>(rng() % static_cast<unsigned>(n)) : 0; };
    const ChannelKind kind = pick(3) ? ChannelKind::Tv : ChannelKind::Radio;
    const int count = db.channelCount(kind);
    const auto some = [&](int n, int most) {  // repeats and any order allowed
        std::vector<int> out(static_cast<std::size_t>(1 + pick(most)));
        for (int& i : out) i = pick(n);
        return out;
    };
    const std::vector<int> set = some(count, pick(4) ? 3 : 40);
    const int group = pick(db.groupCount());
    const int members = db.groupCount() ? db.memberCounts(kind)[static_cast<std::size_t>(group)] : 0;
    switch (pick(20)) {
    case 0: removeChannels(db, kind, set, &step); break;
    case 1: removeChannel(db, kind, pick(count), &step); break;
    case 2: moveChannels(db, kind, set, pick(count - static_cast<int>(set.size()) + 1), &step); break;
    case 3: moveChannels(db, kind, set, static_cast<MoveDirection>(pick(4)), &step); break;
    case 4: {
        std::vector<int> held = set;
        std::sort(held.begin(), held.end());
        held.erase(std::unique(held.begin(), held.end()), held.end());
        moveChannels(db, kind, held, pasteTarget(held, pick(count)), &step);
        break;
    }
    case 5:
        if (auto held = holdChannel(db, kind, pick(count))) {
            held->record.locked ^= static_cast<std::uint8_t>(pick(2));  // edited while held
            moveChannel(db, *held, pick(count), &step);
        }
        break;
    case 6: deleteTransponders(db, some(db.transponderCount, 3), &step); break;
    case 7: deleteSatellites(db, pick(3) ? std::vector<int>{} : some(db.satelliteCount, 1), &step); break;
    case 8: addFavorites(db, kind, group, set, pick(5), &step); break;
    case 9: removeFavorites(db, kind, group, set, static_cast<FavoriteRemoval>(pick(2)), &step); break;
    case 10: setLocked(db, kind, set, pick(2), &step); break;
    case 11: {
        std::vector<int> order(static_cast<std::size_t>(count));
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), rng);
        applyChannelOrder(db, kind, order, &step);
        break;
    }
    case 12: moveGroupEntry(db, kind, group, pick(members), pick(members), &step); break;
    case 13: clearGroupEntries(db, kind, pick(4) ? -1 : group, &step); break;
    case 14: {
        ChannelEntry record = db.channels(kind)[static_cast<std::size_t>(pick(count))];
        record.serviceId = static_cast<std::uint16_t>(rng());
        insertChannel(db, kind, pick(count + 1), record, {pick(4), 0, pick(2) * 99}, &step);
        break;
    }
    case 15: {
        const NewResult r = prepareNew(db, static_cast<RecordPage>(pick(3)), kind, pick(count), pick(db.transponderCount));
        if (r.status != EditStatus::Done) break;
        setFieldText(db.workingChannels(kind)[static_cast<std::size_t>(r.record.channel)].name, "New");
        SaveOptions save;
        save.newRecordPending = true;
        buildChannelFile(db, save);
        step = newRecordStep(db, r.record);
        break;
    }
    case 16: {  // form fields committed into a record
        if (count == 0) break;
        const std::size_t i = static_cast<std::size_t>(pick(count));
        const ChannelEntry before = db.channels(kind)[i];
        db.channels(kind)[i].pmtPid = static_cast<std::uint16_t>(rng());
        noteChannelEdit(db, kind, static_cast<int>(i), before, step);
        break;
    }
    case 17: {
        GroupName& name = db.groupNames[static_cast<std::size_t>(group)];
        const GroupName before = name;
        setFieldText(name, "Renamed");
        noteGroupRename(db, group, before, step);
        break;
    }
    case 18: {  // Apply Order From a reference with other orders and groups
        ChannelDatabase reference = db;
        std::vector<int> order(static_cast<std::size_t>(count));
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), rng);
        applyChannelOrder(reference, kind, order);
        removeChannels(reference, kind, set);
        addFavorites(reference, kind, group, some(reference.channelCount(kind), 5));
        applyReorder(db, planReorder(db, reference, pick(2)), &step);
        break;
    }
    case 19: {  // a kept version restored: another file altogether
        SampleOptions other;
        other.seed = rng();
        other.groups = 1 + pick(12);
        other.tv = 60 + pick(120);
        replaceTables(db, makeSampleDatabase(other), &step);
        break;
    }
    }
}

TEST(EditHistory, UndoAndRedoOfRandomCommandsMeetEveryStateAgainByteForByte) {
    for (std::uint64_t seed = 1; seed <= 8; ++seed) {
        SampleOptions options;
        options.seed = seed;
        options.groups = 12;  // beyond the ten the form shows
        ChannelDatabase db = makeSampleDatabase(options);
        // References past their tables, as damaged files hold them, must come back too.
        db.tv[5].transponderIndex = 999;
        db.transponders[3].satelliteIndex = 200;
        db.tvMembers[2] = db.radioMembers[1] = 9000;
        std::mt19937 rng(static_cast<unsigned>(seed));
        EditHistory history;
        std::vector<Bytes> states{serializeUnchanged(db)};
        for (int i = 0; i < 150; ++i) {
            EditStep step;
            randomCommand(db, rng, step);
            const Bytes now = serializeUnchanged(db);
            if (step.empty()) {
                ASSERT_EQ(now, states.back()) << "seed " << seed << " command " << i << " changed tables unrecorded";
                continue;
            }
            ASSERT_TRUE(history.push(std::move(step)));
            states.push_back(now);
        }
        ASSERT_EQ(history.undoable(), states.size() - 1);
        for (std::size_t s = states.size() - 1; s-- > 0;) {
            ASSERT_TRUE(history.undo(db));
            ASSERT_EQ(serializeUnchanged(db), states[s]) << "seed " << seed << " undo to " << s;
        }
        EXPECT_FALSE(history.undo(db));
        for (std::size_t s = 1; s < states.size(); ++s) {
            ASSERT_TRUE(history.redo(db));
            ASSERT_EQ(serializeUnchanged(db), states[s]) << "seed " << seed << " redo to " << s;
        }
        EXPECT_FALSE(history.redo(db));
    }
}

TEST(EditHistory, AStepSelectsTheChannelsItTouchedWhereTheyStand) {
    const std::vector<int> set{7, 3, 4};
    const struct {
        std::function<void(ChannelDatabase&, EditStep*)> run;
        std::vector<int> done, undone;
        int rowDone;
    } cases[] = {
        {[&](ChannelDatabase& db, EditStep* s) { moveChannels(db, ChannelKind::Radio, set, 10, s); }, {10, 11, 12}, {3, 4, 7}, -1},
        {[&](ChannelDatabase& db, EditStep* s) { moveChannels(db, ChannelKind::Radio, set, MoveDirection::Up, s); }, {2, 3, 6}, {3, 4, 7}, -1},
        {[&](ChannelDatabase& db, EditStep* s) { removeChannels(db, ChannelKind::Radio, set, s); }, {}, {3, 4, 7}, 3},
        {[&](ChannelDatabase& db, EditStep* s) { setLocked(db, ChannelKind::Radio, set, true, s); }, {3, 4, 7}, {3, 4, 7}, -1},
        {[&](ChannelDatabase& db, EditStep* s) {
             HeldChannel held = *holdChannel(db, ChannelKind::Radio, 2);
             held.record.locked = 7;
             moveChannel(db, held, 9, s);
         },
         {9}, {2}, -1},
    };
    for (const auto& c : cases) {
        ChannelDatabase db = makeSampleDatabase({});
        EditStep step;
        c.run(db, &step);
        const StepSelection done = stepSelection(step, false), undone = stepSelection(step, true);
        EXPECT_TRUE(done.channelsTouched && done.kind == ChannelKind::Radio);
        EXPECT_EQ(std::tuple(done.channels, undone.channels, done.row), std::tuple(c.done, c.undone, c.rowDone));
    }
}

TEST(EditHistory, KeepsWithinItsLimitDroppingTheOldestAndNewStepsDropTheRedoable) {
    ChannelDatabase db = makeSampleDatabase({});
    EditStep move;
    moveChannels(db, ChannelKind::Tv, std::vector<int>{0}, 119, &move);
    const std::size_t bytes = stepBytes(move);
    EditHistory history(bytes * 3);
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(history.push(move));
    EXPECT_EQ(history.size(), 3u);
    EXPECT_LE(history.bytes(), bytes * 3);
    history.undo(db);
    history.undo(db);
    ASSERT_TRUE(history.push(move));
    EXPECT_EQ(std::pair(history.size(), history.canRedo()), std::pair(std::size_t{2}, false));
    EditStep large;
    std::vector<int> forty(40);
    std::iota(forty.begin(), forty.end(), 0);
    removeChannels(db, ChannelKind::Tv, forty, &large);
    EXPECT_FALSE(history.push(large));  // kept, it would leave older steps that cannot be undone
    EXPECT_EQ(history.size(), 0u);
}

}  // namespace
}  // namespace velmora
