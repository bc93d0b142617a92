// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_layout.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

// Title lines 100 high, footer lines 90, body lines 50, scale 45/6 = 7.5: the
// body is the page height less 680, so a 2730-unit page holds 40 rows.
PrintMeasures measures(int pageHeight, int rows) {
    return {2000, pageHeight, 100, 90, 50, 45, 6, rows, {0, 1, 2, 3}, {80, 195, 160, 130}};
}

std::vector<int> box(const PrintBox& b) { return {b.left, b.top, b.right, b.bottom}; }

TEST(ListLayout, BlocksSitInsideTheMargins) {
    const PageLayout l = layoutPages(measures(2730, 81));
    EXPECT_EQ(box(l.header), (std::vector<int>{200, 150, 1800, 350}));
    EXPECT_EQ(box(l.footer), (std::vector<int>{200, 2400, 1800, 2580}));
    EXPECT_EQ(box(l.body), (std::vector<int>{200, 350, 1800, 2400}));
    EXPECT_EQ(box(l.pageNumberLine()), (std::vector<int>{200, 2490, 1800, 2580}));
    EXPECT_EQ(l.headerBarTop(), 300);
    EXPECT_EQ(l.footerBarTop(), 2450);  // half a title line, not a footer line
}

TEST(ListLayout, RowsAreSplitIntoPages) {
    const struct {
        int pageHeight, rows, rowsPerPage, pages, lastFirst, lastEnd;
    } cases[] = {
        {2730, 81, 40, 3, 80, 81},  // the last page holds one row
        {2779, 80, 40, 2, 40, 80},  // a part line is no line
        {2780, 81, 41, 2, 41, 81},
        {2730, 0, 40, 1, 0, 0},     // an empty list still gets its title page
        {700, 3, 1, 3, 2, 3},       // no room under the headings: one row a page
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pageHeight << " high, " << c.rows << " rows");
        const PageLayout l = layoutPages(measures(c.pageHeight, c.rows));
        EXPECT_EQ(l.rowsPerPage, c.rowsPerPage);
        ASSERT_EQ(l.pageCount, c.pages);
        EXPECT_EQ(l.rowsOn(c.pages).first, c.lastFirst);
        EXPECT_EQ(l.rowsOn(c.pages).end, c.lastEnd);
        EXPECT_EQ(l.rowsOn(c.pages + 1).end, 0);
    }
    const PageLayout l = layoutPages(measures(2730, 81));
    EXPECT_EQ(l.lineTop(l.lineOf(80)), 400);  // right under the headings
    EXPECT_EQ(l.lineTop(l.lineOf(79)), 350 + 40 * 50);
    EXPECT_EQ(pageNumberText(3, l.pageCount), "Page 3 of 3");
}

TEST(ListLayout, ColumnsFollowScreenOrderAndWidthsAndClipAtTheBody) {
    const struct {
        const char* what;
        std::vector<int> order, widths;
        int screenAverage;
        std::vector<std::vector<int>> columns;  // column, start, text left, right, visible
    } cases[] = {
        {"as filled: the second runs past the body, the others start beyond it", {0, 1, 2, 3}, {80, 195, 160, 130}, 6,
         {{0, 200, 237, 800, 1}, {1, 800, 837, 1800, 1}, {2, 1800, 1837, 1800, 0}, {3, 1800, 1837, 1800, 0}}},
        {"reordered and resized", {3, 1, 0, 2}, {80, 50, 160, 130}, 6,
         {{3, 200, 237, 1175, 1}, {1, 1175, 1212, 1550, 1}, {0, 1550, 1587, 1800, 1}, {2, 1800, 1837, 1800, 0}}},
        {"hidden and unknown columns", {0, 1, 5, -1}, {80, 0}, 6, {{0, 200, 237, 800, 1}, {1, 800, 837, 800, 0}}},
        {"no screen width measured: scale 1", {0}, {80}, 0, {{0, 200, 205, 280, 1}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PrintMeasures in = measures(2730, 10);
        in.columnOrder = c.order;
        in.screenWidths = c.widths;
        in.screenAverageWidth = c.screenAverage;
        std::vector<std::vector<int>> got;
        for (const PrintColumn& p : layoutPages(in).columns)
            got.push_back({p.column, p.start, p.textLeft, p.right, p.visible()});
        EXPECT_EQ(got, c.columns);
    }
}

}  // namespace
}  // namespace velmora
