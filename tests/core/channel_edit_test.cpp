#include "channel_edit.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "channel_writer.h"

namespace velmora {
namespace {

// Satellites X Y Z; transponders known by the last digit of their frequency
// and shown with their satellite ("2X"); TV channels A..F and radio a..d shown
// with their transponder ("C2"); favourite groups by channel names, twelve of
// them so that groups past the form's ten are covered too.
constexpr const char* kBase = "A0 B1 C2 D0 E3 F1 | a1 b0 c3 d2 | 0X 1Y 2X 3Z | XYZ | 0:EBA 1:CC 11:FB | 0:da 11:b";

void setGroups(ChannelDatabase& db, ChannelKind kind, const std::vector<std::pair<int, std::string>>& groups) {
    const char first = kind == ChannelKind::Tv ? 'A' : 'a';
    std::size_t at = 0;
    for (std::size_t g = 0; g < db.groupCount(); ++g) {
        db.memberCounts(kind)[g] = 0;
        for (const auto& [group, names] : groups) {
            if (static_cast<std::size_t>(group) != g) continue;
            for (char c : names) db.members(kind)[at++] = static_cast<std::uint16_t>(c - first);
            db.memberCounts(kind)[g] = static_cast<std::uint16_t>(names.size());
        }
    }
}

ChannelDatabase baseDatabase() {
    ChannelDatabase db;
    db.allocateTables();
    db.header.magic = kFileMagic;
    db.blockHead.channelMagic = kChannelMagic;
    db.satelliteCount = 3;
    for (int i = 0; i < 3; ++i) setFieldText(db.satellites[static_cast<std::size_t>(i)].name, std::string(1, "XYZ"[i]));
    db.transponderCount = 4;
    const std::uint8_t satOf[] = {0, 1, 0, 2};
    for (std::size_t i = 0; i < 4; ++i) db.transponders[i] = {0, 0, static_cast<std::uint16_t>(10000 + i), 27500, 0, 0, satOf[i]};
    auto channels = [&](ChannelKind kind, const std::string& spec) {
        db.channelCount(kind) = static_cast<std::uint16_t>(spec.size() / 2);
        for (std::size_t i = 0; i < spec.size() / 2; ++i) {
            setFieldText(db.channels(kind)[i].name, spec.substr(2 * i, 1));
            db.channels(kind)[i].transponderIndex = static_cast<std::uint16_t>(spec[2 * i + 1] - '0');
        }
    };
    channels(ChannelKind::Tv, "A0B1C2D0E3F1");
    channels(ChannelKind::Radio, "a1b0c3d2");
    db.general.favoriteGroupCount = 12;
    setGroups(db, ChannelKind::Tv, {{0, "EBA"}, {1, "CC"}, {11, "FB"}});
    setGroups(db, ChannelKind::Radio, {{0, "da"}, {11, "b"}});
    db.syncWorkingTables();
    return db;
}

std::string describe(const ChannelDatabase& db) {
    std::string s;
    auto word = [&](std::string w) { s += (s.empty() || s.back() == ' ' ? "" : " ") + w; };
    auto freq = [](const TransponderEntry* t) { return t ? std::string(1, char('0' + t->frequency % 10)) : "?"; };
    for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
        for (std::size_t i = 0; i < db.channelCount(kind); ++i)
            word(fieldText(db.channels(kind)[i].name) + freq(db.transponderOf(db.channels(kind)[i])));
        s += " |";
    }
    for (std::size_t i = 0; i < db.transponderCount; ++i) {
        const SatelliteEntry* sat = db.satelliteOf(db.transponders[i]);
        word(freq(&db.transponders[i]) + (sat ? fieldText(sat->name) : "?"));
    }
    s += " | ";
    for (std::size_t i = 0; i < db.satelliteCount; ++i) s += fieldText(db.satellites[i].name);
    for (ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
        s += " |";
        std::size_t at = 0;
        for (std::size_t g = 0; g < db.groupCount(); ++g) {
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

TEST(ChannelEdit, MovesKeepEveryEntryInPlaceAndNamingItsChannel) {
    struct Case {
        int from, to;
        EditStatus status;
        const char* tv;
    };
    for (const Case c : {Case{1, 3, EditStatus::Done, "A0 C2 D0 B1 E3 F1"}, Case{3, 1, EditStatus::Done, "A0 D0 B1 C2 E3 F1"},
                         Case{2, 2, EditStatus::Done, "A0 B1 C2 D0 E3 F1"}, Case{0, 5, EditStatus::Done, "B1 C2 D0 E3 F1 A0"},
                         Case{5, 0, EditStatus::Done, "F1 A0 B1 C2 D0 E3"}, Case{6, 0, EditStatus::NoSuchChannel, ""},
                         Case{0, 6, EditStatus::NoSuchChannel, ""}}) {
        ChannelDatabase db = baseDatabase();
        std::optional<HeldChannel> held = holdChannel(db, ChannelKind::Tv, c.from);
        if (!held) {
            held.emplace();
            held->heldIndex = c.from;
        }
        EXPECT_EQ(moveChannel(db, *held, c.to), c.status) << c.from << "->" << c.to;
        const std::string expect = c.status == EditStatus::Done
                                       ? std::string(c.tv) + " | a1 b0 c3 d2 | 0X 1Y 2X 3Z | XYZ | 0:EBA 1:CC 11:FB | 0:da 11:b"
                                       : kBase;
        EXPECT_EQ(describe(db), expect) << c.from << "->" << c.to;
    }
    // The held copy is what lands, and its marks are those the form showed.
    ChannelDatabase db = baseDatabase();
    HeldChannel held = *holdChannel(db, ChannelKind::Tv, 1);
    EXPECT_TRUE(held.heldFlags[0]);
    EXPECT_EQ(held.heldPositions[0], 1);
    held.record.locked = 1;
    ASSERT_EQ(moveChannel(db, held, 4), EditStatus::Done);
    EXPECT_EQ(db.tv[4].locked, 1);
}

TEST(ChannelEdit, WholeOrderAppliedWithFavouritesFollowing) {
    ChannelDatabase db = baseDatabase();
    EXPECT_EQ(applyChannelOrder(db, ChannelKind::Tv, std::vector<int>{5, 4, 3, 2, 1, 0}), EditStatus::Done);
    EXPECT_EQ(describe(db), "F1 E3 D0 C2 B1 A0 | a1 b0 c3 d2 | 0X 1Y 2X 3Z | XYZ | 0:EBA 1:CC 11:FB | 0:da 11:b");
    for (const std::vector<int>& bad : {std::vector<int>{0, 0, 1, 2, 3, 4}, std::vector<int>{0, 1, 2},
                                        std::vector<int>{0, 1, 2, 3, 4, 6}, std::vector<int>{0, 1, 2, 3, 4, -1}}) {
        ChannelDatabase fresh = baseDatabase();
        EXPECT_EQ(applyChannelOrder(fresh, ChannelKind::Tv, bad), EditStatus::BadOrder);
        EXPECT_EQ(describe(fresh), kBase);
    }
}

TEST(ChannelEdit, DeletesCascadeAndKeepEveryRemainingReference) {
    struct Case {
        const char* what;
        std::function<DeleteResult(ChannelDatabase&)> run;
        const char* expect;
        DeleteResult counts;
    };
    const Case cases[] = {
        {"channel C (listed twice in a group)",
         [](ChannelDatabase& db) { return DeleteResult{removeChannel(db, ChannelKind::Tv, 2)}; },
         "A0 B1 D0 E3 F1 | a1 b0 c3 d2 | 0X 1Y 2X 3Z | XYZ | 0:EBA 11:FB | 0:da 11:b", {}},
        {"radio a, in a file without TV channels",
         [](ChannelDatabase& db) {
             db.tvCount = 0;
             setGroups(db, ChannelKind::Tv, {});
             return DeleteResult{removeChannel(db, ChannelKind::Radio, 0)};
         },
         " | b0 c3 d2 | 0X 1Y 2X 3Z | XYZ | | 0:d 11:b", {}},
        {"transponder 1, the last on its satellite",
         [](ChannelDatabase& db) { return deleteTransponder(db, 1); },
         "A0 C2 D0 E3 | b0 c3 d2 | 0X 2X 3Z | XZ | 0:EA 1:CC | 0:d 11:b", {EditStatus::Done, 2, 1, 1, 1}},
        {"transponder 0, its satellite has another",
         [](ChannelDatabase& db) { return deleteTransponder(db, 0); },
         "B1 C2 E3 F1 | a1 c3 d2 | 1Y 2X 3Z | XYZ | 0:EB 1:CC 11:FB | 0:da", {EditStatus::Done, 2, 1, 1, 0}},
        {"satellite X with transponders 0 and 2",
         [](ChannelDatabase& db) { return deleteSatellite(db, 0); },
         "B1 E3 F1 | a1 c3 | 1Y 3Z | YZ | 0:EB 11:FB | 0:a", {EditStatus::Done, 3, 2, 2, 1}},
        {"satellite Z", [](ChannelDatabase& db) { return deleteSatellite(db, 2); },
         "A0 B1 C2 D0 F1 | a1 b0 d2 | 0X 1Y 2X | XY | 0:BA 1:CC 11:FB | 0:da 11:b", {EditStatus::Done, 1, 1, 1, 1}},
        {"the only transponder keeps its satellite",
         [](ChannelDatabase& db) {
             for (int i = 0; i < 3; ++i) deleteTransponder(db, 0);
             return deleteTransponder(db, 0);
         },
         " | | | Z | |", {EditStatus::Done, 1, 1, 1, 0}},
    };
    for (const Case& c : cases) {
        ChannelDatabase db = baseDatabase();
        const DeleteResult r = c.run(db);
        EXPECT_EQ(describe(db), c.expect) << c.what;
        EXPECT_EQ(r.status, c.counts.status) << c.what;
        EXPECT_EQ(r.tvRemoved, c.counts.tvRemoved) << c.what;
        EXPECT_EQ(r.radioRemoved, c.counts.radioRemoved) << c.what;
        EXPECT_EQ(r.transpondersRemoved, c.counts.transpondersRemoved) << c.what;
        EXPECT_EQ(r.satellitesRemoved, c.counts.satellitesRemoved) << c.what;
    }
    ChannelDatabase db = baseDatabase();
    EXPECT_EQ(removeChannel(db, ChannelKind::Tv, 6), EditStatus::NoSuchChannel);
    EXPECT_EQ(deleteTransponder(db, 4).status, EditStatus::NoSuchTransponder);
    EXPECT_EQ(deleteSatellite(db, -1).status, EditStatus::NoSuchSatellite);
    EXPECT_EQ(describe(db), kBase);
}

TEST(ChannelEdit, FavouriteEntriesAddedAndRemoved) {
    struct Case {
        const char* what;
        std::function<FavoriteChange(ChannelDatabase&)> run;
        FavoriteChange result;
        const char* groups;  // TV | radio
    };
    const Case cases[] = {
        {"append", [](ChannelDatabase& db) { return addFavorite(db, ChannelKind::Tv, 0, 3); }, {EditStatus::Done, 4},
         "0:EBAD 1:CC 11:FB | 0:da 11:b"},
        {"put back at 2", [](ChannelDatabase& db) { return addFavorite(db, ChannelKind::Tv, 0, 3, 2); },
         {EditStatus::Done, 2}, "0:EDBA 1:CC 11:FB | 0:da 11:b"},
        {"past the end", [](ChannelDatabase& db) { return addFavorite(db, ChannelKind::Tv, 1, 3, 99); },
         {EditStatus::Done, 3}, "0:EBA 1:CCD 11:FB | 0:da 11:b"},
        {"radio leaves TV alone", [](ChannelDatabase& db) { return addFavorite(db, ChannelKind::Radio, 3, 2); },
         {EditStatus::Done, 1}, "0:EBA 1:CC 11:FB | 0:da 3:c 11:b"},
        {"already in", [](ChannelDatabase& db) { return addFavorite(db, ChannelKind::Tv, 0, 1); },
         {EditStatus::AlreadyMember, 2}, "0:EBA 1:CC 11:FB | 0:da 11:b"},
        {"group the file lacks", [](ChannelDatabase& db) { return addFavorite(db, ChannelKind::Tv, 12, 1); },
         {EditStatus::NoSuchGroup}, "0:EBA 1:CC 11:FB | 0:da 11:b"},
        {"channel outside", [](ChannelDatabase& db) { return addFavorite(db, ChannelKind::Tv, 0, 6); },
         {EditStatus::NoSuchChannel}, "0:EBA 1:CC 11:FB | 0:da 11:b"},
        {"member entries full",
         [](ChannelDatabase& db) {
             db.tvMemberCount[2] = static_cast<std::uint16_t>(kMemberCapacity - 7);
             return addFavorite(db, ChannelKind::Tv, 3, 0);
         },
         {EditStatus::MembersFull}, nullptr},
        {"remove", [](ChannelDatabase& db) { return removeFavorite(db, ChannelKind::Tv, 0, 1); }, {EditStatus::Done, 2},
         "0:EA 1:CC 11:FB | 0:da 11:b"},
        {"remove both of a pair", [](ChannelDatabase& db) { return removeFavorite(db, ChannelKind::Tv, 1, 2); },
         {EditStatus::Done, 2}, "0:EBA 11:FB | 0:da 11:b"},
        {"remove a stranger", [](ChannelDatabase& db) { return removeFavorite(db, ChannelKind::Tv, 0, 2); },
         {EditStatus::NotMember}, "0:EBA 1:CC 11:FB | 0:da 11:b"},
    };
    for (const Case& c : cases) {
        ChannelDatabase db = baseDatabase();
        const FavoriteChange r = c.run(db);
        EXPECT_EQ(r.status, c.result.status) << c.what;
        EXPECT_EQ(r.position, c.result.position) << c.what;
        if (!c.groups) continue;
        const std::string d = describe(db);
        EXPECT_EQ(d.substr(d.find(" | XYZ | ") + 9), c.groups) << c.what;
    }
}

TEST(ChannelEdit, InsertEntersGroupsOrRefusesWithoutChange) {
    ChannelDatabase db = baseDatabase();
    ChannelEntry x;
    setFieldText(x.name, "X");
    x.transponderIndex = 3;
    std::array<int, kViewGroups> places{};
    places[0] = 2;
    places[1] = 9;
    ASSERT_EQ(insertChannel(db, ChannelKind::Tv, 1, x, places), EditStatus::Done);
    EXPECT_EQ(describe(db), "A0 X3 B1 C2 D0 E3 F1 | a1 b0 c3 d2 | 0X 1Y 2X 3Z | XYZ | 0:EXBA 1:CCX 11:FB | 0:da 11:b");

    struct Refusal {
        std::function<void(ChannelDatabase&)> setUp;
        EditStatus status;
    };
    for (const Refusal& r : {Refusal{[](ChannelDatabase& d) { d.tvCount = kChannelCapacity; }, EditStatus::ChannelTableFull},
                             Refusal{[](ChannelDatabase& d) { d.tvMemberCount[2] = kMemberCapacity - 8; }, EditStatus::MembersFull},
                             Refusal{[](ChannelDatabase& d) { d.general.favoriteGroupCount = 1; }, EditStatus::NoSuchGroup}}) {
        ChannelDatabase fresh = baseDatabase();
        r.setUp(fresh);
        const ChannelDatabase before = fresh;
        EXPECT_EQ(insertChannel(fresh, ChannelKind::Tv, 1, x, places), r.status);
        EXPECT_EQ(fresh.tv, before.tv);
        EXPECT_EQ(fresh.tvMembers, before.tvMembers);
        EXPECT_EQ(fresh.tvMemberCount, before.tvMemberCount);
    }
}

TEST(ChannelEdit, NewOnEachPageSavesOrCancelsExactly) {
    struct Case {
        RecordPage page;
        ChannelKind kind;
        int row, transponder;
        std::function<void(ChannelDatabase&, const NewRecord&)> typeInto;  // what the form commits
        const char* saved;
    };
    const auto name = [](ChannelDatabase& db, const NewRecord& r, const char* text) {
        setFieldText(db.workingChannels(r.kind)[static_cast<std::size_t>(r.channel)].name, text);
    };
    const Case cases[] = {
        {RecordPage::Channel, ChannelKind::Tv, 1, 1, [&](ChannelDatabase& db, const NewRecord& r) { name(db, r, "X"); },
         "A0 X1 B1 C2 D0 E3 F1 | a1 b0 c3 d2 | 0X 1Y 2X 3Z | XYZ | 0:EBA 1:CC 11:FB | 0:da 11:b"},
        {RecordPage::Transponder, ChannelKind::Tv, 1, 1,
         [&](ChannelDatabase& db, const NewRecord& r) {
             name(db, r, "X");
             db.workingTransponders[static_cast<std::size_t>(r.transponder)].frequency = 10009;
         },
         "A0 X9 B1 C2 D0 E3 F1 | a1 b0 c3 d2 | 0X 9Y 1Y 2X 3Z | XYZ | 0:EBA 1:CC 11:FB | 0:da 11:b"},
        {RecordPage::Satellite, ChannelKind::Radio, 0, 0,
         [&](ChannelDatabase& db, const NewRecord& r) {
             name(db, r, "x");
             db.workingTransponders[static_cast<std::size_t>(r.transponder)].frequency = 10008;
             setFieldText(db.workingSatellites[static_cast<std::size_t>(r.satellite)].name, "W");
         },
         "A0 B1 C2 D0 E3 F1 | a1 b0 c3 d2 x8 | 0X 1Y 2X 3Z 8W | XYZW | 0:EBA 1:CC 11:FB | 0:da 11:b"},
    };
    for (const Case& c : cases) {
        ChannelDatabase db = baseDatabase();
        // Stale working copies must not come back with the New.
        db.tv[5].locked = 1;
        const std::vector<std::uint8_t> before = serializeUnchanged(db);
        const NewResult r = prepareNew(db, c.page, c.kind, c.row, c.transponder);
        ASSERT_EQ(r.status, EditStatus::Done);

        ChannelDatabase cancelled = db;
        discardNew(cancelled, r.record);
        EXPECT_EQ(serializeUnchanged(cancelled), before);
        EXPECT_EQ(cancelled.workingTv, cancelled.tv);
        EXPECT_EQ(cancelled.workingTransponders, cancelled.transponders);

        c.typeInto(db, r.record);
        SaveOptions save;
        save.newRecordPending = true;
        buildChannelFile(db, save);
        EXPECT_EQ(describe(db), c.saved) << static_cast<int>(c.page);
        EXPECT_EQ(db.tv[c.kind == ChannelKind::Tv ? 6 : 5].locked, 1);
    }

    struct Full {
        RecordPage page;
        std::function<void(ChannelDatabase&)> fill;
        EditStatus status;
    };
    for (const Full& f : {Full{RecordPage::Satellite, [](ChannelDatabase& d) { d.satelliteCount = 255; }, EditStatus::SatelliteTableFull},
                          Full{RecordPage::Satellite, [](ChannelDatabase& d) { d.transponderCount = 1000; }, EditStatus::TransponderTableFull},
                          Full{RecordPage::Transponder, [](ChannelDatabase& d) { d.transponderCount = 1000; }, EditStatus::TransponderTableFull},
                          Full{RecordPage::Channel, [](ChannelDatabase& d) { d.tvCount = 10000; }, EditStatus::ChannelTableFull}}) {
        ChannelDatabase db = baseDatabase();
        f.fill(db);
        const ChannelDatabase before = db;
        EXPECT_EQ(prepareNew(db, f.page, ChannelKind::Tv, 0, 0).status, f.status);
        EXPECT_EQ(db.satelliteCount, before.satelliteCount);
        EXPECT_EQ(db.transponderCount, before.transponderCount);
        EXPECT_EQ(db.tvCount, before.tvCount);
        EXPECT_EQ(db.workingTv, before.workingTv);
    }
}

}  // namespace
}  // namespace velmora
