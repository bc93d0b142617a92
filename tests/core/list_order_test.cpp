// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace velmora {
namespace {

// The list's quicksort written out plainly, moving rows: the order the index
// sort must reproduce, ties included.
void referenceSort(std::vector<std::pair<std::string, int>>& rows, bool ascending, int low, int high) {
    if (high <= low) return;
    const std::string pivot = rows[static_cast<std::size_t>(high)].first;
    auto text = [&](int i) -> const std::string& { return rows[static_cast<std::size_t>(i)].first; };
    auto before = [&](const std::string& a, const std::string& b) { return ascending ? a < b : b < a; };
    int lo = low, hi = high;
    while (lo <= hi) {
        while (lo < high && before(text(lo), pivot)) ++lo;
        while (hi > low && before(pivot, text(hi))) --hi;
        if (lo <= hi) {
            if (text(lo) != text(hi)) std::swap(rows[static_cast<std::size_t>(lo)], rows[static_cast<std::size_t>(hi)]);
            ++lo, --hi;
        }
    }
    if (low < hi) referenceSort(rows, ascending, low, hi);
    if (lo < high) referenceSort(rows, ascending, lo, high);
}

TEST(ListOrder, columnTextsSortAsBytes) {
    // The rows in the order one click gives.
    const std::tuple<std::vector<std::string_view>, bool, std::vector<int>> cases[] = {
        {{"3800 H 27500 3/4", "12000 V 27500 AUTO", "11747 H 27500 3/4"}, true, {2, 1, 0}},
        {{"11747 H", "3800 H", "12000 V"}, false, {1, 2, 0}},
        {{"2000", "10000", "0999", "1000", "10001"}, true, {2, 3, 1, 4, 0}},
        {{"arte", "ZDF", "zdf", "Arte", "3sat"}, true, {4, 3, 1, 0, 2}},
        {{"\xC9" "cole", "Zebra", "abc"}, true, {1, 2, 0}},
    };
    for (const auto& [keys, ascending, order] : cases) EXPECT_EQ(sortListByColumn(keys, ascending), order) << keys[0];
}

TEST(ListOrder, tiesEndWhereThePartitioningLeavesThem) {
    // Mostly four distinct texts, so most rows tie, else hardly any ties;
    // three clicks in a row, each starting from the order the one before left.
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        const int n = static_cast<int>(random() % 40), texts = round % 3 ? 4 : 100000;
        std::vector<std::pair<std::string, int>> reference;
        for (int i = 0; i < n; ++i) reference.push_back({std::to_string(random() % texts), i});
        auto rows = reference;
        for (bool ascending : {true, false, true}) {
            referenceSort(reference, ascending, 0, n - 1);
            std::vector<std::string_view> keys;
            for (const auto& r : rows) keys.push_back(r.first);
            decltype(rows) next;
            for (int from : sortListByColumn(keys, ascending)) next.push_back(rows[static_cast<std::size_t>(from)]);
            rows = next;
        }
        ASSERT_EQ(rows, reference) << "round " << round;
    }
}

TEST(ListOrder, tenThousandRowsInTheWorstOrdersForThePivot) {
    // Pairs of equal texts, so the quicksort runs: in order and reversed.
    std::vector<std::string> texts;
    for (int i = 0; i < 10000; ++i) texts.push_back(std::to_string(100000 + i / 2));
    const std::vector<std::string_view> up(texts.begin(), texts.end()), down(up.rbegin(), up.rend());
    const std::vector<int> fromUp = sortListByColumn(up, true), fromDown = sortListByColumn(down, true);
    for (std::size_t i = 0; i < 10000; ++i)
        ASSERT_TRUE(fromUp[i] == static_cast<int>(i) && fromDown[i] == static_cast<int>(9999 - i)) << i;
}

TEST(ListOrder, clicksAlternateDirectionPerColumn) {
    SortState state;
    for (const auto& [column, ascending] : {std::pair{1, true}, {1, false}, {1, true}, {2, true}, {1, true}})
        EXPECT_EQ(state.click(column), ascending) << column;
}

TEST(ListOrder, workingCopiesFollowTheRowsAndComeBack) {
    ChannelDatabase db;
    db.allocateTables();
    db.tvCount = 4;
    for (std::uint16_t i = 0; i < 4; ++i) db.tv[i].serviceId = i;
    db.general.favoriteGroupCount = 1;
    db.tvMemberCount[0] = 3;
    std::ranges::copy(std::array<std::uint16_t, 3>{3, 0, 9}, db.tvMembers.begin());  // 9: a damaged entry
    db.syncWorkingTables();
    syncWorkingFromDisplay(db, ChannelKind::Tv, std::vector<int>{2, 0, 3, 1});
    syncWorkingFromDisplay(db, ChannelKind::Tv, std::vector<int>{3, 2, 1, 0});  // from where the rows stand
    const std::vector<int> records{1, 3, 0, 2};
    rebuildWorkingMembers(db, ChannelKind::Tv, records);
    for (std::size_t r = 0; r < 4; ++r) EXPECT_EQ(db.workingTv[r].serviceId, records[r]);
    EXPECT_TRUE(db.workingTvMembers[0] == 1 && db.workingTvMembers[1] == 2 && db.workingTvMembers[2] == 9);
    restoreTableOrder(db, ChannelKind::Tv, records);
    EXPECT_TRUE(db.workingTv == db.tv && db.workingTvMembers == db.tvMembers);
}

TEST(ListOrder, searchMatchesWholeNamesIgnoringCase) {
    const std::vector<std::string_view> names{"SPORT ONE", "Arte", "sport one", "SPORT ONE 2", "\xE9t\xE9"};
    const std::pair<const char*, int> cases[] = {
        {"sport one", 2}, {"Sport One 2", 3}, {"SPORT", -1}, {"arte", 1}, {"\xC9T\xC9", 4}, {"", -1}};
    for (const auto& [text, row] : cases) EXPECT_EQ(findChannelByName(names, text), row) << text;
    // Every row is examined, the first one too, also in a list of one row.
    EXPECT_EQ(findChannelByName(std::vector<std::string_view>{"Arte"}, "ARTE"), 0);
    EXPECT_EQ(upperLatin1("stra\xDF" "e \xFF \xF7 \xE0"), "STRA\xDF" "E \xFF \xF7 \xC0");
}

}  // namespace
}  // namespace velmora
