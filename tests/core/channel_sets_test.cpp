// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "channel_edit.h"
#include "channel_writer.h"
#include "edit_history.h"  // undo of the cascades
#include "sample_data.h"

namespace velmora {
namespace {

// A TV list of lettered channels, its locked ones, and its groups as letters:
// the plain picture every set operation is checked against.
struct Model {
    std::string tv, locked;
    std::vector<std::string> groups;
    bool operator==(const Model&) const = default;
};

const Model kBase{"ABCDEFGHIJKL", "CK", {"EBAE", "", "LCA", "", "", "", "", "", "", "", "", "FBKB"}};

ChannelDatabase build(const Model& m) {
    ChannelDatabase db;
    db.allocateTables();
    db.satelliteCount = db.transponderCount = 1;
    db.tvCount = static_cast<std::uint16_t>(m.tv.size());
    for (std::size_t i = 0; i < m.tv.size(); ++i) {
        setFieldText(db.tv[i].name, m.tv.substr(i, 1));
        db.tv[i].locked = m.locked.find(m.tv[i]) != std::string::npos;
    }
    db.general.favoriteGroupCount = static_cast<std::uint16_t>(m.groups.size());
    std::size_t at = 0;
    for (std::size_t g = 0; g < m.groups.size(); ++g) {
        for (char c : m.groups[g]) db.tvMembers[at++] = static_cast<std::uint16_t>(m.tv.find(c));
        db.tvMemberCount[g] = static_cast<std::uint16_t>(m.groups[g].size());
    }
    db.syncWorkingTables();
    return db;
}

Model picture(const ChannelDatabase& db) {
    Model m;
    for (std::size_t i = 0; i < db.tvCount; ++i) {
        m.tv += fieldText(db.tv[i].name);
        if (db.tv[i].locked) m.locked += m.tv.back();
    }
    std::sort(m.locked.begin(), m.locked.end());
    for (std::size_t g = 0, at = 0; g < db.groupCount(); ++g) {
        m.groups.emplace_back();
        for (std::size_t j = 0; j < db.tvMemberCount[g]; ++j, ++at)
            m.groups.back() += db.tvMembers[at] < db.tvCount ? m.tv[db.tvMembers[at]] : '?';
    }
    return m;
}

enum Op { Delete, MoveTo, Paste, Up, Down, Top, Bottom, FavAdd, FavRemove, Lock, Unlock };

// The plain re-implementation: letters moved about in strings.
Model naive(Model m, Op op, const std::string& set, int arg) {
    const auto held = [&](char c) { return set.find(c) != std::string::npos; };
    std::string block, others;
    for (char c : m.tv) (held(c) ? block : others) += c;
    const auto place = [&](std::size_t to) { m.tv = others.substr(0, to) + block + others.substr(to); };
    switch (op) {
    case Delete:
        m.tv = others;
        for (auto& g : m.groups) std::erase_if(g, held);
        std::erase_if(m.locked, held);
        break;
    case MoveTo: place(static_cast<std::size_t>(arg)); break;
    case Paste: {
        const char r = m.tv[static_cast<std::size_t>(arg)];
        const std::size_t last = m.tv.find_last_of(set);
        if (held(r))  // around R, which keeps its place
            place(static_cast<std::size_t>(arg) - block.find(r));
        else
            place(others.find(r) + (static_cast<std::size_t>(arg) > last ? 1 : 0));
        break;
    }
    case Up:
    case Down: {
        std::string& t = m.tv;
        if (op == Down) std::reverse(t.begin(), t.end());
        if (!held(t[0]))  // bubble each held channel past the free one before it
            for (std::size_t i = 1; i < t.size(); ++i)
                if (held(t[i]) && !held(t[i - 1])) std::swap(t[i], t[i - 1]);
        if (op == Down) std::reverse(t.begin(), t.end());
        break;
    }
    case Top: place(0); break;
    case Bottom: place(others.size()); break;
    case FavAdd:
        for (char c : block)
            if (m.groups[arg].find(c) == std::string::npos) m.groups[arg] += c;
        break;
    case FavRemove:
        for (char c : block)
            if (auto p = m.groups[arg].rfind(c); p != std::string::npos) m.groups[arg].erase(p, 1);
        break;
    case Lock:
    case Unlock:
        std::erase_if(m.locked, held);
        if (op == Lock) m.locked += block;
        std::sort(m.locked.begin(), m.locked.end());
        break;
    }
    return m;
}

void run(ChannelDatabase& db, Op op, const std::vector<int>& set, int arg, EditStep* step) {
    const ChannelKind tv = ChannelKind::Tv;
    constexpr MoveDirection kDirections[] = {MoveDirection::Up, MoveDirection::Down, MoveDirection::Top, MoveDirection::Bottom};
    switch (op) {
    case Delete: ASSERT_EQ(removeChannels(db, tv, set, step).status, EditStatus::Done); break;
    case MoveTo: ASSERT_EQ(moveChannels(db, tv, set, arg, step).status, EditStatus::Done); break;
    case Paste: ASSERT_EQ(moveChannels(db, tv, set, pasteTarget(set, arg), step).status, EditStatus::Done); break;
    case Up:
    case Down:
    case Top:
    case Bottom: ASSERT_EQ(moveChannels(db, tv, set, kDirections[op - Up], step).status, EditStatus::Done); break;
    case FavAdd: addFavorites(db, tv, arg, set, 0, step); break;
    case FavRemove: removeFavorites(db, tv, arg, set, FavoriteRemoval::LastEntry, step); break;
    case Lock:
    case Unlock: ASSERT_EQ(setLocked(db, tv, set, op == Lock, step), EditStatus::Done); break;
    }
}

TEST(ChannelSets, BlockArithmeticMatchesAPlainModel) {
    const struct {
        Op op;
        const char* set;
        int arg;
    } cases[] = {
        {Delete, "B", 0},       {Delete, "AEL", 0},     {Delete, "ABCDEFGHIJKL", 0}, {Delete, "BK", 0},
        {MoveTo, "A", 11},      {MoveTo, "L", 0},       {MoveTo, "CDE", 0},          {MoveTo, "BEJ", 9},
        {MoveTo, "BEJ", 4},     {MoveTo, "ABC", 0},     {Paste, "B", 3},             {Paste, "D", 1},
        {Paste, "B", 1},        {Paste, "BCF", 9},      {Paste, "BCF", 0},           {Paste, "BCF", 2},
        {Paste, "BCF", 5},      {Paste, "AL", 6},       {Up, "CDG", 0},              {Up, "AC", 0},
        {Up, "L", 0},           {Down, "CDG", 0},       {Down, "KL", 0},             {Down, "BFGH", 0},
        {Top, "EBK", 0},        {Top, "AB", 0},         {Bottom, "ADL", 0},          {FavAdd, "ABCD", 0},
        {FavAdd, "EB", 0},      {FavAdd, "KCL", 11},    {FavRemove, "EB", 0},        {FavRemove, "BKD", 11},
        {Lock, "ABC", 0},       {Unlock, "CDK", 0},
    };
    for (const auto& c : cases) {
        std::vector<int> set;
        for (const char* p = c.set; *p; ++p) set.push_back(*p - 'A');
        std::reverse(set.begin(), set.end());  // any order names the same set
        ChannelDatabase db = build(kBase);
        EditStep step;
        run(db, c.op, set, c.arg, &step);
        const Model want = naive(kBase, c.op, c.set, c.arg);
        EXPECT_EQ(picture(db), want) << c.op << " " << c.set << " " << c.arg << ": " << picture(db).tv;
        EXPECT_EQ(step.empty(), want == kBase) << c.op << " " << c.set;  // nothing to undo at an edge
    }
}

TEST(ChannelSets, SelectionMarksCountEachListedChannelOnce) {
    const ChannelDatabase db = build(kBase);
    const SelectionMarks m = selectionMarks(db, ChannelKind::Tv, std::vector<int>{4, 1, 1, 10, 3});  // E B K D
    EXPECT_EQ(m.channels, 4);
    EXPECT_EQ(m.locked, 1);
    EXPECT_EQ((std::array{m.members[0], m.members[1], m.members[2]}), (std::array{2, 0, 0}));  // E twice in group 0
}

TEST(ChannelSets, RefusalsChangeNothing) {
    ChannelDatabase db = build(kBase);
    const std::vector<std::uint8_t> before = serializeUnchanged(db);
    const std::vector<int> outside{1, 12}, three{0, 1, 2}, four{3, 4, 6, 7};
    EditStep step;
    EXPECT_EQ(removeChannels(db, ChannelKind::Tv, outside, &step).status, EditStatus::NoSuchChannel);
    EXPECT_EQ(moveChannels(db, ChannelKind::Tv, three, 10, &step).status, EditStatus::NoSuchChannel);
    EXPECT_EQ(addFavorites(db, ChannelKind::Tv, 12, three, 0, &step).status, EditStatus::NoSuchGroup);
    db.tvMemberCount[1] = 9986;  // 9997 with the others: three more fit, four do not
    const std::vector<std::uint8_t> full = serializeUnchanged(db);
    EXPECT_EQ(addFavorites(db, ChannelKind::Tv, 1, four, 0, &step).status, EditStatus::MembersFull);
    EXPECT_EQ(serializeUnchanged(db), full);
    EXPECT_TRUE(step.empty());
    db.tvMemberCount[1] = 0;
    EXPECT_EQ(serializeUnchanged(db), before);
}

TEST(ChannelSets, TransponderAndSatelliteSetsDeleteAsOneByOneFromTheHighest) {
    SampleOptions options;
    options.seed = 7;
    const ChannelDatabase base = makeSampleDatabase(options);
    std::vector<int> onSatellite1, all;
    for (int t = 0; t < base.transponderCount; ++t) {
        all.push_back(t);
        if (base.transponders[static_cast<std::size_t>(t)].satelliteIndex == 1) onSatellite1.push_back(t);
    }
    for (bool satellites : {false, true}) {
        for (const std::vector<int>& set : satellites ? std::vector<std::vector<int>>{{0, 2}, {3}, {0, 1, 2, 3}}
                                                      : std::vector<std::vector<int>>{{3, 7, 8, 20}, onSatellite1, all}) {
            ChannelDatabase bulk = base, single = base;
            EditStep step;
            const DeleteResult r = satellites ? deleteSatellites(bulk, set, &step) : deleteTransponders(bulk, set, &step);
            for (auto i = set.rbegin(); i != set.rend(); ++i) satellites ? deleteSatellite(single, *i) : deleteTransponder(single, *i);
            EXPECT_EQ(serializeUnchanged(bulk), serializeUnchanged(single)) << satellites << " " << set.size();
            EXPECT_EQ(r.transpondersRemoved, base.transponderCount - single.transponderCount);
            undoStep(bulk, step);
            EXPECT_EQ(serializeUnchanged(bulk), serializeUnchanged(base)) << satellites << " " << set.size();
        }
    }
}

}  // namespace
}  // namespace velmora
