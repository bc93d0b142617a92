// SPDX-License-Identifier: GPL-3.0-or-later
// The filter bar's wiring: which rows both lists show and by which numbers,
// what is offered while filtered, Ctrl+A, rows leaving after a change, and
// New clearing the filter. Which channels match is core's and tested there.
#include <QTest>

#include "view_test_support.h"

namespace velmora::test {
namespace {

constexpr int kText = 32861, kShow = 32862, kSatellite = 32863;

// TV channels A..F: A, C, E free, B, D, F scrambled; group 0 holds [E B A],
// group 1 [C]; every channel is on the first satellite.
TEST_F(ViewTest, FilterBarNarrowsBothListsAndCommandsActOnTheShownRows) {
    QString status;
    QObject::connect(view.get(), &CArdelEditView::statusText, [&](const QString& t) { status = t; });
    auto* list = find<QTableView>(1017);
    const auto ctrlA = [&] { QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier); };
    const auto yes = [&](int id) { return [&, id] { prompter->answers = {ui::Answer::Yes}; view->handleCommand(id); }; };
    const auto shown = [&](int column) {
        std::string out;
        for (int r = 0; r < rows(1017); ++r) out += cell(1017, r, column).right(1).toStdString();
        return out;
    };
    const struct {
        const char* text;
        const char* show;
        int headerClicks;  // on Channel Name first
        std::function<void()> act;
        const char* names;
        const char* numbers;  // last digit of each Number cell
        const char* status;
        int radioRows;  // a free, b scrambled, in no group
        const char* saved;  // names, then groups, after Save; "" not saved
    } cases[] = {
        {"d", "All channels", 0, {}, "D", "4", "1 of 6 channels shown", 0, ""},
        {"", "Scrambled only", 2, {}, "FDB", "642", "3 of 6 channels shown", 1, ""},  // the sort order stays
        {"", "Scrambled only", 0, [&] { ctrlA(); view->handleCommand(32822); }, "BDF", "123", "3 channels selected", 1,
         "BDFACE 0:EBA 1:C"},
        {"", "G0", 0, [&] { ctrlA(); yes(1042)(); }, "", "", "0 of 3 channels shown", 0, "CDF 1:C"},
        {"", "G0", 0, [&] { ctrlA(); yes(1042)(); view->handleCommand(57643); }, "ABE", "125", "3 channels selected", 0,
         "ABCDEF 0:EBA 1:C"},
        {"", "In no favourite group", 0, [&] { click(1002); }, "F", "6", "1 of 6 channels shown", 2, "ABCDEF 0:EBA 1:CD"},
        {"", "Free only", 0, [&] { ctrlA(); click(1004); }, "ACE", "135", "3 channels selected", 1, "A*BC*DE*F 0:EBA 1:C"},
        {"b", "All channels", 0, [&] { click(1069); }, "ABCDEF", "123456", "", 2, ""},  // New clears the filter
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + c.show);
        open(writeDatabase(letteredDatabase(6, {"EBA", "C"})));
        click(1040);
        for (int i = 0; i < c.headerClicks; ++i) clickHeader(1017, 1);
        auto* show = find<QComboBox>(kShow);
        show->setCurrentIndex(show->findText(QString::fromLatin1(c.show), Qt::MatchEndsWith));
        type(kText, QString::fromLatin1(c.text));
        EXPECT_EQ(find<QComboBox>(kSatellite)->count(), 3);  // all, then both satellites
        const bool filtered = view->listFiltered();
        EXPECT_FALSE(filtered && view->commandEnabled(32820));  // Move Up
        EXPECT_FALSE(filtered && view->commandEnabled(32786));  // Cut
        EXPECT_EQ(view->commandEnabled(32822), !c.headerClicks);  // Move to Top, refused while sorted
        if (c.act) c.act();
        QApplication::processEvents();  // a change's rows leave once it is over
        EXPECT_EQ(shown(1), c.names);
        EXPECT_EQ(shown(0), c.numbers);
        EXPECT_EQ(status.toStdString(), c.status);
        EXPECT_EQ(rows(1018), c.radioRows);  // both lists at once
        if (*c.saved) {
            const ChannelDatabase db = saved();
            std::string names;
            for (int i = 0; i < db.tvCount; ++i) names += fieldText(db.tv[i].name) + (db.tv[i].locked ? "*" : "");
            EXPECT_EQ(names + " " + memberNames(db, ChannelKind::Tv), c.saved);
        }
    }
}

}  // namespace
}  // namespace velmora::test
