// SPDX-License-Identifier: GPL-3.0-or-later
// Comma-separated text as spreadsheets write and read it (RFC 4180 and the
// usual variations): a UTF-8 byte order mark, CRLF, LF or CR line ends,
// quoted cells holding separators, quotes and line breaks, and a semicolon
// or tab instead of the comma, recognised from the header line.
//
// A small parser of our own rather than a library: the refusals must name the
// line a person sees in the spreadsheet, the separator is guessed from the
// header, and rows longer than the header are refused; a generic CSV library
// does none of that, so it would save little. fuzz/csv_fuzz exercises it.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct CsvRow {
    int line = 0;  // 1-based line of the text on which the row begins
    std::vector<std::string> cells;  // as many as the header has (or as picked)
};

struct CsvTable {
    char separator = ',';
    std::vector<std::string> header;
    std::vector<CsvRow> rows;  // rows of only empty cells are left out
};

struct CsvResult {
    bool ok = false;
    int line = 0;       // where reading stopped, when !ok
    std::string error;  // "line 7: a quoted cell is not closed"
};

// Reads `text`. Cells outside quotes lose their leading and trailing blanks;
// quoted cells keep what stands between the quotes. Rows shorter than the
// header get empty cells; longer rows, a quote left open and text after a
// closing quote are refused.
// With `pick`, rows keep only the cells of the columns it names for the
// header (in its order); the rest are read and checked, not kept.
using ColumnPick = std::function<std::vector<int>(const std::vector<std::string>& header)>;
CsvResult readCsv(std::string_view text, CsvTable& table, const ColumnPick& pick = {});

// The same reading for lists of thousands of rows: only the cells that hold
// text, of the picked columns, are kept, as views into `text` (which must
// outlive the table); cells with doubled quotes are unquoted into `unquoted`.
struct CsvCell {
    std::uint32_t column = 0;  // in the header
    std::string_view text;
};

struct CsvCellTable {
    char separator = ',';
    std::vector<std::string> header;
    std::vector<int> lines;            // per row, as CsvRow::line
    std::vector<std::uint32_t> first;  // per row into `cells`, one more at the end
    std::vector<CsvCell> cells;        // row by row, in column order
    std::deque<std::string> unquoted;

    std::size_t rowCount() const { return lines.size(); }
    std::span<const CsvCell> row(std::size_t r) const {
        return std::span<const CsvCell>(cells).subspan(first[r], first[r + 1] - first[r]);
    }
};

// readCsv's rules and refusals; `pick` names the columns to keep (any order).
CsvResult readCsvCells(std::string_view text, CsvCellTable& table, const ColumnPick& pick = {});

// Appends one row ending in CRLF; a cell is quoted when it holds a comma,
// semicolon, tab, quote or line break, or blanks at either end.
void appendCsvRow(std::string& out, const std::vector<std::string>& cells, char separator);
// One cell of such a row, without separator or line end.
void appendCsvCell(std::string& out, std::string_view cell);

}  // namespace velmora
