// SPDX-License-Identifier: GPL-3.0-or-later
// The wiring of several selected rows: how clicks and keys select, one
// question per Delete, the boxes' three states, the block moves and their
// enabling. The block arithmetic itself is core's and tested there.
#include <QContextMenuEvent>
#include <QDrag>
#include <QMenu>
#include <QSpinBox>
#include <QTest>

#include "move_to_dialog.h"
#include "view_test_support.h"

namespace velmora::test {
namespace {

// TV channels A..F; group 0 holds [E B A], group 1 holds [C].
class SelectionTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        original = fileBytes(letteredDatabase(6, {"EBA", "C"}), 0);
        QObject::connect(view.get(), &CArdelEditView::statusText, [this](const QString& t) { status = t; });
        reopen();
    }
    void reopen() {
        writeBytes(path, original);
        open(path);
        click(1040);
        status.clear();
    }
    QTableView* list() const { return find<QTableView>(1017); }
    // "1 +3 -5": a click on row 1, a Ctrl+click on row 3, a Shift+click on row 5.
    void pick(const QString& clicks) {
        for (const QString& c : clicks.split(' ', Qt::SkipEmptyParts)) {
            const Qt::KeyboardModifiers mod = c[0] == '+' ? Qt::ControlModifier : c[0] == '-' ? Qt::ShiftModifier : Qt::NoModifier;
            const int row = (mod == Qt::NoModifier ? c : c.mid(1)).toInt();
            QTest::mouseClick(list()->viewport(), Qt::LeftButton, mod,
                              list()->visualRect(list()->model()->index(row, 1)).center());
        }
    }
    QString selectedNames() const {
        QString out;
        for (int r = 0; r < rows(1017); ++r)
            if (list()->selectionModel()->isRowSelected(r)) out += cell(1017, r, 1);
        return out;
    }
    std::string savedNames() {
        const ChannelDatabase db = saved();
        std::string names;
        for (int i = 0; i < db.tvCount; ++i) names += fieldText(db.tv[i].name) + (db.tv[i].locked ? "*" : "");
        return names + " " + memberNames(db, ChannelKind::Tv);
    }
    std::vector<std::uint8_t> original;
    QString status;
};

TEST_F(SelectionTest, ClicksAndKeysSelectAndTheCurrentRowFillsTheForm) {
    const auto key = [&](Qt::Key k, Qt::KeyboardModifiers m) { return [=, this] { QTest::keyClick(list(), k, m); }; };
    const struct { const char* clicks; std::function<void()> then; const char* selected; const char* form; const char* status; } cases[] = {
        {"2", {}, "C", "C", ""},
        {"1 -3", {}, "BCD", "D", "3 channels selected"},
        {"1 +4", {}, "BE", "E", "2 channels selected"},
        {"1 +4 +4", {}, "B", "E", ""},  // Ctrl+click takes a row out; the form stays
        {"1 +3 3", {}, "D", "D", ""},   // a plain click on a selected row selects it alone
        {"0", key(Qt::Key_Down, Qt::ShiftModifier), "AB", "B", "2 channels selected"},
        {"2", key(Qt::Key_A, Qt::ControlModifier), "ABCDEF", "C", "6 channels selected"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clicks);
        reopen();
        pick(c.clicks);
        if (c.then) c.then();
        EXPECT_EQ(selectedNames(), c.selected);
        EXPECT_EQ(text(1026), c.form);
        EXPECT_EQ(status, c.status);
    }
}

TEST_F(SelectionTest, OneQuestionPerDeleteWithItsText) {
    const auto menuDelete = [&] {
        prompter->menuHandler = [](QMenu& m) {
            for (QAction* a : m.actions())
                if (a->text().startsWith("Del")) return a;
            return static_cast<QAction*>(nullptr);
        };
        const QPoint p = list()->visualRect(list()->model()->index(1, 1)).center();
        QContextMenuEvent e(QContextMenuEvent::Mouse, p, list()->viewport()->mapToGlobal(p));
        QApplication::sendEvent(list()->viewport(), &e);
    };
    const auto command = [&](int id) { return [=, this] { view->handleCommand(id); }; };
    const QString form = "Marked channel will be deleted, proceed saving?", menu = "Marked channels will be deleted, proceed SAVING?";
    const struct { const char* clicks; std::function<void()> del; bool yes; QStringList texts; const char* result; } cases[] = {
        {"1", command(1042), true, {form}, "ACDEF 0:EA 1:C"},
        {"1 -3", command(1042), true, {"3 marked channels will be deleted, proceed saving?"}, "AEF 0:EA"},
        {"1 +4", command(32776), false, {"2 marked channels will be deleted, proceed saving?"}, "ABCDEF 0:EBA 1:C"},
        {"1 +4", [&] { QTest::keyClick(list(), Qt::Key_Delete); }, true, {"2 marked channels will be deleted, proceed saving?"}, "ACDF 0:A 1:C"},
        {"1 -2", menuDelete, true, {menu}, "ADEF 0:EA"},
        {"0 -5", command(1042), true, {"6 marked channels will be deleted, proceed saving?", "End of Data"}, " "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clicks);
        reopen();
        pick(c.clicks);
        prompter->messages.clear();
        prompter->answers = {c.yes ? ui::Answer::Yes : ui::Answer::No};
        c.del();
        EXPECT_EQ(prompter->texts(), c.texts);
        EXPECT_EQ(savedNames(), c.result);
    }
}

TEST_F(SelectionTest, BoxesShowAllSomeOrNoneAndActOnEverySelectedChannel) {
    const struct { const char* clicks; int box; Qt::CheckState before; const char* result; } cases[] = {
        {"0 +1", 1001, Qt::Checked, "ABCDEF 0:E 1:C"},          // every entry of each goes
        {"0 +2", 1001, Qt::PartiallyChecked, "ABCDEF 0:EBAC 1:C"},  // the others to the end
        {"2 -3", 1001, Qt::Unchecked, "ABCDEF 0:EBACD 1:C"},
        {"0 +2", 1002, Qt::PartiallyChecked, "ABCDEF 0:EBA 1:CA"},
        {"1 -3", 1004, Qt::Unchecked, "AB*C*D*EF 0:EBA 1:C"},
        {"2", 1001, Qt::Unchecked, "ABCDEF 0:EBAC 1:C"},         // one row: as before
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clicks);
        reopen();
        pick(c.clicks);
        auto* box = find<QCheckBox>(c.box);
        EXPECT_EQ(box->checkState(), c.before);
        box->click();
        EXPECT_EQ(box->checkState(), c.before == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        EXPECT_EQ(savedNames(), c.result);
    }
}

TEST_F(SelectionTest, KeyboardMovesMoveToAndBlockPasteKeepTheSelection) {
    int moveToLast = 0;
    const auto moveTo = [&](int position) {
        return [&, position] {
            prompter->dialogHandler = [&, position](QDialog& d) {
                auto* box = d.findChild<QSpinBox*>(QString::number(MoveToDialog::kPosition));
                moveToLast = box->maximum();
                box->setValue(position);
                return int(QDialog::Accepted);
            };
            view->handleCommand(32824);
        };
    };
    const auto command = [&](int id) { return [=, this] { view->handleCommand(id); }; };
    const auto cutPaste = [&](int row) {
        return [=, this] {
            view->handleCommand(32786);
            int greyed = 0;
            for (int r = 0; r < rows(1017); ++r) greyed += list()->model()->index(r, 1).data(Qt::ForegroundRole).isValid();
            EXPECT_EQ(greyed, 2) << "every held row is greyed";
            pick(QString::number(row));
            view->handleCommand(32811);
        };
    };
    // A drag of row `from`, dropped on row `to` (-1: below the last row).
    const auto drag = [&](int from, int to) {
        return [=, this] {
            QWidget* vp = list()->viewport();
            const auto at = [&](int r) { return list()->visualRect(list()->model()->index(r, 1)).center(); };
            prompter->dragHandler = [&](QDrag& d) {
                const QPoint target = to >= 0 ? at(to) : QPoint(20, vp->height() - 5);
                sendDrag<QDragEnterEvent>(vp, d.mimeData(), target);
                sendDrag<QDragMoveEvent>(vp, d.mimeData(), target);
                sendDrag<QDropEvent>(vp, d.mimeData(), target);
                return Qt::MoveAction;
            };
            pressAndMove(vp, at(from), {QApplication::startDragDistance() + 1, 0});
        };
    };
    const struct { const char* clicks; std::function<void()> move; const char* selected; const char* result; } cases[] = {
        {"1 +2", command(32820), "BC", "BCADEF 0:EBA 1:C"},
        {"0 +1", command(32820), "AB", "ABCDEF 0:EBA 1:C"},  // already at the top
        {"1 +3", command(32821), "BD", "ACBEDF 0:EBA 1:C"},
        {"1 +3", command(32822), "BD", "BDACEF 0:EBA 1:C"},
        {"1 +3", command(32823), "BD", "ACEFBD 0:EBA 1:C"},
        {"0 +1", moveTo(4), "AB", "CDEABF 0:EBA 1:C"},
        {"1 -2", cutPaste(4), "BC", "ADEBCF 0:EBA 1:C"},   // below the block: it ends at the row
        {"3 +5", cutPaste(1), "DF", "ADFBCE 0:EBA 1:C"},   // above: right before the row
        {"1 +3", cutPaste(3), "BD", "ACBDEF 0:EBA 1:C"},   // a held row keeps its place
        {"1 -2", drag(2, 4), "BC", "ADEBCF 0:EBA 1:C"},    // any selected row drags them all
        {"0 +2", drag(0, -1), "AC", "BDEFAC 0:EBA 1:C"},   // below the last row: to the end
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clicks);
        reopen();
        pick(c.clicks);
        c.move();
        EXPECT_EQ(selectedNames(), c.selected);
        EXPECT_EQ(savedNames(), c.result);
    }
    EXPECT_EQ(moveToLast, 5) << "two channels of six start at 1 to 5";
}

TEST_F(SelectionTest, MovesAreOfferedInPlainEditingOnly) {
    const struct { const char* state; std::function<void()> enter; bool offered; } cases[] = {
        {"viewing", [&] { open(path); }, false},
        {"editing, several", [&] { pick("1 +3"); }, true},
        {"editing, one", [] {}, true},
        {"cut", [&] { view->handleCommand(32786); }, false},
        {"sorted", [&] { clickHeader(1017, 1); }, false},
        {"new", [&] { click(1069); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        reopen();
        c.enter();
        for (int id = 32820; id <= 32824; ++id) EXPECT_EQ(view->commandEnabled(id), c.offered) << id;
    }
}

}  // namespace
}  // namespace velmora::test
