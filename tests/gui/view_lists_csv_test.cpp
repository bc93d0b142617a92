// SPDX-License-Identifier: GPL-3.0-or-later
// Copy Rows, File > Export List… and a list as the reference of Apply Order
// From, wired to core's list texts (whose cases the core tests cover).
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "view_test_support.h"

namespace velmora::test {
namespace {

constexpr int kApplyOrder = 32795, kExportList = 32850, kCopyRows = 32851;

class ListsCsvTest : public SmallFileTest {};

TEST_F(ListsCsvTest, CopyRowsPutsTheSelectedRowsAsShownOnTheClipboardOnly) {
    const QString header = "Number\tChannel Name\tTransponder\tSatellite Name\n";
    click(1040);
    clickHeader(1017, 1);  // by name: Das Erste, TV Norge, ZDF
    selectRow(1017, 1);
    QApplication::clipboard()->clear();
    QTest::keyClick(find<QTableView>(1017), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), header + "0003\tTV Norge\t10872 V 25000 7/8\tThor 6\n");
    QTest::keyClick(find<QTableView>(1017), Qt::Key_V, Qt::ControlModifier);  // pastes nothing
    EXPECT_EQ(cell(1017, 1, 1) + cell(1017, 2, 1), "TV NorgeZDF");

    // Many rows, once the lists allow it: in shown order, whatever the order of selecting.
    QTableView* list = find<QTableView>(1017);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->selectionModel()->select(list->model()->index(2, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list->selectionModel()->select(list->model()->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    ASSERT_TRUE(view->commandEnabled(kCopyRows));
    view->handleCommand(kCopyRows);
    EXPECT_EQ(QApplication::clipboard()->text(),
              header + "0001\tDas Erste\t11747 H 27500 3/4\tAstra 1KR\n0002\tZDF\t12188 V 27500 AUTO\tAstra 1KR\n");

    // Filtered and sorted: the shown rows only, as shown.
    clickHeader(1017, 1);
    QTest::keyClicks(find<QLineEdit>(32861), "e");
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    view->handleCommand(kCopyRows);
    EXPECT_EQ(QApplication::clipboard()->text(),
              header + "0003\tTV Norge\t10872 V 25000 7/8\tThor 6\n0001\tDas Erste\t11747 H 27500 3/4\tAstra 1KR\n");
}

TEST_F(ListsCsvTest, ExportedListEditedElsewhereBringsBackOrderAndNames) {
    const QString csv = dir.filePath("list.csv");
    prompter->savePaths = {csv};
    ASSERT_TRUE(view->commandEnabled(kExportList));
    view->handleCommand(kExportList);
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.size(), 7);  // header, 3 TV, 2 radio, the end
    EXPECT_TRUE(lines[3].startsWith("TV,0003,TV Norge,10872,V,25000,7/8,Thor 6,000.8W,0fa1,")) << lines[3].toStdString();

    // Reversed and one name changed in a spreadsheet that writes semicolons.
    QFile edited(dir.filePath("edited.csv"));
    ASSERT_TRUE(edited.open(QIODevice::WriteOnly));
    edited.write("Kind;Service ID;Name\r\nTV;0fa1;TV Norge 2\r\nTV;2b66;ZDF\r\n");
    edited.close();
    click(1040);
    QString report;
    prompter->openPaths = {edited.fileName()};
    prompter->dialogHandler = [&](QDialog& d) {
        report = d.findChild<QPlainTextEdit*>("1171")->toPlainText();
        return QDialog::Accepted;
    };
    view->handleCommand(kApplyOrder);
    EXPECT_TRUE(report.contains("Names taken from the list: 1")) << report.toStdString();
    EXPECT_EQ(cell(1017, 0, 1) + "|" + cell(1017, 1, 1) + "|" + cell(1017, 2, 1), "TV Norge 2|ZDF|Das Erste");
    const ChannelDatabase db = saved();
    EXPECT_EQ(fieldText(db.tv[0].name), "TV Norge 2");
    view->handleCommand(57643);  // one Undo takes back the order and the name
    EXPECT_EQ(cell(1017, 0, 1) + "|" + cell(1017, 1, 1) + "|" + cell(1017, 2, 1), "Das Erste|ZDF|TV Norge");
}

}  // namespace
}  // namespace velmora::test
