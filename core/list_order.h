// SPDX-License-Identifier: GPL-3.0-or-later
// What the two channel lists show and in which order: the cell texts of a
// row, the order a click on a column header gives, the working copies that
// follow a sorted list, and the search by name. The editor and `velmora list`
// both use these, so the command line prints exactly what the editor shows.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "channel_database.h"

namespace velmora {

// Number, Channel Name, Transponder, Satellite Name.
inline constexpr int kListColumns = 4;

// One list row; texts are single-byte (Latin-1), as the file stores them.
struct ChannelRowText {
    std::array<std::string, kListColumns> cells;
    bool scrambled = false;  // the row shows the scrambled picture
};

// Channel n of the committed table of `kind`: "0007", the name, "11747 H 27500
// 3/4", the satellite's name. Cells stay empty where a damaged file points
// past a table; all of it is empty for an n outside the table.
ChannelRowText channelRowText(const ChannelDatabase& db, ChannelKind kind, int n);

// Column and direction of the last header click, shared by both lists.
struct SortState {
    int lastColumn = -1;
    bool lastAscending = false;
    // Direction of a click on `column`, which becomes the last click: a second
    // click on the same column reverses, a third restores ascending.
    bool click(int column);
};

// The row order a header click gives. `keys[r]` is the clicked column's text
// in current row r; result[i] is the current row that ends at row i.
//
// A quicksort with the last row of each range as pivot, comparing bytes:
// rows with equal texts are never swapped, and ties end where partitioning
// leaves them (the order is not stable), so the result depends on the order
// the rows had before the click. Upper case sorts before lower case, "3800"
// after "12000", "10000" among the four-digit numbers beginning with 1.
std::vector<int> sortListByColumn(std::span<const std::string_view> keys, bool ascending);

// After a list's rows were reordered by `order` (as returned above): working
// channel i of `kind` becomes the one the row now at i showed, so the record
// editor reads and edits the rows as shown. Only the first order.size()
// records move.
void syncWorkingFromDisplay(ChannelDatabase& db, ChannelKind kind, std::span<const int> order);

// The working member list of `kind` as list rows: each committed entry names
// the row showing its channel. `rowRecords[r]` is the committed index shown in
// row r (its Number cell minus one). An entry naming a channel no row shows (a
// damaged file) keeps its value, which is no row's.
void rebuildWorkingMembers(ChannelDatabase& db, ChannelKind kind, std::span<const int> rowRecords);

// The reverse of the two above, for a list going back to table order while
// its working copies are the data (a New is pending): working channel
// rowRecords[r] becomes the one row r showed, and the working member entries
// name channels again.
void restoreTableOrder(ChannelDatabase& db, ChannelKind kind, std::span<const int> rowRecords);

// Upper case of a single-byte (Latin-1) text, letter by letter; "ß" and "ÿ"
// have no single-byte capital and stay as they are.
std::string upperLatin1(std::string_view text);

// The last row whose name, in upper case, equals `text` in upper case; -1 when
// none does. Every row is examined, the first one included.
int findChannelByName(std::span<const std::string_view> names, std::string_view text);

}  // namespace velmora
