// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_layout.h"

#include <algorithm>

namespace velmora {

RowRange PageLayout::rowsOn(int page) const {
    if (page < 1 || page > pageCount) return {};
    const long long first = static_cast<long long>(page - 1) * rowsPerPage;
    const long long end = std::min<long long>(rowCount, first + rowsPerPage);
    if (first >= end) return {};
    return {static_cast<int>(first), static_cast<int>(end)};
}

PageLayout layoutPages(const PrintMeasures& in) {
    PageLayout l;
    l.titleLineHeight = in.titleLineHeight;
    l.footerLineHeight = in.footerLineHeight;
    l.bodyLineHeight = in.bodyLineHeight;
    l.page = {0, 0, in.pageWidth, in.pageHeight};
    l.inner = {PageLayout::kMarginLeft, PageLayout::kMarginTop, in.pageWidth - PageLayout::kMarginRight,
               in.pageHeight - PageLayout::kMarginBottom};
    l.header = {l.inner.left, l.inner.top, l.inner.right, l.inner.top + PageLayout::kHeaderLines * in.titleLineHeight};
    l.footer = {l.inner.left, l.inner.bottom - PageLayout::kFooterLines * in.footerLineHeight, l.inner.right,
                l.inner.bottom};
    l.body = {l.inner.left, l.header.bottom, l.inner.right, l.footer.top};

    // A font that measured nothing must not divide by zero.
    l.scale = in.screenAverageWidth > 0
                  ? static_cast<double>(in.bodyAverageWidth) / static_cast<double>(in.screenAverageWidth)
                  : 1.0;
    l.columnCount = static_cast<int>(in.screenWidths.size());
    l.rowCount = std::max(0, in.rowCount);
    const int line = std::max(1, in.bodyLineHeight);
    // The first body line holds the headings. A page too short for even one
    // row under them still takes one row per page instead of none.
    l.rowsPerPage = std::max(1, (l.body.height() - line) / line);
    // An empty list still gets a page with its title and headings.
    l.pageCount = std::max(1, static_cast<int>((static_cast<long long>(l.rowCount) + l.rowsPerPage - 1) / l.rowsPerPage));

    const int textIndent = static_cast<int>(5 * l.scale);
    long long x = l.body.left;
    const std::size_t shown = std::min(in.columnOrder.size(), static_cast<std::size_t>(PageLayout::kMaxColumns));
    for (std::size_t k = 0; k < shown; ++k) {
        const int column = in.columnOrder[k];
        if (column < 0 || static_cast<std::size_t>(column) >= in.screenWidths.size()) continue;
        const double printed = std::max(0, in.screenWidths[static_cast<std::size_t>(column)]) * l.scale;
        const long long width = static_cast<long long>(std::min(printed, 1e12));
        // Columns past the body's right edge start there and show nothing.
        const int start = static_cast<int>(std::min<long long>(x, l.body.right));
        const int right = static_cast<int>(std::min<long long>(x + width, l.body.right));
        l.columns.push_back({column, start, start + textIndent, right});
        x += width;
    }
    return l;
}

std::string pageNumberText(int page, int pageCount) {
    return "Page " + std::to_string(page) + " of " + std::to_string(pageCount);
}

}  // namespace velmora
