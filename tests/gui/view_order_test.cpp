// SPDX-License-Identifier: GPL-3.0-or-later
// Header clicks, the search and Edit > Apply Order From…, wired to the list
// orders and the matching of core (whose results the core tests cover): what
// the lists, the form and Save do with them. When Apply Order From is offered
// is checked with the other commands in view_moves_test.
#include <QDialog>
#include <QHeaderView>
#include <QPlainTextEdit>

#include "channel_edit.h"
#include "view_test_support.h"

namespace velmora::test {
namespace {

constexpr int kApplyOrder = 32795;

class OrderTest : public SmallFileTest {
protected:
    QString numbers(int listId) const {  // "132@2": Number cells' last digits, selected row
        QString out;
        for (int r = 0; r < rows(listId); ++r) out += cell(listId, r, 0).right(1);
        return out + QStringLiteral("@%1").arg(selectedRow(listId));
    }
};

TEST_F(OrderTest, HeaderClicksSortInEditModeAndSaveKeepsTheFileOrder) {
    QStringList status;
    QObject::connect(view.get(), &CArdelEditView::statusText, [&](const QString& t) { status << t; });
    auto indicator = [&](int listId) {  // "column+" or "column-", "" when hidden
        const QHeaderView* h = find<QTableView>(listId)->horizontalHeader();
        if (!h->isSortIndicatorShown()) return QString();
        return QString::number(h->sortIndicatorSection()) + (h->sortIndicatorOrder() == Qt::AscendingOrder ? "+" : "-");
    };
    clickHeader(1017, 2);  // outside edit mode the rows stay, but the header tells
    EXPECT_TRUE(view->flags().sortPending && numbers(1017) == QStringLiteral("123@0"));
    EXPECT_EQ(indicator(1017) + indicator(1018), "2+");
    click(1040);
    view->handleCommand(32786);  // a Cut refused by the sort says why
    EXPECT_EQ(status, QStringList{"Sorted by Transponder: Save or Cancel to move channels"});
    selectRow(1017, 1);  // ZDF
    clickHeader(1017, 1);
    EXPECT_EQ(numbers(1017) + text(1105), QStringLiteral("132@2002"));
    EXPECT_FALSE(enabled(1069) || enabled(1042));
    clickHeader(1017, 1);  // the second click reverses
    EXPECT_EQ(numbers(1017) + indicator(1017), QStringLiteral("231@01-"));
    selectRow(1017, 1);
    type(1026, QStringLiteral("TV Norge HD"));
    const ChannelDatabase db = saved();
    EXPECT_EQ(fieldText(db.tv[2].name) + fieldText(db.tv[1].name), "TV Norge HDZDF");
    EXPECT_EQ(numbers(1017) + indicator(1017), QStringLiteral("123@2"));
    // An open whose chooser is cancelled ends the sort: table order again.
    clickHeader(1017, 0, 2);
    view->handleCommand(57601);
    EXPECT_EQ(numbers(1017), QStringLiteral("123@2"));
}

TEST_F(OrderTest, BoxClicksWhileSortedShowAndCancelKeepsTheChannel) {
    click(1040);
    click(1129);
    clickHeader(1018, 1, 2);  // radio: NRK P1, Bayern 3
    click(1128);
    selectRow(1017, 2);  // TV Norge, the last number
    clickHeader(1017, 1);
    // Out of News and back in at its place, each time seen after a click on
    // another row and back.
    for (const char* label : {"000", "001"}) {
        click(1001);
        selectRow(1017, 0);
        selectRow(1017, 1);
        EXPECT_EQ(text(1098), QString::fromLatin1(label));
    }
    click(1043);
    EXPECT_EQ(numbers(1017) + numbers(1018).left(2) + text(1026), QStringLiteral("123@212TV Norge"));
}

TEST_F(OrderTest, NewThenASortOfTheOtherListSavesBoth) {
    click(1040);
    click(1069);           // a copy of Das Erste before TV row 0, on the form till Save
    clickHeader(1017, 1);  // the list holding the New keeps its order
    EXPECT_EQ(cell(1017, 0, 1), QStringLiteral("Das Erste"));
    click(1129);
    clickHeader(1018, 1, 2);  // NRK P1, Bayern 3
    const ChannelDatabase db = saved();
    EXPECT_EQ(db.tvCount, 4);
    EXPECT_EQ(fieldText(db.radio[0].name) + fieldText(db.radio[1].name), "Bayern 3NRK P1");
    EXPECT_EQ(db.radioMembers[0], 1);
}

TEST_F(OrderTest, SearchSelectsTheLastWholeNameMatch) {
    QStringList opened;
    QString answer;  // '+' presses OK, '-' closes the dialog otherwise
    prompter->dialogHandler = [&](QDialog& dialog) {
        auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("1030"));
        opened << dialog.objectName() + field->text();
        field->setText(answer.mid(1));
        return answer.startsWith('+') ? QDialog::Accepted : QDialog::Rejected;
    };
    for (const auto& [typed, row] : {std::pair{"+zdf", 1}, {"+das erste", 0}, {"-ZDF", 0}, {"+Arte", 0}}) {
        answer = QString::fromLatin1(typed);
        click(1009);
        EXPECT_EQ(selectedRow(1017), row) << typed;
    }
    EXPECT_EQ(text(1026), QStringLiteral("Das Erste"));
    EXPECT_EQ(opened, QStringList(4, QStringLiteral("194")));  // the field empty at every opening
    EXPECT_TRUE(prompter->messages.isEmpty());
}

TEST_F(OrderTest, ApplyOrderFromReportsThenPutsBothListsInTheReferenceOrderForSave) {
    // The same channels, TV in reverse order and the radio pair swapped.
    ChannelDatabase ref = smallDatabase();
    applyChannelOrder(ref, ChannelKind::Tv, std::vector<int>{2, 1, 0});
    applyChannelOrder(ref, ChannelKind::Radio, std::vector<int>{1, 0});
    const QString refPath = writeDatabase(ref, QStringLiteral("ref.bin"));
    click(1040);
    selectRow(1017, 0);  // Das Erste, last in the reference
    QString report;
    prompter->openPaths = {refPath, refPath};
    prompter->dialogHandler = [&](QDialog& d) {  // OK the first time, Cancel the second
        report = d.findChild<QPlainTextEdit*>("1171")->toPlainText();
        return prompter->dialogsRun.size() > 1 ? QDialog::Rejected : QDialog::Accepted;
    };
    ASSERT_TRUE(view->handleCommand(kApplyOrder));
    EXPECT_TRUE(report.startsWith("TV: 3 of 3 channels matched (3 by ids, 0 by name)")) << report.toStdString();
    EXPECT_EQ(cell(1017, 0, 1) + cell(1018, 0, 1), "TV NorgeNRK P1");
    EXPECT_EQ(selectedRow(1017), 2);  // the selection followed its channel
    view->handleCommand(kApplyOrder);
    EXPECT_EQ(cell(1017, 0, 1), "TV Norge");
    // A damaged reference is named as such; the user's lists stay.
    std::vector<std::uint8_t> damaged = fileBytes(ref, 0);
    damaged[64] = 0;
    writeBytes(refPath, damaged);
    prompter->openPaths = {refPath};
    view->handleCommand(kApplyOrder);
    EXPECT_EQ(prompter->texts().last(), "The reference file is damaged; the order of the lists was not changed.\n" + refPath);
    EXPECT_EQ(cell(1017, 0, 1), "TV Norge");

    const ChannelDatabase db = saved();
    EXPECT_EQ(fieldText(db.tv[0].name) + fieldText(db.radio[0].name), "TV NorgeNRK P1");
    EXPECT_TRUE(db.tvMembers[0] == 0 && db.tvMembers[1] == 2);  // News: TV Norge, then Das Erste
}

}  // namespace
}  // namespace velmora::test
