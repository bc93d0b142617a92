// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "channel_writer.h"
#include "duplicates.h"
#include "edit_history.h"
#include "list_filter.h"

namespace velmora {
namespace {

// Satellites 0 and 2 share a longitude; transponders 0 and 1 are one
// frequency and polarisation on them, 2 differs in polarisation, 4 points
// past the satellite table.
struct Ch {
    std::string name;
    int sid = 1, tp = 0;
    bool locked = false, scrambled = false;
};

ChannelDatabase build(const std::vector<Ch>& chans, const std::vector<std::string>& groups = {}) {
    ChannelDatabase db;
    db.allocateTables();
    db.satelliteCount = 3;
    for (int s : {0, 1, 2}) db.satellites[static_cast<std::size_t>(s)].longitude = s == 1 ? 130 : 192;
    const std::vector<TransponderEntry> tps{
        {0, 0, 11747, 27500, 0, 0, 0}, {0, 0, 11747, 27500, 0, 0, 2}, {0, 0, 11747, 27500, 1, 0, 0},
        {0, 0, 12000, 27500, 0, 0, 1}, {0, 0, 12100, 27500, 0, 0, 9}};
    db.transponderCount = static_cast<std::uint16_t>(tps.size());
    std::copy(tps.begin(), tps.end(), db.transponders.begin());
    db.tvCount = static_cast<std::uint16_t>(chans.size());
    for (std::size_t i = 0; i < chans.size(); ++i) {
        ChannelEntry& c = db.tv[i];
        setFieldText(c.name, chans[i].name);
        c.serviceId = static_cast<std::uint16_t>(chans[i].sid);
        c.transponderIndex = static_cast<std::uint16_t>(chans[i].tp);
        c.locked = chans[i].locked;
        c.scrambled = chans[i].scrambled;
    }
    db.general.favoriteGroupCount = static_cast<std::uint16_t>(groups.size());
    std::size_t at = 0;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        for (char c : groups[g]) db.tvMembers[at++] = static_cast<std::uint16_t>(c - 'A');
        db.tvMemberCount[g] = static_cast<std::uint16_t>(groups[g].size());
    }
    db.syncWorkingTables();
    return db;
}

// Channel names (first letters) in table order; locked ones; groups as names.
std::string names(const ChannelDatabase& db) {
    std::string s;
    for (std::size_t i = 0; i < db.tvCount; ++i) s += fieldText(db.tv[i].name).substr(0, 1);
    return s;
}
std::string locked(const ChannelDatabase& db) {
    std::string s;
    for (std::size_t i = 0; i < db.tvCount; ++i) if (db.tv[i].locked) s += fieldText(db.tv[i].name).substr(0, 1);
    return s;
}
std::vector<std::string> groups(const ChannelDatabase& db) {
    std::vector<std::string> out;
    for (std::size_t g = 0, at = 0; g < db.groupCount(); ++g) {
        out.emplace_back();
        for (std::size_t j = 0; j < db.tvMemberCount[g]; ++j, ++at) out.back() += fieldText(db.tv[db.tvMembers[at]].name).substr(0, 1);
    }
    return out;
}

TEST(Duplicates, removesLaterCopiesAndKeepsTheirEntriesAndLocks) {
    const struct {
        const char* what;
        std::vector<Ch> chans;
        std::vector<std::string> groups;
        std::string tv, locked;
        std::vector<std::string> groupsAfter;
    } cases[] = {
        {"by ids: equal longitude on another satellite record is a copy; polarisation or service id is not",
         {{"A"}, {"B", 1, 1}, {"C", 1, 2}, {"D", 2, 0}, {"E", 1, 3}}, {}, "ACDE", "", {}},
        {"a transponder or satellite outside its table is never a copy",
         {{"A", 1, 4}, {"B", 1, 4}, {"C", 1, 99}, {"D", 1, 99}}, {}, "ABCD", "", {}},
        {"entries take the kept index in place, or go when the group lists it already",
         {{"A"}, {"B", 5}, {"C"}, {"D", 5}}, {"C", "AC", "CA", "CC", "DBD", "D"}, "AB", "",
         {"A", "A", "A", "A", "B", "B"}},
        {"a locked copy leaves the kept channel locked", {{"A"}, {"B", 1, 0, true}, {"C", 2}}, {}, "AC", "A", {}},
        {"three copies, groups beyond the ten boxes",
         {{"A"}, {"B"}, {"C"}, {"D", 2}},
         {"", "", "", "", "", "", "", "", "", "", "DBC", "CDB"}, "AD",  "",
         {"", "", "", "", "", "", "", "", "", "", "DA", "AD"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ChannelDatabase db = build(c.chans, c.groups);
        const ChannelDatabase before = db;
        EditStep step;
        const DedupeResult r = removeDuplicates(db, ChannelKind::Tv, findDuplicates(db, ChannelKind::Tv), &step);
        EXPECT_EQ(r.status, EditStatus::Done);
        EXPECT_EQ(names(db), c.tv);
        EXPECT_EQ(locked(db), c.locked);
        EXPECT_EQ(groups(db), c.groupsAfter);
        undoStep(db, step);
        EXPECT_EQ(serializeUnchanged(db), serializeUnchanged(before)) << "one step undoes it all";
    }
}

TEST(ListFilter, matchesTextShowAndSatelliteTogether) {
    // A Free, B scrambled, C locked on satellite 1, D "Été" on a transponder
    // past its satellite; groups: 0 {A}, 11 {C}.
    const ChannelDatabase db = build({{"Arte sport"}, {"Bsport", 2, 0, false, true}, {"Club", 3, 3, true},
                                      {"D\xc9t\xe9", 4, 4}, {"E", 1, 1}},
                                     {"A", "", "", "", "", "", "", "", "", "", "", "C"});
    const struct {
        ChannelFilter filter;
        std::string shown;
    } cases[] = {
        {{"SPORT"}, "AB"},
        {{"\xe9T\xc9"}, "D"},  // Latin-1 letters ignore case too
        {{"", ShowChoice::Free}, "ACDE"},
        {{"sport", ShowChoice::Scrambled}, "B"},
        {{"", ShowChoice::Locked}, "C"},
        {{"", ShowChoice::InGroup, 11}, "C"},
        {{"", ShowChoice::NoGroup}, "BDE"},
        {{"", ShowChoice::Duplicates}, "AE"},
        {{"", ShowChoice::All, -1, 1}, "C"},
        {{"", ShowChoice::All, -1, 0}, "AB"},  // D's satellite lies outside the table
        {{"", ShowChoice::Free, -1, 2}, "E"},
    };
    for (const auto& c : cases) {
        std::string shown;
        for (const int r : filterRows(db, ChannelKind::Tv, c.filter, std::vector{4, 0, 1, 2, 3}))
            shown += fieldText(db.tv[static_cast<std::size_t>(r)].name).substr(0, 1);
        std::sort(shown.begin(), shown.end());
        EXPECT_EQ(shown, c.shown) << c.filter.text << " show " << static_cast<int>(c.filter.show);
    }
    EXPECT_EQ(filterRows(db, ChannelKind::Tv, {"s"}, std::vector{1, 0, 4}), (std::vector{1, 0})) << "rows keep their order";
}

}  // namespace
}  // namespace velmora
