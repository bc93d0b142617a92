// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv_check.h"

#include <cstdlib>
#include <string>
#include <string_view>

#include "csv_text.h"
#include "list_csv.h"
#include "sample_data.h"

namespace velmora::fuzz {
namespace {

void require(bool ok) {
    if (!ok) std::abort();
}

const ChannelDatabase& smallFile() {
    static const ChannelDatabase db = [] {
        SampleOptions o;
        o.tv = 12;
        o.radio = 4;
        o.groups = 2;
        return makeSampleDatabase(o);
    }();
    return db;
}

}  // namespace

void checkCsvInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CsvTable table;
    const CsvResult r = readCsv(text, table);
    if (!r.ok) {
        require(r.line >= 1 && r.error.rfind("line " + std::to_string(r.line) + ": ", 0) == 0);
    } else {
        int line = 0;
        for (const CsvRow& row : table.rows) {
            require(row.cells.size() == table.header.size() && row.line > line);
            line = row.line;
        }
        if (!table.header.empty()) {
            std::string again;
            appendCsvRow(again, table.header, table.separator);
            for (const CsvRow& row : table.rows) appendCsvRow(again, row.cells, table.separator);
            CsvTable back;
            require(readCsv(again, back).ok && back.header == table.header && back.rows.size() == table.rows.size());
            for (std::size_t i = 0; i < back.rows.size(); ++i) require(back.rows[i].cells == table.rows[i].cells);
        }
    }
    for (const bool names : {false, true}) {
        CsvOrderOptions options;
        options.names = names;
        options.withFavorites = size % 2 == 1;
        CsvOrder order;
        std::string error;
        if (!planCsvOrder(smallFile(), text, options, order, error)) continue;
        ChannelDatabase db = smallFile();
        if (applyCsvOrder(db, order) != EditStatus::Done) continue;  // a full member list is refused whole
        require(db.tvCount == smallFile().tvCount && db.radioCount == smallFile().radioCount);
    }
}

}  // namespace velmora::fuzz
