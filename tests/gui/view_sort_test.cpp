// Header clicks and the search, wired to the list order of the core (whose
// orders the core tests cover): what the lists, the form and Save do with them.
#include <QDialog>
#include <QHeaderView>
#include <QTest>

#include "channel_reader.h"
#include "view_test_support.h"

namespace velmora::test {
namespace {

class SortTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        path = writeDatabase(smallDatabase());
        open(path);
    }
    void clickHeader(int listId, int column, int times = 1) {
        QHeaderView* header = find<QTableView>(listId)->horizontalHeader();
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, {header->sectionViewportPosition(column) + 5, 5});
    }
    QString numbers(int listId) const {  // "132@2": Number cells' last digits, selected row
        QString out;
        for (int r = 0; r < rows(listId); ++r) out += cell(listId, r, 0).right(1);
        return out + QStringLiteral("@%1").arg(selectedRow(listId));
    }
    ChannelDatabase saved() {
        click(1041);
        ChannelDatabase db;
        EXPECT_TRUE(loadChannelFile(path.toStdString(), db).ok());
        return db;
    }
    QString path;
};

TEST_F(SortTest, HeaderClicksSortInEditModeAndSaveKeepsTheFileOrder) {
    clickHeader(1017, 1);  // outside edit mode the rows stay
    EXPECT_TRUE(view->flags().sortPending && numbers(1017) == QStringLiteral("123@0"));
    click(1040);
    selectRow(1017, 1);  // ZDF
    clickHeader(1017, 1);
    EXPECT_EQ(numbers(1017), QStringLiteral("132@2"));
    EXPECT_EQ(text(1105), QStringLiteral("002"));
    EXPECT_FALSE(enabled(1069) || enabled(1042));
    clickHeader(1017, 1);  // the second click reverses
    EXPECT_EQ(numbers(1017), QStringLiteral("231@0"));
    selectRow(1017, 1);
    type(1026, QStringLiteral("TV Norge HD"));
    const ChannelDatabase db = saved();
    EXPECT_EQ(fieldText(db.tv[2].name), "TV Norge HD");
    EXPECT_EQ(fieldText(db.tv[1].name), "ZDF");
    EXPECT_EQ(numbers(1017), QStringLiteral("123@2"));
    // An open whose chooser is cancelled ends the sort: table order again.
    clickHeader(1017, 0, 2);
    view->handleCommand(57601);
    EXPECT_EQ(numbers(1017), QStringLiteral("123@2"));
}

TEST_F(SortTest, BoxClicksWhileSortedShowAndCancelKeepsTheChannel) {
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
    EXPECT_EQ(numbers(1017), QStringLiteral("123@2"));
    EXPECT_EQ(numbers(1018).left(2), QStringLiteral("12"));
    EXPECT_EQ(text(1026), QStringLiteral("TV Norge"));
}

TEST_F(SortTest, NewThenASortOfTheOtherListSavesBoth) {
    click(1040);
    click(1069);  // a copy of Das Erste before TV row 0, on the form till Save
    clickHeader(1017, 1);  // the list holding the New keeps its order
    EXPECT_EQ(cell(1017, 0, 1), QStringLiteral("Das Erste"));
    click(1129);
    clickHeader(1018, 1, 2);  // NRK P1, Bayern 3
    const ChannelDatabase db = saved();
    EXPECT_EQ(db.tvCount, 4);
    EXPECT_EQ(fieldText(db.radio[0].name) + fieldText(db.radio[1].name), "Bayern 3NRK P1");
    EXPECT_EQ(db.radioMembers[0], 1);
}

TEST_F(SortTest, SearchSelectsTheLastWholeNameMatch) {
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

}  // namespace
}  // namespace velmora::test
