// SPDX-License-Identifier: GPL-3.0-or-later
// Page arithmetic of the channel list printout, in printer device units:
// margins, title and footer blocks, rows per page, which rows each page
// holds and where each column's text starts and is cut off. Plain numbers in
// and out, so it is checked without a printer.
#pragma once

#include <string>
#include <vector>

namespace velmora {

struct PrintBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

// What the layout is made from: the printer's printable area, the line
// heights and average character widths measured on the printer, and the
// list's columns as they stand on screen.
struct PrintMeasures {
    int pageWidth = 0;
    int pageHeight = 0;
    int titleLineHeight = 0;
    int footerLineHeight = 0;
    int bodyLineHeight = 0;
    int bodyAverageWidth = 0;
    int screenAverageWidth = 0;  // of the list's font on screen
    int rowCount = 0;
    std::vector<int> columnOrder;   // logical column at each screen position
    std::vector<int> screenWidths;  // screen pixels, by logical column
};

// One printed column. Its text is clipped at `right`.
struct PrintColumn {
    int column = 0;  // logical column of the list
    int start = 0;
    int textLeft = 0;
    int right = 0;
    bool visible() const { return textLeft < right; }
};

struct RowRange {
    int first = 0;
    int end = 0;  // one past the last row
};

struct PageLayout {
    static constexpr int kMarginLeft = 200;
    static constexpr int kMarginTop = 150;
    static constexpr int kMarginRight = 200;
    static constexpr int kMarginBottom = 150;
    static constexpr int kHeaderLines = 2;
    static constexpr int kFooterLines = 2;
    static constexpr int kBarHeight = 5;
    static constexpr int kMaxColumns = 100;

    PrintBox page, inner, header, footer, body;
    int titleLineHeight = 0;
    int footerLineHeight = 0;
    int bodyLineHeight = 0;
    double scale = 0;  // printer units per screen pixel
    int columnCount = 0;
    int rowCount = 0;
    int rowsPerPage = 0;
    int pageCount = 0;
    std::vector<PrintColumn> columns;  // in screen order

    // Rows of page p (from 1); empty outside the job.
    RowRange rowsOn(int page) const;
    // Body line of a row; line 0 holds the column headings.
    int lineOf(int row) const { return row % rowsPerPage + 1; }
    int lineTop(int line) const { return body.top + line * bodyLineHeight; }
    int headerBarTop() const { return header.top + titleLineHeight * 3 / 2; }
    // Half a title line, not a footer line, below the footer's top.
    int footerBarTop() const { return footer.top + titleLineHeight / 2; }
    PrintBox titleLine() const { return {header.left, header.top, header.right, header.top + titleLineHeight}; }
    PrintBox pageNumberLine() const { return {footer.left, footer.bottom - footerLineHeight, footer.right, footer.bottom}; }
};

PageLayout layoutPages(const PrintMeasures& in);

// "Page 2 of 7"
std::string pageNumberText(int page, int pageCount);

}  // namespace velmora
