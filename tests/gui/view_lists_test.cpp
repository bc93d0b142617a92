// SPDX-License-Identifier: GPL-3.0-or-later
// The lists and what a selection puts on the form; the tab pages; the
// TV/radio switch; the Enter/Escape filter.
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QTabBar>
#include <QTest>

#include "channel_list_model.h"
#include "sample_data.h"
#include "view_test_support.h"

namespace velmora::test {
namespace {

class ListsTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        open(writeDatabase(smallDatabase()));
    }
};

TEST_F(ListsTest, SelectionPutsExactTextsOnTheForm) {
    selectRow(1017, 1);
    EXPECT_EQ(view->selectedTvRow(), 1);
    EXPECT_EQ(view->activeList(), CArdelEditView::ActiveList::Tv);
    // Channel page.
    EXPECT_EQ(text(1105), QStringLiteral("002"));
    EXPECT_EQ(text(1026), QStringLiteral("ZDF"));
    EXPECT_EQ(text(1028), QStringLiteral("2b66"));
    EXPECT_EQ(text(1000), QStringLiteral("0100"));
    EXPECT_EQ(text(1030), QStringLiteral("0101"));
    EXPECT_EQ(text(1033), QStringLiteral("0102"));
    EXPECT_EQ(text(1035), QStringLiteral("0103"));
    EXPECT_TRUE(find<QCheckBox>(1106)->isChecked());
    EXPECT_TRUE(find<QCheckBox>(1007)->isChecked());
    EXPECT_FALSE(find<QCheckBox>(1004)->isChecked());
    EXPECT_EQ(text(1045), QStringLiteral("12188V  27500  AUTO"));
    EXPECT_EQ(text(1020), QStringLiteral("Astra 1KR"));
    // Transponder page.
    EXPECT_EQ(view->currentTransponder(), 1);
    EXPECT_EQ(text(1058), QStringLiteral("2"));
    EXPECT_EQ(text(1091), QStringLiteral("0001"));
    EXPECT_EQ(text(1089), QStringLiteral("03fb"));
    EXPECT_EQ(text(1080), QStringLiteral("12188"));
    EXPECT_EQ(text(1051), QStringLiteral("27500"));
    EXPECT_EQ(text(1082), QStringLiteral("Vertical"));
    EXPECT_EQ(text(1052), QStringLiteral("AUTO"));
    // Satellite page.
    EXPECT_EQ(view->currentSatellite(), 0);
    EXPECT_EQ(text(1056), QStringLiteral("Astra 1KR"));
    EXPECT_EQ(text(1062), QStringLiteral("019.2E"));
    EXPECT_EQ(text(1049), QStringLiteral("Astra 1KR"));
    EXPECT_EQ(find<QComboBox>(1049)->count(), 2);

    selectRow(1017, 2);
    EXPECT_EQ(text(1062), QStringLiteral("000.8W"));
    EXPECT_EQ(text(1020), QStringLiteral("Thor 6"));
    EXPECT_EQ(text(1052), QStringLiteral("7/8"));
    EXPECT_TRUE(find<QCheckBox>(1004)->isChecked());
    EXPECT_FALSE(find<QCheckBox>(1106)->isChecked());  // follows each channel
}

TEST_F(ListsTest, FavouriteMarksFollowTheSelection) {
    // TV 0 is member 2 of "News" and member 1 of "Sport".
    EXPECT_TRUE(find<QCheckBox>(1001)->isChecked());
    EXPECT_EQ(text(1098), QStringLiteral("002"));
    EXPECT_TRUE(find<QCheckBox>(1002)->isChecked());
    EXPECT_EQ(text(1099), QStringLiteral("001"));

    selectRow(1017, 1);  // in no group
    for (int id : {1001, 1002, 1003}) EXPECT_FALSE(find<QCheckBox>(id)->isChecked()) << id;
    EXPECT_EQ(text(1098), QStringLiteral("000"));
    EXPECT_EQ(text(1099), QStringLiteral("000"));

    click(1129);  // radio 0: in no group; radio 1 is member 1 of "News"
    EXPECT_FALSE(find<QCheckBox>(1001)->isChecked());
    selectRow(1018, 1);
    EXPECT_TRUE(find<QCheckBox>(1001)->isChecked());
    EXPECT_EQ(text(1098), QStringLiteral("001"));
    EXPECT_FALSE(find<QCheckBox>(1002)->isChecked());
}

TEST_F(ListsTest, TabPagesShowTheirControlSets) {
    const std::vector<int> channelOnly{1048, 1103, 1104, 1105, 1020, 1036, 1037, 1038, 1023, 1045, 1026, 1025, 1028,
                                       1027, 1106, 1030, 1000, 1033, 1035, 1029, 1031, 1032, 1034, 1093, 1094, 1095,
                                       1096, 1001, 1002, 1003, 1005, 1006, 1008, 1010, 1011, 1012, 1013, 1098, 1099,
                                       1100, 1101, 1102, 1109, 1111, 1112, 1113, 1114, 1004, 1007};
    const std::vector<int> always{1039, 1040, 1069, 1041, 1042, 1043};
    const std::vector<int> transponderAndSatellite{1073, 1058, 1057, 1089, 1076, 1067};
    const std::vector<int> transponderOnly{1049, 1091, 1078, 1080, 1079, 1082, 1081, 1051, 1083, 1052, 1084};
    const std::vector<int> satelliteOnly{1056, 1062, 1061, 1107};

    auto expect = [&](const std::vector<int>& ids, bool visible, int page) {
        for (int id : ids) EXPECT_EQ(shown(id), visible) << "control " << id << " on page " << page;
    };
    // Start-up and page 0 are the same.
    expect(channelOnly, true, 0);
    expect(transponderAndSatellite, false, 0);
    expect(transponderOnly, false, 0);
    expect(satelliteOnly, false, 0);

    showPage(1);
    EXPECT_EQ(view->currentTab(), 1);
    expect(channelOnly, false, 1);
    expect(always, true, 1);
    expect(transponderAndSatellite, true, 1);
    expect(transponderOnly, true, 1);
    expect(satelliteOnly, false, 1);

    showPage(2);
    EXPECT_EQ(view->currentTab(), 2);
    expect(channelOnly, false, 2);
    expect(always, true, 2);
    expect(transponderAndSatellite, true, 2);
    expect(transponderOnly, false, 2);
    expect(satelliteOnly, true, 2);
    EXPECT_EQ(text(1107), QStringLiteral("( 180.0E ~ 180.0W )"));

    showPage(0);
    expect(channelOnly, true, 0);
    expect(always, true, 0);
    expect(transponderAndSatellite, false, 0);
    expect(satelliteOnly, false, 0);

    auto* tabs = find<QTabBar>(1044);
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Channel"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Transponder"));
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("Satellite"));
}

TEST_F(ListsTest, TvRadioSwitch) {
    selectRow(1017, 2);
    click(1129);
    EXPECT_TRUE(shown(1018));
    EXPECT_TRUE(shown(1108));
    EXPECT_FALSE(shown(1017));
    EXPECT_FALSE(shown(1127));
    EXPECT_TRUE(find<QCheckBox>(1129)->isChecked());
    EXPECT_FALSE(find<QCheckBox>(1128)->isChecked());
    EXPECT_TRUE(shown(1151));
    EXPECT_FALSE(shown(1048));
    EXPECT_EQ(selectedRow(1018), 0);
    EXPECT_EQ(view->activeList(), CArdelEditView::ActiveList::Radio);
    EXPECT_EQ(text(1026), QStringLiteral("Bayern 3"));

    click(1129);  // clicking the ticked box keeps it ticked
    EXPECT_TRUE(find<QCheckBox>(1129)->isChecked());

    // The menu commands are the same switches.
    EXPECT_TRUE(view->commandEnabled(32789));
    view->handleCommand(32789);
    EXPECT_TRUE(shown(1017));
    EXPECT_FALSE(shown(1018));
    EXPECT_EQ(selectedRow(1017), 0);
    EXPECT_EQ(text(1026), QStringLiteral("Das Erste"));
    EXPECT_TRUE(find<QCheckBox>(1128)->isChecked());
    EXPECT_FALSE(find<QCheckBox>(1129)->isChecked());
}

// The TV and radio pictures lie where the other pages have their controls.
TEST_F(ListsTest, PicturesAppearOnlyOnTheChannelPage) {
    auto pictures = [&] { return std::pair{shown(1048), shown(1151)}; };
    click(1129);
    EXPECT_EQ(pictures(), std::pair(false, true));
    showPage(1);
    EXPECT_EQ(pictures(), std::pair(false, false));
    view->handleCommand(32790);  // the switches from the menu, on this page
    EXPECT_EQ(pictures(), std::pair(false, false));
    view->handleCommand(32789);
    EXPECT_EQ(pictures(), std::pair(false, false));
    showPage(0);
    EXPECT_EQ(pictures(), std::pair(true, false));
}

TEST_F(ListsTest, EmptyRadioTableKeepsTheForm) {
    ChannelDatabase db = smallDatabase();
    db.radioCount = 0;
    db.radioMemberCount[0] = 0;
    open(writeDatabase(db, QStringLiteral("no-radio.bin")));
    selectRow(1017, 1);
    click(1129);
    EXPECT_EQ(rows(1018), 0);
    EXPECT_EQ(text(1026), QStringLiteral("ZDF"));
    EXPECT_EQ(view->activeList(), CArdelEditView::ActiveList::Tv);
}

// Counts the key presses that reach a control.
class KeyCounter : public QObject {
public:
    int presses = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::KeyPress) ++presses;
        return false;
    }
};

TEST_F(ListsTest, EnterAndEscapeNeverReachTheControls) {
    click(1040);
    auto* name = find<QLineEdit>(1026);
    KeyCounter counter;
    name->installEventFilter(&counter);
    name->setFocus();
    QTest::keyClick(name, Qt::Key_Return);
    QTest::keyClick(name, Qt::Key_Enter);
    QTest::keyClick(name, Qt::Key_Escape);
    EXPECT_EQ(counter.presses, 0);
    QTest::keyClick(name, Qt::Key_X);
    EXPECT_EQ(counter.presses, 1);
    name->removeEventFilter(&counter);
}

TEST_F(ListsTest, KeysMoveTheRowAndTabLeavesTheList) {
    SampleOptions options;
    options.tv = 200;
    open(writeDatabase(makeSampleDatabase(options), QStringLiteral("long.bin")));
    auto* list = find<QTableView>(1017);
    list->setFocus();
    selectRow(1017, 50);
    const int page = list->viewport()->height() / list->rowHeight(0);
    // Each key from where the one before left the row.
    const struct { Qt::Key key; int row; bool focused; } cases[] = {
        {Qt::Key_End, 199, true}, {Qt::Key_Home, 0, true}, {Qt::Key_PageDown, page, true},
        {Qt::Key_PageUp, 0, true}, {Qt::Key_Tab, 0, false},
    };
    for (const auto& c : cases) {
        QTest::keyClick(list, c.key);
        EXPECT_EQ(std::pair(selectedRow(1017), view->focusWidget() == list), std::pair(c.row, c.focused)) << c.key;
    }
    EXPECT_EQ(view->selectedTvRow(), 0);
}

TEST(ListsBeforeLoad, SwitchesAndCommandsAreOff) {
    ui::ScriptedPrompter prompter;
    CArdelEditView view;
    view.show();
    for (int id : {1009, 1040, 1069, 1041, 1042, 1043, 1128, 1129, 1045, 1049, 1082, 1052, 1106, 1004, 1007, 1001})
        EXPECT_FALSE(view.findChild<QWidget*>(QString::number(id))->isEnabled()) << id;
    for (int id : {32789, 32790, 32788, 32792, 32812, 32776, 57607}) EXPECT_FALSE(view.commandEnabled(id)) << id;
    EXPECT_TRUE(view.commandEnabled(57601));
    EXPECT_TRUE(view.findChild<QLineEdit*>(QStringLiteral("1026"))->isReadOnly());
    EXPECT_TRUE(view.findChild<QWidget*>(QStringLiteral("1085"))->isHidden());
    EXPECT_FALSE(view.findChild<QLabel*>(QStringLiteral("1085"))->text().isEmpty());
    // Handled, but with no current row nothing is printed.
    EXPECT_TRUE(view.handleCommand(57607));
    EXPECT_TRUE(prompter.dialogsRun.isEmpty());
}

// The list cells keep their shaped texts; what they paint must still be the
// cell's text, in the right colour, inside the cell and clear of the picture.
class CellPaintTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<ChannelRow> rows(2);
        rows[0].cells = {QStringLiteral("0001"), QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"),
                         QStringLiteral("11362H  22000  2/3"), QStringLiteral("Astra")};
        rows[0].image = 0;  // scrambled: a picture before the number
        rows[1].cells = {QStringLiteral("0002"), QStringLiteral("ZDF"), QString(), QString()};
        model.setRows(std::move(rows));
        table.setModel(&model);
        table.setIconSize(QSize(32, 16));
    }
    QImage paintCell(int row, int column, int width, bool selected) {
        return paintWith(delegate, row, column, width, selected);
    }
    QImage paintWith(const QAbstractItemDelegate& with, int row, int column, int width, bool selected) {
        QStyleOptionViewItem opt;
        opt.initFrom(&table);
        opt.widget = &table;
        opt.rect = QRect(0, 0, width, 20);
        opt.state = QStyle::State_Enabled | QStyle::State_Active;
        if (selected) opt.state |= QStyle::State_Selected;
        opt.palette.setColor(QPalette::Base, Qt::white);
        opt.palette.setColor(QPalette::Text, QColor(0, 160, 0));
        opt.palette.setColor(QPalette::Highlight, QColor(0, 0, 255));
        opt.palette.setColor(QPalette::HighlightedText, QColor(255, 0, 0));
        opt.decorationSize = table.iconSize();
        QImage image(width + 40, 20, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        with.paint(&painter, opt, model.index(row, column));
        return image;
    }
    // Columns of the image holding pixels of the colour's hue family.
    static std::pair<int, int> inkSpan(const QImage& image, bool (*isInk)(QRgb)) {
        int first = -1, last = -1;
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if (isInk(image.pixel(x, y))) {
                    if (first < 0) first = x;
                    last = x;
                    break;
                }
        return {first, last};
    }
    static bool greenish(QRgb c) { return qGreen(c) > qRed(c) + 60 && qGreen(c) > qBlue(c) + 60; }
    static bool reddish(QRgb c) { return qRed(c) > qGreen(c) + 60 && qRed(c) > qBlue(c) + 60; }

    ChannelListModel model;
    QTableView table;
    ChannelCellDelegate delegate;
};

TEST_F(CellPaintTest, TextTakesThePaletteColourOfTheRowState) {
    const QImage plain = paintCell(1, 1, 195, false);
    EXPECT_GE(inkSpan(plain, greenish).first, 0);
    EXPECT_LT(inkSpan(plain, reddish).first, 0);
    const QImage selected = paintCell(1, 1, 195, true);
    EXPECT_GE(inkSpan(selected, reddish).first, 0);
    EXPECT_LT(inkSpan(selected, greenish).first, 0);
    // Same text both ways: the same width of ink.
    const auto a = inkSpan(plain, greenish), b = inkSpan(selected, reddish);
    EXPECT_NEAR(a.second - a.first, b.second - b.first, 2);
}

TEST_F(CellPaintTest, TextStaysInsideItsCellAndClearOfThePicture) {
    // Far too wide for the column: the ink ends inside the cell.
    const auto wide = inkSpan(paintCell(0, 1, 120, false), greenish);
    ASSERT_GE(wide.first, 0);
    EXPECT_LT(wide.second, 120);
    // Texts start where the stock painting puts them, after the picture of
    // a scrambled channel too, and elide as it does.
    QStyledItemDelegate plain;
    for (auto [row, column, width] : {std::tuple{0, 0, 80}, {1, 0, 80}, {0, 2, 160}, {1, 1, 195}, {0, 1, 120}}) {
        const auto ours = inkSpan(paintCell(row, column, width, false), greenish);
        const auto stock = inkSpan(paintWith(plain, row, column, width, false), greenish);
        ASSERT_GE(ours.first, 0) << row << column;
        EXPECT_NEAR(ours.first, stock.first, 1) << row << column;
        EXPECT_NEAR(ours.second, stock.second, 2) << row << column;
    }
    QStyleOptionViewItem opt;
    opt.initFrom(&table);
    opt.rect = QRect(0, 0, 80, 20);
    opt.decorationSize = table.iconSize();
    struct Stock : QStyledItemDelegate {
        using QStyledItemDelegate::initStyleOption;
    } stock;
    auto textRect = [&](bool withText) {
        QStyleOptionViewItem o = opt;
        stock.initStyleOption(&o, model.index(0, 0));
        if (!withText) o.text.clear();
        return table.style()->subElementRect(QStyle::SE_ItemViewItemText, &o, &table);
    };
    // Only the text's width moves the box's right edge.
    EXPECT_EQ(textRect(true).left(), textRect(false).left());
    EXPECT_EQ(textRect(true).top(), textRect(false).top());
    EXPECT_EQ(textRect(true).height(), textRect(false).height());
}

TEST_F(CellPaintTest, ShapedTextsAreBoundedAndFollowTheText) {
    std::vector<ChannelRow> rows(ChannelCellDelegate::kCacheLimit + 10);
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i].cells[1] = QString::number(i);
    model.setRows(std::move(rows));
    for (int r = 0; r < model.rowCount(); ++r) paintCell(r, 1, 60, false);
    EXPECT_LE(delegate.cachedTexts(), ChannelCellDelegate::kCacheLimit);
    EXPECT_GT(delegate.cachedTexts(), 0);
    // A changed text paints the new text, not a kept one of the same cell.
    std::vector<ChannelRow> narrow(1), wide(1);
    narrow[0].cells[1] = QStringLiteral("I");
    wide[0].cells[1] = QStringLiteral("WWWWWW");
    model.setRows(narrow);
    const auto a = inkSpan(paintCell(0, 1, 195, false), greenish);
    model.setRows(wide);
    const auto b = inkSpan(paintCell(0, 1, 195, false), greenish);
    EXPECT_GT(b.second - b.first, a.second - a.first + 20);
}

}  // namespace
}  // namespace velmora::test
