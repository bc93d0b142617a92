// SPDX-License-Identifier: GPL-3.0-or-later
#include "channel_edit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include "channel_writer.h"

namespace velmora {
namespace {

// Satellites X Y Z; transponders known by the last digit of their frequency,
// shown with their satellite ("2X"); TV channels A..F and radio a..d shown with
// their transponder ("C2"); then the satellite table and the non-empty groups
// of each kind by channel names. Twelve groups: the form shows only ten.
constexpr const char* kBase = "A0 B1 C2 D0 E3 F1 | a1 b0 c3 d2 | 0X 1Y 2X 3Z | XYZ | 0:EBA 1:CC 11:FB | 0:da 11:b";

void setGroups(ChannelDatabase& db, ChannelKind kind, const std::vector<std::pair<int, std::string>>& groups) {
    std::fill(db.memberCounts(kind).begin(), db.memberCounts(kind).end(), 0);
    std::size_t at = 0;
    for (const auto& [g, names] : groups) {  // in group order
        for (char c : names) db.members(kind)[at++] = static_cast<std::uint16_t>(std::tolower(c) - 'a');
        db.memberCounts(kind)[static_cast<std::size_t>(g)] = static_cast<std::uint16_t>(names.size());
    }
}

ChannelDatabase baseDatabase() {
    ChannelDatabase db;
    db.allocateTables();
    db.satelliteCount = 3;
    for (std::size_t i = 0; i < 3; ++i) setFieldText(db.satellites[i].name, std::string(1, "XYZ"[i]));
    db.transponderCount = 4;
    constexpr std::uint8_t kSatelliteOf[] = {0, 1, 0, 2};
    for (std::size_t i = 0; i < 4; ++i) db.transponders[i] = {0, 0, static_cast<std::uint16_t>(10000 + i), 0, 0, 0, kSatelliteOf[i]};
    for (const auto& [kind, layout] : {std::pair{ChannelKind::Tv, "A0B1C2D0E3F1"}, std::pair{ChannelKind::Radio, "a1b0c3d2"}}) {
        const std::string s = layout;
        db.channelCount(kind) = static_cast<std::uint16_t>(s.size() / 2);
        for (std::size_t i = 0; i < s.size() / 2; ++i) {
            setFieldText(db.channels(kind)[i].name, s.substr(2 * i, 1));
            db.channels(kind)[i].transponderIndex = static_cast<std::uint16_t>(s[2 * i + 1] - '0');
        }
    }
    db.general.favoriteGroupCount = 12;
    setGroups(db, ChannelKind::Tv, {{0, "EBA"}, {1, "CC"}, {11, "FB"}});
    setGroups(db, ChannelKind::Radio, {{0, "da"}, {11, "b"}});
    db.syncWorkingTables();
    return db;
}

std::string describe(const ChannelDatabase& db) {
    std::string s;
    auto word = [&](const std::string& w) { s += (s.empty() || s.back() == ' ' ? "" : " ") + w; };
    auto digit = [](const TransponderEntry* t) { return t ? std::string(1, char('0' + t->frequency % 10)) : "?"; };
    for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
        for (std::size_t i = 0; i < db.channelCount(kind); ++i)
            word(fieldText(db.channels(kind)[i].name) + digit(db.transponderOf(db.channels(kind)[i])));
        s += " |";
    }
    for (std::size_t i = 0; i < db.transponderCount; ++i) {
        const SatelliteEntry* sat = db.satelliteOf(db.transponders[i]);
        word(digit(&db.transponders[i]) + (sat ? fieldText(sat->name) : "?"));
    }
    s += " | ";
    for (std::size_t i = 0; i < db.satelliteCount; ++i) s += fieldText(db.satellites[i].name);
    for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
        s += " |";
        for (std::size_t g = 0, at = 0; g < db.groupCount(); ++g) {
            std::string names;
            for (std::size_t j = 0; j < db.memberCounts(kind)[g]; ++j, ++at) {
                const ChannelEntry* ch = db.channelAt(kind, db.members(kind)[at]);
                names += ch ? fieldText(ch->name) : "?";
            }
            if (!names.empty()) word(std::to_string(g) + ":" + names);
        }
    }
    return s;
}

std::string rest(const char* tv) { return std::string(tv) + std::string(kBase).substr(17); }

TEST(ChannelEdit, MovesKeepEveryEntryInPlaceAndNamingItsChannel) {
    struct Case {
        int from, to;
        const char* tv;
    };
    for (const Case c : {Case{1, 3, "A0 C2 D0 B1 E3 F1"}, Case{3, 1, "A0 D0 B1 C2 E3 F1"}, Case{2, 2, "A0 B1 C2 D0 E3 F1"},
                         Case{0, 5, "B1 C2 D0 E3 F1 A0"}, Case{5, 0, "F1 A0 B1 C2 D0 E3"}}) {
        ChannelDatabase db = baseDatabase();
        EXPECT_EQ(moveChannel(db, *holdChannel(db, ChannelKind::Tv, c.from), c.to), EditStatus::Done);
        EXPECT_EQ(describe(db), rest(c.tv)) << c.from << "->" << c.to;
    }
    // The held copy is what lands, and it carries the marks the form showed.
    ChannelDatabase db = baseDatabase();
    HeldChannel held = *holdChannel(db, ChannelKind::Tv, 1);
    EXPECT_TRUE(held.heldFlags[0] && !held.heldFlags[1]);
    EXPECT_EQ(held.heldPositions[0], 1);
    held.record.locked = 1;
    EXPECT_EQ(moveChannel(db, held, 6), EditStatus::NoSuchChannel);
    ASSERT_EQ(moveChannel(db, held, 4), EditStatus::Done);
    EXPECT_EQ(db.tv[4].locked, 1);

    db = baseDatabase();
    EXPECT_EQ(applyChannelOrder(db, ChannelKind::Tv, std::vector<int>{5, 4, 3, 2, 1, 0}), EditStatus::Done);
    EXPECT_EQ(describe(db), rest("F1 E3 D0 C2 B1 A0"));
}

TEST(ChannelEdit, DeletesCascadeAndKeepEveryRemainingReference) {
    struct Case {
        const char* what;
        std::function<DeleteResult(ChannelDatabase&)> run;
        const char* expect;
    };
    const Case cases[] = {
        {"channel C, twice in a group", [](ChannelDatabase& db) { return DeleteResult{removeChannel(db, ChannelKind::Tv, 2), 1}; },
         "A0 B1 D0 E3 F1 | a1 b0 c3 d2 | 0X 1Y 2X 3Z | XYZ | 0:EBA 11:FB | 0:da 11:b"},
        {"radio a, no TV channels",
         [](ChannelDatabase& db) {
             db.tvCount = 0;
             setGroups(db, ChannelKind::Tv, {});
             return DeleteResult{removeChannel(db, ChannelKind::Radio, 0), 0, 1};
         },
         " | b0 c3 d2 | 0X 1Y 2X 3Z | XYZ | | 0:d 11:b"},
        {"transponder 1, last on its satellite", [](ChannelDatabase& db) { return deleteTransponder(db, 1); },
         "A0 C2 D0 E3 | b0 c3 d2 | 0X 2X 3Z | XZ | 0:EA 1:CC | 0:d 11:b"},
        {"transponder 0, satellite has another", [](ChannelDatabase& db) { return deleteTransponder(db, 0); },
         "B1 C2 E3 F1 | a1 c3 d2 | 1Y 2X 3Z | XYZ | 0:EB 1:CC 11:FB | 0:da"},
        {"satellite X, transponders 0 and 2", [](ChannelDatabase& db) { return deleteSatellite(db, 0); },
         "B1 E3 F1 | a1 c3 | 1Y 3Z | YZ | 0:EB 11:FB | 0:a"},
        {"only transponder keeps its satellite",
         [](ChannelDatabase& db) {
             for (int i = 0; i < 3; ++i) deleteTransponder(db, 0);
             return deleteTransponder(db, 0);
         },
         " | | | Z | |"},
    };
    for (const Case& c : cases) {
        ChannelDatabase db = baseDatabase();
        const DeleteResult r = c.run(db);
        EXPECT_EQ(r.status, EditStatus::Done) << c.what;
        EXPECT_EQ(describe(db), c.expect) << c.what;
    }
    ChannelDatabase db = baseDatabase();
    const DeleteResult r = deleteSatellite(db, 0);
    EXPECT_EQ((std::array{r.tvRemoved, r.radioRemoved, r.transpondersRemoved, r.satellitesRemoved}), (std::array{3, 2, 2, 1}));
    db = baseDatabase();
    EXPECT_EQ(deleteTransponder(db, 4).status, EditStatus::NoSuchTransponder);
    EXPECT_EQ(deleteSatellite(db, 3).status, EditStatus::NoSuchSatellite);
    EXPECT_EQ(removeChannel(db, ChannelKind::Tv, 6), EditStatus::NoSuchChannel);
    EXPECT_EQ(describe(db), kBase);
}

TEST(ChannelEdit, GroupEntriesAddedRemovedReorderedAndClearedWithinTheirGroup) {
    using K = ChannelKind;
    using S = EditStatus;
    enum Op { Add, Remove, Move, Clear, PutBack };
    // Add and Remove: channel a (Add at place b, 0: the end), with the place a
    // box then shows; Move: entry a to b.
    const struct {
        Op op;
        ChannelKind kind;
        int group, a, b;
        std::pair<EditStatus, int> result;
        const char* groups;  // TV | radio; nullptr: unchanged
    } cases[] = {
        {Add, K::Tv, 0, 3, 0, {S::Done, 4}, "0:EBAD 1:CC 11:FB | 0:da 11:b"},
        {Add, K::Tv, 0, 3, 2, {S::Done, 2}, "0:EDBA 1:CC 11:FB | 0:da 11:b"},
        {Add, K::Tv, 1, 3, 9, {S::Done, 3}, "0:EBA 1:CCD 11:FB | 0:da 11:b"},
        {Add, K::Radio, 3, 2, 0, {S::Done, 1}, "0:EBA 1:CC 11:FB | 0:da 3:c 11:b"},
        {Add, K::Tv, 0, 1, 0, {S::AlreadyMember, 2}, nullptr},
        {Add, K::Tv, 12, 1, 0, {S::NoSuchGroup, 0}, nullptr},
        {Remove, K::Tv, 0, 1, 0, {S::Done, 2}, "0:EA 1:CC 11:FB | 0:da 11:b"},
        {Remove, K::Tv, 1, 2, 0, {S::Done, 2}, "0:EBA 11:FB | 0:da 11:b"},
        {Remove, K::Tv, 0, 2, 0, {S::NotMember, 0}, nullptr},
        {Move, K::Tv, 0, 2, 0, {S::Done, 0}, "0:AEB 1:CC 11:FB | 0:da 11:b"},
        {Move, K::Tv, 0, 0, 2, {S::Done, 0}, "0:BAE 1:CC 11:FB | 0:da 11:b"},
        {Move, K::Tv, 11, 1, 1, {S::Done, 0}, nullptr},
        {Move, K::Radio, 0, 1, 0, {S::Done, 0}, "0:EBA 1:CC 11:FB | 0:ad 11:b"},
        {Move, K::Tv, 1, 0, 2, {S::NoSuchEntry, 0}, nullptr},
        {Move, K::Tv, 3, 0, 0, {S::NoSuchEntry, 0}, nullptr},
        {Move, K::Tv, 12, 0, 0, {S::NoSuchGroup, 0}, nullptr},
        {Clear, K::Tv, 1, 0, 0, {S::Done, 0}, "0:EBA 11:FB | 0:da 11:b"},
        {Clear, K::Radio, 0, 0, 0, {S::Done, 0}, "0:EBA 1:CC 11:FB | 11:b"},
        {Clear, K::Tv, 5, 0, 0, {S::Done, 0}, nullptr},
        {PutBack, K::Tv, 1, 2, 0, {S::Done, 2}, nullptr},  // listed twice, back twice
        {PutBack, K::Tv, 0, 1, 0, {S::Done, 2}, nullptr},
    };
    const std::size_t groupsAt = std::string(kBase).find("XYZ | ") + 6;
    for (const auto& c : cases) {
        ChannelDatabase db = baseDatabase();
        const std::string groups = c.groups ? c.groups : std::string(kBase).substr(groupsAt);
        FavoriteChange r{S::Done, 0};
        if (c.op == Add) r = addFavorite(db, c.kind, c.group, c.a, c.b);
        if (c.op == Remove) r = removeFavorite(db, c.kind, c.group, c.a);
        if (c.op == Move) r.status = moveGroupEntry(db, c.kind, c.group, c.a, c.b);
        if (c.op == Clear) r.status = clearGroupEntries(db, c.kind, c.group);
        if (c.op == PutBack) {  // removed, then restored at the places it had
            const std::vector<int> places = favoritePlaces(db, c.kind, c.group, c.a);
            removeFavorite(db, c.kind, c.group, c.a);
            r = restoreFavorite(db, c.kind, c.group, c.a, places);
        }
        EXPECT_EQ(std::pair(r.status, r.position), c.result) << groups;
        EXPECT_EQ(describe(db).substr(groupsAt), groups);
        // The dialog's reorders and clears keep the working lists, which share the counts, in step.
        const bool inStep = db.workingTvMembers == db.tvMembers && db.workingRadioMembers == db.radioMembers;
        EXPECT_TRUE(inStep || c.op == Add || c.op == Remove || c.op == PutBack) << groups;
    }
}

TEST(ChannelEdit, InsertAndNewRefuseAFullTableWithoutAnyChange) {
    ChannelEntry x;
    setFieldText(x.name, "X");
    x.transponderIndex = 3;
    std::array<int, kViewGroups> places{2, 9};
    ChannelDatabase db = baseDatabase();
    ASSERT_EQ(insertChannel(db, ChannelKind::Tv, 1, x, places), EditStatus::Done);
    EXPECT_EQ(describe(db), "A0 X3 B1 C2 D0 E3 F1 | a1 b0 c3 d2 | 0X 1Y 2X 3Z | XYZ | 0:EXBA 1:CCX 11:FB | 0:da 11:b");

    struct Case {
        std::function<void(ChannelDatabase&)> fill;
        std::function<EditStatus(ChannelDatabase&)> run;
        EditStatus status;
    };
    const auto insert = [&](ChannelDatabase& d) { return insertChannel(d, ChannelKind::Tv, 1, x, places); };
    const auto newOn = [](RecordPage page) {
        return [page](ChannelDatabase& d) { return prepareNew(d, page, ChannelKind::Tv, 0, 0).status; };
    };
    const auto fav = [](ChannelDatabase& d) { return addFavorite(d, ChannelKind::Tv, 3, 0).status; };
    const Case cases[] = {
        {[](ChannelDatabase& d) { d.tvCount = 10000; }, insert, EditStatus::ChannelTableFull},
        {[](ChannelDatabase& d) { d.tvMemberCount[2] = 9992; }, insert, EditStatus::MembersFull},
        {[](ChannelDatabase& d) { d.tvMemberCount[2] = 9993; }, fav, EditStatus::MembersFull},
        {[](ChannelDatabase& d) { d.general.favoriteGroupCount = 1; }, insert, EditStatus::NoSuchGroup},
        {[](ChannelDatabase& d) { d.satelliteCount = 255; }, newOn(RecordPage::Satellite), EditStatus::SatelliteTableFull},
        {[](ChannelDatabase& d) { d.transponderCount = 1000; }, newOn(RecordPage::Satellite), EditStatus::TransponderTableFull},
        {[](ChannelDatabase& d) { d.tvCount = 10000; }, newOn(RecordPage::Channel), EditStatus::ChannelTableFull},
    };
    for (const Case& c : cases) {
        ChannelDatabase d = baseDatabase();
        d.tv[0].locked = 1;  // the working copy is stale and must stay so
        c.fill(d);
        const ChannelDatabase before = d;
        EXPECT_EQ(c.run(d), c.status);
        EXPECT_TRUE(serializeUnchanged(d) == serializeUnchanged(before) && d.workingTv == before.workingTv);
    }
}

TEST(ChannelEdit, NewOnEachPageSavesOrCancelsExactly) {
    struct Case {
        RecordPage page;
        ChannelKind kind;
        const char* name;
        const char* saved;
    };
    for (const Case& c :
         {Case{RecordPage::Channel, ChannelKind::Tv, "X", "A0 X1 B1 C2 D0 E3 F1 | a1 b0 c3 d2 | 0X 1Y 2X 3Z | XYZ"},
          Case{RecordPage::Transponder, ChannelKind::Tv, "X", "A0 X9 B1 C2 D0 E3 F1 | a1 b0 c3 d2 | 0X 9Y 1Y 2X 3Z | XYZ"},
          Case{RecordPage::Satellite, ChannelKind::Radio, "x", "A0 B1 C2 D0 E3 F1 | a1 b0 c3 d2 x9 | 0X 1Y 2X 3Z 9? | XYZ?"}}) {
        ChannelDatabase db = baseDatabase();
        db.tv[5].locked = 1;  // not in the working copy: New must start from the committed tables
        const std::vector<std::uint8_t> before = serializeUnchanged(db);
        const NewResult r = prepareNew(db, c.page, c.kind, 1, 1);
        ASSERT_EQ(r.status, EditStatus::Done);

        ChannelDatabase cancelled = db;
        discardNew(cancelled, r.record);
        EXPECT_EQ(serializeUnchanged(cancelled), before);
        EXPECT_TRUE(cancelled.workingTv == cancelled.tv && cancelled.workingTransponders == cancelled.transponders);

        // What the form commits while saving.
        setFieldText(db.workingChannels(c.kind)[static_cast<std::size_t>(r.record.channel)].name, c.name);
        if (r.record.transponder >= 0) db.workingTransponders[static_cast<std::size_t>(r.record.transponder)].frequency = 10009;
        if (r.record.satellite >= 0) setFieldText(db.workingSatellites[static_cast<std::size_t>(r.record.satellite)].name, "?");
        SaveOptions save;
        save.newRecordPending = true;
        buildChannelFile(db, save);
        EXPECT_EQ(describe(db), std::string(c.saved) + " | 0:EBA 1:CC 11:FB | 0:da 11:b");
        EXPECT_EQ(db.tv[c.kind == ChannelKind::Tv ? 6 : 5].locked, 1);
    }
}

}  // namespace
}  // namespace velmora
