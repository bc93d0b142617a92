// SPDX-License-Identifier: GPL-3.0-or-later
// The channel lists as a spreadsheet table, and such a table back as an
// order, names and favourite groups: `velmora export`, `velmora reorder
// --like LIST.csv`, File > Export List… and Edit > Apply Order From… share it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "channel_database.h"
#include "channel_edit.h"
#include "list_reorder.h"
#include "table_changes.h"

namespace velmora {

enum class ListChoice { Both, Tv, Radio };

// A header row, then one row per channel (TV rows first) with the columns
// Kind, Number, Name, Frequency, Polarisation, Symbol Rate, FEC, Satellite,
// Longitude, Service ID, Network ID, Transponder ID, Video PID, Audio PID,
// PMT PID, PCR PID, Scrambled, Locked and one per favourite group (the
// channel's 1-based place in the group; "3 9" when it stands there twice).
// Numbers as the form shows them, texts in UTF-8, CRLF line ends.
std::string exportListCsv(const ChannelDatabase& db, ListChoice lists, char separator = ',');

// Whether `bytes` look like a channel file rather than a table (its magic).
bool isChannelFileImage(std::string_view bytes);

struct CsvOrderOptions {
    bool radioDefault = false;   // rows without a Kind column are radio channels
    bool names = false;          // take each matched channel's name from the Name column
    bool withFavorites = false;  // take the groups named by column headers
    bool groupsWhenNamed = false;  // the same, without refusing a list that names none
};

// A row that matched no channel, or a cell that was not taken.
struct CsvRowNote {
    int line = 0;
    std::string text;  // "TV row "Das Erste" matched nothing: …"
};

struct CsvOrder {
    ReorderPlan plan;
    std::vector<CsvRowNote> notes;  // in line order
    std::vector<ChannelReplaced> renames;  // indices after the reorder
    std::vector<std::string> groupsTaken;  // UTF-8 names
};

// Works out the order, names and groups `csv` gives `db`, changing nothing.
// False with `error` ("line 4: a quoted cell is not closed") when the table is
// malformed or lacks both a Name and a Service ID column.
bool planCsvOrder(const ChannelDatabase& db, std::string_view csv, const CsvOrderOptions& options, CsvOrder& order,
                  std::string& error);

// Carries out a plan made for `db` as it still is (applyReorder's rules).
EditStatus applyCsvOrder(ChannelDatabase& db, const CsvOrder& order, EditStep* step = nullptr);

// The reorder report, then one line per note, then the names and groups taken.
std::string csvOrderReportText(const CsvOrder& order, bool verbose);

}  // namespace velmora
