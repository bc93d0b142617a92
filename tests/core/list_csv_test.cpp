// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "csv_check.h"
#include "csv_text.h"
#include "list_csv.h"
#include "test_files.h"

namespace velmora {
namespace {

using Rows = std::vector<std::vector<std::string>>;

struct ReadCase {
    const char* what;
    std::string text;
    Rows expected;  // header first; empty when refused
    std::string error;
};

TEST(CsvText, ReadsWhatSpreadsheetsWriteAndRefusesWithTheLine) {
    const ReadCase cases[] = {
        {"BOM and CRLF", "\xEF\xBB\xBFName,Service ID\r\nOne,0001\r\n", {{"Name", "Service ID"}, {"One", "0001"}}, ""},
        {"LF and lone CR", "a,b\nc,d\re,f", {{"a", "b"}, {"c", "d"}, {"e", "f"}}, ""},
        {"quoted comma, quote, line break", "N,M\n\"x, \"\"y\"\"\",\"two\r\nlines\"\n",
         {{"N", "M"}, {"x, \"y\"", "two\r\nlines"}}, ""},
        {"semicolons from the header", "Name;Number\n\"a;b\";1,5\n", {{"Name", "Number"}, {"a;b", "1,5"}}, ""},
        {"tabs from the header", "Name\tNumber\n a b \t 7\n", {{"Name", "Number"}, {"a b", "7"}}, ""},
        {"blanks trimmed outside quotes only", "N,M\n  x  ,  \" y \"  \n", {{"N", "M"}, {"x", " y "}}, ""},
        {"short rows padded, empty rows and padding dropped", "A,B,C\n1\n\n,,\n2,3,,,\n",
         {{"A", "B", "C"}, {"1", "", ""}, {"2", "3", ""}}, ""},
        {"one column", "Name\nx\n", {{"Name"}, {"x"}}, ""},
        {"empty quotes with blanks are an empty cell", "N\n\"\" \nx,\"\"  \n", {{"N"}, {"x"}}, ""},
        {"quote left open", "N\nok\n\"never\nclosed\n", {}, "line 3: a quoted cell is not closed"},
        {"text after a quote", "N,M\n\"a\"b,c\n", {}, "line 2: text after the closing quote of a cell"},
        {"row longer than the header", "N,M\n1,2\n\"x\ny\",2,3\n", {}, "line 3: 3 cells, but the header has 2"},
    };
    for (const ReadCase& c : cases) {
        CsvTable table;
        const CsvResult r = readCsv(c.text, table);
        EXPECT_EQ(r.ok, c.error.empty()) << c.what;
        EXPECT_EQ(r.error, c.error) << c.what;
        if (!r.ok) continue;
        Rows got{table.header};
        for (const CsvRow& row : table.rows) got.push_back(row.cells);
        EXPECT_EQ(got, c.expected) << c.what;
        velmora::fuzz::checkCsvInput(reinterpret_cast<const std::uint8_t*>(c.text.data()), c.text.size());
    }
}

// The small test file with an awkward name, a Latin-1 letter, a channel on a
// transponder outside its table and a second group.
ChannelDatabase exportFile() {
    ChannelDatabase db = test::smallDatabase();
    setFieldText(db.tv[1].name, "Caf\xE9, \"Bar\"");
    db.tv[3].transponderIndex = 77;
    db.general.favoriteGroupCount = 2;
    setFieldText(db.groupNames[1], "Kids");
    db.tvMemberCount[1] = 1;
    db.tvMembers[3] = 1;
    return db;
}

TEST(ListCsv, ExportsBothListsAsTheFormShowsThem) {
    const std::string golden =
        "Kind,Number,Name,Frequency,Polarisation,Symbol Rate,FEC,Satellite,Longitude,Service ID,Network ID,"
        "Transponder ID,Video PID,Audio PID,PMT PID,PCR PID,Scrambled,Locked,Mine,Kids\r\n"
        "TV,0001,World TV,10805,H,6111,7/8,Astra 1KR,019.2E,0100,0001,03e8,0100,0101,0020,0100,No,No,2,\r\n"
        "TV,0002,\"Caf\xC3\xA9, \"\"Bar\"\"\",11352,V,30000,1/2,Hot Bird 13C,032.9E,0101,0002,03e9,0110,0111,0021,0110,No,No,,1\r\n"
        "TV,0003,Cooking 24,11352,V,30000,1/2,Hot Bird 13C,032.9E,0102,0002,03e9,0120,0121,0022,0120,No,No,1,\r\n"
        "TV,0004,Nature Max,,,,,,,0103,,,0130,0131,0023,0130,No,Yes,3,\r\n";
    const std::string tv = exportListCsv(exportFile(), ListChoice::Tv);
    EXPECT_EQ(tv, golden);
    const std::string both = exportListCsv(exportFile(), ListChoice::Both);
    EXPECT_EQ(both.substr(0, golden.size()), golden);
    EXPECT_NE(both.find("\r\nRadio,0005,"), std::string::npos);
    EXPECT_EQ(exportListCsv(exportFile(), ListChoice::Radio, '\t').rfind("Kind\tNumber\tName\t", 0), 0u);
}

struct OrderCase {
    const char* what;
    std::string csv;
    CsvOrderOptions options;
    std::string tvNames;  // TV names after the order, "|"-separated; empty when refused
    std::string report;   // a line the report holds, or the refusal
};

std::string tvNames(const ChannelDatabase& db) {
    std::string s;
    for (std::size_t i = 0; i < db.tvCount; ++i) s += (i ? "|" : "") + fieldText(db.tv[i].name);
    return s;
}

TEST(ListCsv, TakesOrderNamesAndGroupsFromTheColumnsPresent) {
    CsvOrderOptions names;
    names.names = true;
    CsvOrderOptions radio;
    radio.radioDefault = true;
    CsvOrderOptions groups;
    groups.withFavorites = true;
    const OrderCase cases[] = {
        {"names alone", "Name\nNature Max\nCooking 24\n", {}, "Nature Max|Cooking 24|World TV|Auto 2",
         "TV: 2 of 4 channels matched (0 by ids, 2 by name)"},
        {"service id alone, semicolons", "Service ID;Name\n0101;x\n0100;y\n", {}, "Auto 2|World TV|Cooking 24|Nature Max",
         "(2 by ids, 0 by name)"},
        {"ids before name, full keys", "Service ID,Frequency,Polarisation,Longitude,Name\n0102,11352,V,032.9E,Nature Max\n"
                                       "0102,11352,H,032.9E,Nature Max\n",
         {}, "Cooking 24|Nature Max|World TV|Auto 2", "(1 by ids, 1 by name)"},
        {"a row whose channel is taken", "Name\nNature Max\nNature Max\nNobody\n", {}, "Nature Max|World TV|Auto 2|Cooking 24",
         "line 3: TV row \"Nature Max\" matched nothing: its channel already matched an earlier row"},
        {"no such channel", "Name\nNobody\n", {}, "World TV|Auto 2|Cooking 24|Nature Max",
         "line 2: TV row \"Nobody\" matched nothing: no TV channel has its name"},
        {"radio rows by default", "Name\nWorld TV\n", radio, "World TV|Auto 2|Cooking 24|Nature Max",
         "line 2: Radio row \"World TV\" matched nothing"},
        {"names taken", "Service ID,Name\n0103,Neu \xC3\xBC\n", names, "Neu \xFC|World TV|Auto 2|Cooking 24",
         "Names taken from the list: 1"},
        {"too long a name left as it is", "Service ID,Name\n0103,A name of twenty-four ch\n", names,
         "Nature Max|World TV|Auto 2|Cooking 24", "name not taken, the name is longer than 23 characters"},
        {"a name beyond Latin-1 left as it is", "Service ID,Name\n0103,\xE2\x82\xAC TV\n", names,
         "Nature Max|World TV|Auto 2|Cooking 24", "name not taken, the name is not Latin-1"},
        {"a group from its column", "Name,Mine\nNature Max,2\nWorld TV,1\nCooking 24,\n", groups,
         "Nature Max|World TV|Cooking 24|Auto 2", "Favourite groups taken from the list: \"Mine\""},
        {"no key column", "Number,Frequency\n1,11023\n", {}, "", "line 1: no Name or Service ID column"},
        {"no group column", "Name\nNature Max\n", groups, "", "line 1: no column is named after a favourite group of the file"},
        {"malformed", "Name\n\"Nature Max\n", {}, "", "line 2: a quoted cell is not closed"},
    };
    for (const OrderCase& c : cases) {
        ChannelDatabase db = test::smallDatabase();
        const ChannelDatabase before = db;
        CsvOrder order;
        std::string error;
        const bool ok = planCsvOrder(db, c.csv, c.options, order, error);
        ASSERT_EQ(ok, !c.tvNames.empty()) << c.what << ": " << error;
        if (!ok) {
            EXPECT_EQ(error, c.report) << c.what;
            continue;
        }
        const std::string report = csvOrderReportText(order, false);
        EXPECT_NE(report.find(c.report), std::string::npos) << c.what << ":\n" << report;
        EditStep step;
        ASSERT_EQ(applyCsvOrder(db, order, &step), EditStatus::Done) << c.what;
        EXPECT_EQ(tvNames(db), c.tvNames) << c.what;
        EXPECT_EQ(db.radioCount, before.radioCount) << c.what;
    }
    // The group follows its cells; the other kind's members stay with their channels.
    ChannelDatabase db = test::smallDatabase();
    CsvOrder order;
    std::string error;
    ASSERT_TRUE(planCsvOrder(db, "Name,Mine\nNature Max,2\nWorld TV,1\n", groups, order, error));
    ASSERT_EQ(applyCsvOrder(db, order), EditStatus::Done);
    EXPECT_EQ(std::vector<std::uint16_t>(db.tvMembers.begin(), db.tvMembers.begin() + db.tvMemberCount[0]),
              (std::vector<std::uint16_t>{1, 0}));
    EXPECT_EQ(db.radioMemberCount[0], 2);
    EXPECT_EQ(db.radioMembers[0], 4);
}

}  // namespace
}  // namespace velmora
