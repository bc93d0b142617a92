// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "list_diff.h"
#include "list_match.h"
#include "list_reorder.h"

namespace velmora {
namespace {

// Satellites at 19.2E and 13.0E. Transponders, all 11000 MHz: 0 H on 19.2E,
// 1 V on 19.2E, 2 H on 13.0E, 3 H on a satellite outside the table. A TV
// channel is written "Name<serviceId>[/pmtPid][@transponder]" (@9: outside the table);
// a group "Name:members" with members by their one-letter channel names.
ChannelDatabase lists(const std::string& tv, const std::string& groups = "") {
    ChannelDatabase db;
    db.allocateTables(false);
    db.satelliteCount = 2;
    db.satellites[0].longitude = 192;
    db.satellites[1].longitude = 130;
    db.transponderCount = 4;
    const std::uint8_t pol[] = {0, 1, 0, 0}, sat[] = {0, 0, 1, 7};
    for (std::size_t t = 0; t < 4; ++t) db.transponders[t] = {0, 0, 11000, 27500, pol[t], 0, sat[t]};
    std::istringstream in(tv);
    for (std::string w; in >> w; ++db.tvCount) {
        ChannelEntry& ch = db.tv[db.tvCount];
        std::size_t p = 0;
        while (p < w.size() && std::isalpha(static_cast<unsigned char>(w[p]))) ++p;
        setFieldText(ch.name, w.substr(0, p));
        const std::size_t at = w.find('@');
        ch.serviceId = static_cast<std::uint16_t>(std::stoi(w.substr(p, at - p)));
        if (at != std::string::npos) ch.transponderIndex = static_cast<std::uint16_t>(std::stoi(w.substr(at + 1)));
        if (const std::size_t pid = w.find('/'); pid != std::string::npos)
            ch.pmtPid = static_cast<std::uint16_t>(std::stoi(w.substr(pid + 1)));
    }
    std::istringstream gin(groups);
    std::size_t at = 0;
    for (std::string g; gin >> g; ++db.general.favoriteGroupCount) {
        const std::size_t colon = g.find(':');
        setFieldText(db.groupNames[db.groupCount()], g.substr(0, colon));
        const std::string members = g.substr(colon + 1);
        for (char c : members) {
            std::uint16_t i = 0;
            while (i < db.tvCount && fieldText(db.tv[i].name) != std::string(1, c)) ++i;
            db.tvMembers[at++] = c == '?' ? 99 : i;
        }
        db.tvMemberCount[db.groupCount()] = static_cast<std::uint16_t>(members.size());
    }
    return db;
}

// "B A C | News:AB Kids:": TV names in order, then the groups.
std::string describe(const ChannelDatabase& db) {
    std::string s;
    for (std::size_t i = 0; i < db.tvCount; ++i) s += (i ? " " : "") + fieldText(db.tv[i].name);
    s += " |";
    for (std::size_t g = 0, at = 0; g < db.groupCount(); ++g) {
        s += " " + fieldText(db.groupNames[g]) + ":";
        for (std::size_t j = 0; j < db.tvMemberCount[g]; ++j, ++at) s += fieldText(db.tv[db.tvMembers[at]].name);
    }
    return s;
}

TEST(ListMatch, IdsBeforeNamesAndRepeatedKeysInTableOrder) {
    struct Case {
        const char* what;
        const char* a;
        const char* b;
        const char* expect;  // per channel of A: partner in B (0-based) and i(ds)/n(ame), or -
    };
    const Case cases[] = {
        {"ids win over names", "X1 Y2", "Y1 X2", "0i 1i"},
        {"names when ids differ", "X1 Y2", "Y3 X4", "1n 0n"},
        {"polarization differs", "X1", "X1@1", "0n"},
        {"longitude differs", "X1", "X1@2", "0n"},
        {"neither", "X1", "Z1@1", "-"},
        {"repeated ids", "X1 X1 X1", "X1 X1", "0i 1i -"},
        {"identical records before ids", "X1/5 X1/6", "X1/6", "- 0i"},
        {"repeated names", "X1 X2", "X3 X4 X5", "0n 1n"},
        {"ids first for every channel, then names", "X1 X2", "X2 X7", "1n 0i"},
        {"satellite outside its table", "X1@3", "X1@3", "0n"},
        {"transponder outside its table", "X1@9", "X1@9", "0n"},
        {"no ids outside the table", "X1@3 Y1@9", "Z1@3 W1@9", "- -"},
    };
    for (const Case& c : cases) {
        const ChannelMatching m = matchChannels(lists(c.a), lists(c.b), ChannelKind::Tv);
        std::string got;
        for (std::size_t i = 0; i < m.aToB.size(); ++i) {
            got += i ? " " : "";
            got += m.aToB[i] < 0 ? "-" : std::to_string(m.aToB[i]) + (m.how[i] == MatchedBy::Ids ? "i" : "n");
            if (m.aToB[i] >= 0) {
                EXPECT_EQ(m.bToA[static_cast<std::size_t>(m.aToB[i])], static_cast<int>(i)) << c.what;
            }
        }
        EXPECT_EQ(got, c.expect) << c.what;
    }
}

TEST(ListMatch, OutsideLongestIncreasing) {
    const std::pair<std::vector<int>, std::vector<int>> cases[] = {
        {{}, {}}, {{0, 1, 2}, {}}, {{0, 3, 1, 2, 4}, {1}}, {{3, 0, 1, 2}, {0}}, {{4, 3, 2, 1, 0}, {0, 1, 2, 3}},
    };
    for (const auto& [seq, outside] : cases) EXPECT_EQ(outsideLongestIncreasing(seq), outside);
}

// +added -removed ~changed(fields) >moved for TV channels with 1-based
// positions; transponders and satellites alike, marked t and s; then per
// group with findings: g<n> old>new name, members alike.
std::string summary(const ListDiff& d) {
    std::string s;
    auto add = [&](const std::string& w) { s += (s.empty() ? "" : " ") + w; };
    auto pos = [](int i) { return std::to_string(i + 1); };
    auto fields = [](const DiffEntry& e) {
        std::string f;
        for (const auto& x : e.fields) f += (f.empty() ? "" : ",") + x;
        return "(" + f + ")";
    };
    for (const auto& e : d.tv.added) add("+" + e.name + pos(e.b));
    for (const auto& e : d.tv.removed) add("-" + e.name + pos(e.a));
    for (const auto& e : d.tv.changed) add("~" + e.name + pos(e.a) + ">" + pos(e.b) + fields(e));
    for (const auto& e : d.tv.moved) add(">" + e.name + pos(e.a) + ">" + pos(e.b));
    for (const auto& [tag, table] : {std::pair{"t", &d.transponders}, {"s", &d.satellites}}) {
        for (const auto& e : table->added) add(tag + ("+" + e.name) + pos(e.b));
        for (const auto& e : table->removed) add(tag + ("-" + e.name) + pos(e.a));
        for (const auto& e : table->changed) add(tag + ("~" + e.name) + fields(e));
    }
    for (const auto& g : d.favorites) {
        add("g" + pos(g.group) + " " + g.aName.value_or("_") + ">" + g.bName.value_or("_"));
        for (const auto& e : g.tv.added) add("+" + e.name + pos(e.b));
        for (const auto& e : g.tv.removed) add("-" + e.name + pos(e.a));
        for (const auto& e : g.tv.moved) add(">" + e.name + pos(e.a) + ">" + pos(e.b));
    }
    return s;
}

TEST(ListDiff, ChannelsAndFavourites) {
    struct Case {
        const char* what;
        const char* a;
        const char* aGroups;
        const char* b;
        const char* bGroups;
        const char* expect;
    };
    const Case cases[] = {
        {"identical", "A1 B2 C3", "G:CA", "A1 B2 C3", "G:CA", ""},
        {"one move down", "A1 B2 C3 D4 E5", "", "A1 C3 D4 B2 E5", "", ">B2>4"},
        {"one move to the front", "A1 B2 C3 D4", "", "D4 A1 B2 C3", "", ">D4>1"},
        {"added, removed, renamed", "A1 B2 C3", "", "A1 Bx2 D4", "", "+D3 -C3 ~Bx2>2(name)"},
        {"renamed and moved", "A1 B2 C3", "", "Cx3 A1 B2", "", "~Cx3>1(name) >Cx3>1"},
        {"other transponder", "A1 B2", "", "A1 B2@1", "", "~B2>2(transponder)"},
        {"group renamed and reordered, member added", "A1 B2 C3 D4", "News:ABC Kids:A", "A1 B2 C3 D4",
         "Nouvelles:CAB Kids:AD", "g1 News>Nouvelles >C3>1 g2 Kids>Kids +D2"},
        {"members follow their channels", "A1 B2 C3", "G:CB", "C3 B2 A1", "G:CB", ">B2>2 >A1>3"},
        {"member of a removed channel, member outside the table", "A1 B2", "G:AB?", "A1", "G:A", "-B2 g1 G>G -B2 -3"},
        {"groups added and removed", "A1", "G:A", "A1", "G:A H:AA", "g2 _>H +A1 +A2"},
        {"one of two copies deleted", "A1/5 A1/6 B2", "G:AB", "A1/6 B2", "G:B", "-A1 g1 G>G -A1"},
        {"a member outside the table, in both", "A1", "G:A?", "A1", "G:A?", ""},
    };
    for (const Case& c : cases) {
        const ListDiff d = diffLists(lists(c.a, c.aGroups), lists(c.b, c.bGroups));
        EXPECT_EQ(summary(d), c.expect) << c.what;
        EXPECT_EQ(d.empty(), std::string(c.expect).empty()) << c.what;
    }
}

TEST(ListDiff, TranspondersAndSatellites) {
    ChannelDatabase b = lists("A1");
    b.transponders[0].symbolRate = 22000;               // changed
    b.transponders[1].frequency = 12000;                // 11000 V removed, 12000 V added
    setFieldText(b.satellites[1].name, "Hot");          // renamed
    b.satellites[b.satelliteCount++].longitude = 3300;  // added
    // The channel's transponder is still 11000 H 019.2E: no channel differs.
    EXPECT_EQ(summary(diffLists(lists("A1"), b)),
              "t+12000 V 019.2E2 t-11000 V 019.2E2 t~11000 H 019.2E(symbolRate) s+3 s~Hot(name)");
}

TEST(ListReorder, OrderOfTheReferenceWithFavouritesFollowing) {
    struct Case {
        const char* what;
        const char* file;
        const char* groups;
        const char* ref;
        const char* refGroups;
        bool withFavorites;
        const char* expect;
        int matched, referenceOnly, unmatched, dropped;
    };
    const Case cases[] = {
        {"reference a superset", "C3 A1 B2", "G:AC", "A1 X9 B2 C3 Y8", "", false, "A B C | G:AC", 3, 2, 0, 0},
        {"reference a subset", "D4 C3 A1 B2", "G:DB", "B2 A1", "", false, "B A D C | G:DB", 2, 0, 2, 0},
        {"disjoint", "A1 B2", "G:BA", "X8 Y9", "", false, "A B | G:BA", 0, 2, 2, 0},
        {"matched by name", "Cx4 A7 B2", "", "A1 B2 C3", "", false, "A B Cx |", 2, 1, 1, 0},
        {"with favourites", "C3 A1 B2", "Mine:CB", "A1 B2 X9", "News:BXA Kids:X? Z:", true,
         "A B C | News:BA Kids: Z:", 2, 1, 1, 3},
    };
    for (const Case& c : cases) {
        ChannelDatabase db = lists(c.file, c.groups);
        const ReorderPlan plan = planReorder(db, lists(c.ref, c.refGroups), c.withFavorites);
        ASSERT_EQ(applyReorder(db, plan), EditStatus::Done) << c.what;
        EXPECT_EQ(describe(db), c.expect) << c.what;
        const ReorderReport& r = plan.report;
        EXPECT_EQ(r.tv.byIds + r.tv.byName, c.matched) << c.what;
        EXPECT_EQ(r.tv.referenceOnly, c.referenceOnly) << c.what;
        EXPECT_EQ(static_cast<int>(r.tv.unmatched.size()), c.unmatched) << c.what;
        EXPECT_EQ(static_cast<int>(r.dropped.size()), c.dropped) << c.what;
    }
}

TEST(ListReorder, ReportNamesWhatDidNotMatch) {
    ChannelDatabase db = lists("D4 A1 B2", "");
    const ReorderPlan plan = planReorder(db, lists("A1 Bx2 X9", "G:XA"), true);
    EXPECT_EQ(reorderReportText(plan.report, false),
              "TV: 2 of 3 channels matched (2 by ids, 0 by name); not matched, placed after them: 1; "
              "reference channels not in the file: 1\n"
              "Radio: 0 of 0 channels matched (0 by ids, 0 by name)\n"
              "Favourites: groups taken from the reference: 1; members dropped, their channels not in the file: 1\n"
              "Favourites group 1: TV member 1 \"X\" dropped\n");
    EXPECT_NE(reorderReportText(plan.report, true).find("TV not matched: 0001 \"D\" now 0003\n"), std::string::npos);
}

}  // namespace
}  // namespace velmora
