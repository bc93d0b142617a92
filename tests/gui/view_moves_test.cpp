// SPDX-License-Identifier: GPL-3.0-or-later
// The wiring of Cut, Paste, the lists' right-click menu and drags to core's
// moves, checked on the saved file, and the choices that keep a held channel valid.
#include <QContextMenuEvent>
#include <QDrag>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include "list_drag.h"
#include "view_test_support.h"

namespace velmora::test {
namespace {

enum Pick { None = -1, Header, New, Cut, Paste, Del };
// How a drag ends, or which menu a Cut and Paste go through.
enum End { Drop, Beside, Below, Outside, Escape, Enter, Nothing, ListMenu, EditMenu };

// TV channels A..E; group 0 holds [E B A], group 1 holds [C].
class MovesTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        original = fileBytes(letteredDatabase(5, {"EBA", "C"}), 0);
        reopen();
    }
    void reopen() {
        writeBytes(path, original);
        open(path);
        click(1040);
    }
    // TV names in the saved file's order, then the groups' members.
    std::string savedNames() {
        const ChannelDatabase db = saved();
        std::string names;
        for (int i = 0; i < db.tvCount; ++i) names += fieldText(db.tv[i].name);
        return names + " " + memberNames(db, ChannelKind::Tv);
    }
    QWidget* viewport(int id) const { return find<QTableView>(id)->viewport(); }
    QPoint at(int id, int row) const {
        return find<QTableView>(id)->visualRect(find<QTableView>(id)->model()->index(row, 1)).center();
    }

    // Right click on `row`; records the menu ("~": grayed) and picks `pick`.
    void rightClick(int id, int row, Pick pick = None) {
        prompter->menuHandler = [this, pick](QMenu& m) {
            QStringList items;
            QAction* chosen = nullptr;
            for (QAction* a : m.actions()) {
                items << (a->isEnabled() ? "" : "~") + a->text();
                if (a->data().toInt() == pick) chosen = a;
            }
            menu = items.join('|');
            return chosen;
        };
        const QPoint p = at(id, row);
        QTest::mouseClick(viewport(id), Qt::RightButton, {}, p);
        QContextMenuEvent e(QContextMenuEvent::Mouse, p, viewport(id)->mapToGlobal(p));
        QApplication::sendEvent(viewport(id), &e);
    }

    // Left button pressed on `row` and moved along it; while the drag runs
    // the mouse goes over row `over` (when a list takes the drag) and ends so.
    void drag(int row, int over, End end, int id = 1017) {
        QWidget* vp = viewport(id);
        prompter->dragHandler = [&](QDrag& d) {
            const QMimeData* data = d.mimeData();
            // Beside: right of the last column, still on the row.
            const QPoint target = end == Beside ? QPoint(vp->width() - 3, at(id, over).y()) : at(id, over);
            const QPoint below(20, vp->height() - 5);
            sendDrag<QDragEnterEvent>(vp, data, target);
            sendDrag<QDragMoveEvent>(vp, data, target);
            EXPECT_TRUE(view->listUpdateInProgress());
            EXPECT_EQ(view->listDrag()->dropRow(), over) << "row 0 too";
            EXPECT_EQ(text(1026), cell(id, row, 1)) << "the form stays with the dragged row";
            if (end == Escape || end == Enter) QTest::keyClick(vp, end == Escape ? Qt::Key_Escape : Qt::Key_Return);
            QDragLeaveEvent leave;
            if (end == Outside) QApplication::sendEvent(vp, &leave);
            if (end == Below) sendDrag<QDragMoveEvent>(vp, data, below);
            // A release after Escape or Enter counts for nothing.
            if (end != Outside && end != Nothing) sendDrag<QDropEvent>(vp, data, end == Below ? below : target);
            return Qt::IgnoreAction;
        };
        pressAndMove(vp, at(id, row), {QApplication::startDragDistance() + 1, 0});
    }

    std::vector<std::uint8_t> original;
    QString menu;
};

const char* const kStart = "ABCDE 0:EBA 1:C";

TEST_F(MovesTest, CutAndPasteThroughEitherMenuAndDragsMoveOrChangeNothing) {
    // `cutB`: B is cut, then D dragged outside, first.
    const struct { int from, to; End end; const char* result; int selected; bool cutB = false; } cases[] = {
        {1, 3, ListMenu, "ACDBE 0:EBA 1:C", 3}, {3, 1, EditMenu, "ADBCE 0:EBA 1:C", 1}, {1, 1, ListMenu, kStart, 1},
        {1, 3, Drop, "ACDBE 0:EBA 1:C", 3},     {3, 1, Beside, "ADBCE 0:EBA 1:C", 1},   {2, 4, Below, "ABDEC 0:EBA 1:C", 4},
        {1, 1, Drop, kStart, 1},                {0, 0, Drop, kStart, 0},                {1, 3, Outside, kStart, 1},
        {1, 3, Escape, kStart, 1},              {1, 3, Enter, kStart, 1},               {3, 0, Drop, "DABCE 0:EBA 1:C", 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1->%2 %3 %4").arg(c.from).arg(c.to).arg(c.end).arg(c.cutB).toStdString());
        reopen();
        if (c.cutB) {
            selectRow(1017, 1);
            view->handleCommand(32786);
            drag(3, 3, Outside);
            EXPECT_TRUE(view->flags().cutPending && view->heldChannel()->heldIndex == 1) << "a cancelled drag holds B again";
        }
        // The rows drawn greyed: the cut channel's while it waits for Paste.
        const auto greyed = [&] {
            QString out;
            for (int r = 0; r < rows(1017); ++r)
                if (find<QTableView>(1017)->model()->index(r, 1).data(Qt::ForegroundRole).isValid()) out += cell(1017, r, 1);
            return out;
        };
        if (c.end == ListMenu || c.end == EditMenu) {
            selectRow(1017, c.from);
            c.end == ListMenu ? rightClick(1017, c.from, Cut) : void(view->handleCommand(32786));
            EXPECT_FALSE(enabled(1069) || enabled(1042));
            selectRow(1017, c.to);
            EXPECT_EQ(greyed(), QChar('A' + c.from));
            c.end == ListMenu ? rightClick(1017, c.to, Paste) : void(view->handleCommand(32811));
            EXPECT_TRUE(enabled(1069) && enabled(1042) && !view->flags().cutPending);
            EXPECT_EQ(greyed(), QString());
        } else {
            drag(c.from, c.to, c.end);
            EXPECT_FALSE(view->listUpdateInProgress() || view->listDrag()->active());
            EXPECT_FALSE(view->flags().cutPending || view->commandEnabled(32811)) << "a drag replaces a cut";
            EXPECT_TRUE(enabled(1069) && enabled(1042));
        }
        EXPECT_EQ(selectedRow(1017), c.selected);
        EXPECT_EQ(text(1026), cell(1017, c.selected, 1)) << "the form shows the moved row";
        EXPECT_EQ(savedNames(), c.result);
    }
}

TEST_F(MovesTest, CommandsMenusAndDragsFollowTheState) {
    const std::pair<int, const char*> commands[] = {{32786, "Cut"},    {32811, "Paste"},      {32812, "New"},
                                                    {32776, "Delete"}, {32795, "ApplyOrder"}, {32788, "Favourites"}};
    // The list menu's items, "~" for grayed; Cut's text differs with the state.
    const QString moves = "||Move Up|Move Down|Move to Top|Move to Bottom|Move To...",
                  noMoves = "||~Move Up|~Move Down|~Move to Top|~Move to Bottom|~Move To...";
    const QString tv = "<TV channel>|", none = "~New  (&N)|~Cut  (&X)|~Paste(&P)|~Del  (&D)" + noMoves,
                  grayed = "~New  (&N)|~Cut (&X)|~Paste(&P)|~Del  (&D)" + noMoves,
                  paste = "~New  (&N)|~Cut (&X)|Paste(&P)|~Del  (&D)" + noMoves;
    const auto cut = [&] { view->handleCommand(32786); };
    const auto sort = [&] { view->flags().sortPending = true; };
    // `offered`: the menus' commands; `items`: the list's right-click menu.
    const struct {
        const char* state; std::function<void()> enter; int list; QString offered; bool drags; QString items;
    } cases[] = {
        {"viewing", [&] { open(path); }, 1017, "Favourites", false, none},
        {"editing", [] {}, 1017, "Cut New Delete ApplyOrder Favourites", true, tv + "New  (&N)|Cut  (&X)|~Paste(&P)|Del  (&D)" + moves},
        {"cut", cut, 1017, "Paste Favourites", true, tv + paste},
        {"cut, other kind", [&] { cut(); click(1129); }, 1018, "Favourites", true, "<Radio channel>|" + none},
        {"sorted", sort, 1017, "New Delete Favourites", false, tv + grayed},
        {"sorted, cut", [&] { cut(); sort(); }, 1017, "Paste Favourites", false, tv + paste},
        // A New keeps its member lists apart until Save or Cancel: no favourites dialog.
        {"new", [&] { click(1069); }, 1017, "New Delete", false, tv + grayed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        click(1043);  // Cancel: back to plain editing of the TV list
        view->flags().sortPending = false;
        click(1128);
        c.enter();
        QStringList offered;
        for (const auto& [id, name] : commands)
            if (view->commandEnabled(id)) offered << name;
        EXPECT_EQ(offered.join(' '), c.offered);
        rightClick(c.list, 0);
        EXPECT_EQ(menu, c.items);
        prompter->dragsRun = 0;
        drag(1, 1, Nothing, c.list);
        EXPECT_EQ(prompter->dragsRun, c.drags ? 1 : 0);
        EXPECT_EQ(selectedRow(c.list), 1) << "a refused drag is an ordinary press and move";
        const auto dialogs = prompter->dialogsRun.size();
        view->handleCommand(32788);  // the command itself waits as its menu item does
        EXPECT_EQ(prompter->dialogsRun.size() - dialogs, c.offered.contains("Favourites") ? 1 : 0);
        if (!view->flags().editActive) click(1040);
    }
}

TEST_F(MovesTest, WhileACutIsPendingNewAndDeleteAreRefusedAndEditsAreKept) {
    selectRow(1017, 1);
    view->handleCommand(32786);
    for (int id : {1069, 1042, 32812, 32776}) view->handleCommand(id);  // Ctrl+N, Ctrl+D, Edit menu
    EXPECT_TRUE(prompter->messages.isEmpty());
    EXPECT_EQ(view->database().tvCount, 5);
    // An edit of another channel and of the held one, each saved, survive the paste.
    selectRow(1017, 2);
    type(1026, QStringLiteral("c"));
    click(1041);
    EXPECT_FALSE(enabled(1069) || enabled(1042)) << "Save keeps the cut's refusal";
    selectRow(1017, 1);
    find<QCheckBox>(1004)->click();  // lock box: at once
    type(1026, QStringLiteral("b"));
    click(1041);
    selectRow(1017, 4);
    view->handleCommand(32811);
    EXPECT_EQ(savedNames(), "AcDEb 0:EbA 1:c");
    EXPECT_EQ(view->database().tv[4].locked, 1);
}

TEST_F(MovesTest, PasteInASortedListMovesByTheNumberCell) {
    selectRow(1017, 1);
    view->handleCommand(32786);  // B
    clickHeader(1017, 1, 2);     // Channel Name twice: rows E D C B A
    ASSERT_EQ(cell(1017, 0, 1), "E");
    selectRow(1017, 0);  // E, table position 4
    view->handleCommand(32811);
    EXPECT_FALSE(view->flags().sortPending);
    EXPECT_EQ(cell(1017, 4, 1) + QString::number(selectedRow(1017)), "B4");
    const ChannelDatabase& db = view->database();
    EXPECT_TRUE(std::equal(db.tv.begin(), db.tv.begin() + 5, db.workingTv.begin())) << "list and tables agree";
    EXPECT_EQ(savedNames(), "ACDEB 0:EBA 1:C");
}

TEST_F(MovesTest, MenuDeleteOnAnEmptyListDeletesNothing) {
    open(writeDatabase(letteredDatabase(0, {})));
    click(1040);
    click(1129);  // radio active,
    click(1128);  // the empty TV list shown
    prompter->answers = {ui::Answer::Yes};
    rightClick(1017, 0, Del);
    EXPECT_EQ(view->database().radioCount, 2);
}

TEST_F(MovesTest, MenuDeleteAsksAndSelectsTheNewLastRow) {
    for (ui::Answer answer : {ui::Answer::No, ui::Answer::Yes}) {
        prompter->answers = {answer};
        rightClick(1017, 4, Del);
    }
    ASSERT_EQ(prompter->messages.size(), 2);
    const auto& m = prompter->messages[0];
    EXPECT_EQ(m.caption + ": " + m.text, "Ardel Editor: Marked channels will be deleted, proceed SAVING?");
    EXPECT_TRUE(m.buttons == ui::Buttons::YesNo && m.icon == ui::Icon::Exclamation);
    EXPECT_EQ(text(1026) + QString::number(selectedRow(1017)), "D3");
    EXPECT_EQ(savedNames(), "ABCD 0:BA 1:C");
}

}  // namespace
}  // namespace velmora::test
