// SPDX-License-Identifier: GPL-3.0-or-later
// Editor form timings with a capacity-sized file (10000 TV and 10000 radio
// channels): File > Open until both lists are filled, a refresh of the TV
// list, the unsaved-changes check, one selection change, a paste and a drop,
// the repaint of each mouse move during a drag, a header click, a search,
// the favourites dialog opening on a group of 10000 entries, and a keystroke
// in the filter bar. Runs on Qt's
// offscreen platform; each iteration also lets the pending repaints run.
#include <QCheckBox>
#include <QDialog>
#include <QDrag>
#include <QEventLoop>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPaintEvent>
#include <QTableView>
#include <QTimer>

#include <functional>

#include "bench_support.h"
#include "list_drag.h"

namespace {

using Fixture = velmora::bench::FormFixture;
Fixture& fixture() { return velmora::bench::fixture<Fixture>(); }

void BM_OpenCapacityFile(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) f.open();
    state.counters["tv_rows"] = f.view->tvList()->model()->rowCount();
    state.counters["radio_rows"] = f.view->radioList()->model()->rowCount();
}
BENCHMARK(BM_OpenCapacityFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_RefreshLists10000(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        f.view->refreshLists();
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = f.view->tvList()->model()->rowCount();
}
BENCHMARK(BM_RefreshLists10000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// What closing the window or File > Open runs to know whether to ask: a copy
// of the tables with the form committed, written out and compared with the
// file as loaded. In edit mode, so the form's commit is part of it.
void BM_UnsavedCheck(benchmark::State& state) {
    Fixture& f = fixture();
    f.view->handleCommand(1040);
    for (auto _ : state) benchmark::DoNotOptimize(f.view->hasUnsavedChanges());
    state.counters["unsaved"] = f.view->hasUnsavedChanges();
    f.open();  // back to viewing for the benchmarks after this one
}
BENCHMARK(BM_UnsavedCheck)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Arg 1: the next row (an arrow key); arg 4999: far apart, the list scrolls.
void BM_SelectionChange(benchmark::State& state) {
    Fixture& f = fixture();
    QTableView* list = f.view->tvList();
    const int step = static_cast<int>(state.range(0));
    int row = 0;
    for (auto _ : state) {
        row = (row + step) % 10000;
        const QModelIndex index = list->model()->index(row, 0);
        list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        list->scrollTo(index);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_SelectionChange)->Arg(1)->Arg(4999)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

void select(QTableView* list, int row) {
    const QModelIndex index = list->model()->index(row, 0);
    list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list->scrollTo(index);
}

QPoint rowCenter(QTableView* list, int row) { return list->visualRect(list->model()->index(row, 1)).center(); }

void sendDragMove(QWidget* viewport, const QMimeData* data, QPoint pos, bool enter) {
    if (enter) {
        QDragEnterEvent e(pos, Qt::MoveAction, data, Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &e);
    }
    QDragMoveEvent move(pos, Qt::MoveAction, data, Qt::LeftButton, {});
    QApplication::sendEvent(viewport, &move);
}

// Presses the left button on `row` and moves it: the drag begins and `play`
// runs as the user's mouse until the drag ends.
void dragRow(QTableView* list, int row, std::function<void(const QMimeData*)> play) {
    QWidget* vp = list->viewport();
    fixture().prompter.dragHandler = [&](QDrag& drag) {
        play(drag.mimeData());
        return Qt::MoveAction;
    };
    const QPoint from = rowCenter(list, row), to = from + QPoint(QApplication::startDragDistance() + 1, 0);
    QMouseEvent press(QEvent::MouseButtonPress, from, vp->mapToGlobal(from), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(vp, &press);
    QMouseEvent move(QEvent::MouseMove, to, vp->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(vp, &move);
}

// Edit > Paste of a channel cut at one end of the 10000-row list into the
// other end, until the list is refilled and repainted with the moved row
// selected; the next iteration moves it back.
void BM_PasteCapacity(benchmark::State& state) {
    Fixture& f = fixture();
    f.open();
    f.view->handleCommand(1040);  // Edit
    QTableView* list = f.view->tvList();
    int from = 0, to = 9999;
    for (auto _ : state) {
        state.PauseTiming();
        select(list, from);
        f.view->handleCommand(32786);  // Cut
        select(list, to);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        f.view->handleCommand(32811);  // Paste
        QCoreApplication::processEvents();
        if (f.view->selectedTvRow() != to) state.SkipWithError("moved row not selected");
        std::swap(from, to);
    }
}
BENCHMARK(BM_PasteCapacity)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// A drag of a row onto another visible row of the 10000-row list, from the
// press through the refilled and repainted list with the moved row selected.
void BM_DropCapacity(benchmark::State& state) {
    Fixture& f = fixture();
    f.open();
    f.view->handleCommand(1040);
    QTableView* list = f.view->tvList();
    select(list, 2);
    QCoreApplication::processEvents();
    int from = 2, to = 20;
    for (auto _ : state) {
        dragRow(list, from, [&](const QMimeData* data) {
            sendDragMove(list->viewport(), data, rowCenter(list, to), true);
            QDropEvent drop(rowCenter(list, to), Qt::MoveAction, data, Qt::LeftButton, {});
            QApplication::sendEvent(list->viewport(), &drop);
        });
        QCoreApplication::processEvents();
        if (f.view->selectedTvRow() != to) state.SkipWithError("moved row not selected");
        std::swap(from, to);
    }
}
BENCHMARK(BM_DropCapacity)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Collects what the list's viewport repaints.
struct RepaintCounter : QObject {
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted |= static_cast<QPaintEvent*>(event)->region();
        return false;
    }
    // Rows touched by the repainted area.
    int rows(int rowHeight) const {
        QRegion rowsHit;
        for (const QRect& r : painted)
            rowsHit |= QRect(0, r.top() / rowHeight, 1, r.bottom() / rowHeight - r.top() / rowHeight + 1);
        int n = 0;
        for (const QRect& r : rowsHit) n += r.height();
        return n;
    }
};

// One mouse move during a drag onto the next row, repainted at once: the
// rows repainted per move are the counter (the row losing the highlight and
// the row gaining it).
void BM_DragMoveRepaint(benchmark::State& state) {
    Fixture& f = fixture();
    f.open();
    f.view->handleCommand(1040);
    QTableView* list = f.view->tvList();
    QCoreApplication::processEvents();
    RepaintCounter counter;
    const int rowHeight = list->rowHeight(0);
    int most = 0;
    std::int64_t moves = 0, rows = 0;
    dragRow(list, 3, [&](const QMimeData* data) {
        sendDragMove(list->viewport(), data, rowCenter(list, 4), true);
        // Half a second after a press the list repaints the pressed cell once
        // (its own delayed scroll to the current cell); that is no move's doing.
        QEventLoop wait;
        QTimer::singleShot(QApplication::doubleClickInterval() + 200, &wait, &QEventLoop::quit);
        wait.exec();
        list->viewport()->installEventFilter(&counter);
        int row = 25;
        for (auto _ : state) {
            row = row == 25 ? 4 : row + 1;
            counter.painted = QRegion();
            sendDragMove(list->viewport(), data, rowCenter(list, row), false);
            QCoreApplication::processEvents();
            const int n = counter.rows(rowHeight);
            most = std::max(most, n);
            rows += n;
            ++moves;
        }
        list->viewport()->removeEventFilter(&counter);
    });
    state.counters["rows_repainted_max"] = most;
    state.counters["rows_repainted_mean"] = moves ? static_cast<double>(rows) / static_cast<double>(moves) : 0;
}
BENCHMARK(BM_DragMoveRepaint)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

// A click on the header of column N in edit mode, until the list has
// repainted. Clicks on one column alternate the direction, so every click
// but the first sorts rows standing in the opposite order.
void BM_HeaderClick10000(benchmark::State& state) {
    Fixture& f = fixture();
    f.view->handleCommand(1040);
    QHeaderView* header = f.view->tvList()->horizontalHeader();
    const int column = static_cast<int>(state.range(0));
    for (auto _ : state) {
        emit header->sectionClicked(column);
        QCoreApplication::processEvents();
    }
    f.open();
}
BENCHMARK(BM_HeaderClick10000)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Search (1009) for the name of the last TV row, then of the first: the
// dialog, the search over every row, the selection 9999 rows away and the
// repaint of the scrolled list.
void BM_Search10000(benchmark::State& state) {
    Fixture& f = fixture();
    const QAbstractItemModel* model = f.view->tvList()->model();
    const QString names[] = {model->index(9999, 1).data().toString(), model->index(0, 1).data().toString()};
    int next = 0;
    f.prompter.dialogHandler = [&](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("1030"))->setText(names[next].toLower());
        return int(QDialog::Accepted);
    };
    for (auto _ : state) {
        f.view->handleCommand(1009);
        QCoreApplication::processEvents();
        next = 1 - next;
    }
    state.counters["row"] = f.view->selectedTvRow();
    f.prompter.dialogHandler = nullptr;
}
BENCHMARK(BM_Search10000)->Unit(benchmark::kMillisecond)->MinTime(2.0);
// View > Favourites on a file whose first group holds all 10000 TV entries,
// from the command until the dialog is painted with its list filled, and
// closed again.
void BM_FavouritesOpen10000(benchmark::State& state) {
    Fixture& f = fixture();
    velmora::ChannelDatabase db = velmora::makeSampleDatabase(velmora::SampleOptions::capacity());
    std::fill(db.tvMemberCount.begin(), db.tvMemberCount.end(), 0);
    db.tvMemberCount[0] = 10000;
    const QString path = f.dir.filePath(QStringLiteral("one-group.bin"));
    velmora::bench::writeFile(path, db);
    f.prompter.openPaths.push_back(path);
    f.view->handleCommand(57601);
    QCoreApplication::processEvents();
    int rows = 0;
    f.prompter.dialogHandler = [&](QDialog& dialog) {
        dialog.show();
        QCoreApplication::processEvents();
        rows = dialog.findChild<QListView*>(QStringLiteral("1087"))->model()->rowCount();
        return int(QDialog::Rejected);
    };
    for (auto _ : state) f.view->handleCommand(32788);
    f.prompter.dialogHandler = nullptr;
    if (rows != 10000) state.SkipWithError("the list does not hold the group");
    state.counters["rows"] = rows;
    f.open();
}
BENCHMARK(BM_FavouritesOpen10000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// ---- several selected rows ----

// Rows first, first+step, ... of the TV list selected, `current` the row the
// form shows; one selection change.
void selectEvery(QTableView* list, int first, int step, int count, int current) {
    select(list, current);
    QItemSelection selection;
    const int last = list->model()->columnCount() - 1;
    const QAbstractItemModel* model = list->model();
    if (step == 1) selection.select(model->index(first, 0), model->index(first + count - 1, last));
    else
        for (int i = 0, r = first; i < count && r < model->rowCount(); ++i, r += step)
            selection.select(model->index(r, 0), model->index(r, last));
    list->selectionModel()->select(selection, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QCoreApplication::processEvents();
}

// The form's Delete of every second channel (5000 selected) after its one
// question, until the list is refilled and repainted; the file is opened
// again before each.
void BM_DeleteEverySecond5000(benchmark::State& state) {
    Fixture& f = fixture();
    QTableView* list = f.view->tvList();
    for (auto _ : state) {
        state.PauseTiming();
        f.open();
        f.view->handleCommand(1040);
        selectEvery(list, 0, 2, 5000, 0);
        f.prompter.answers = {velmora::ui::Answer::Yes};
        state.ResumeTiming();
        f.view->handleCommand(1042);
        QCoreApplication::processEvents();
        if (f.view->database().tvCount != 5000) state.SkipWithError("not 5000 deleted");
    }
    f.open();
}
BENCHMARK(BM_DeleteEverySecond5000)->Unit(benchmark::kMillisecond)->Iterations(10);

// Alt+Home of every second channel (5000), to the refreshed list with the
// moved rows selected.
void BM_MoveEverySecondToTop5000(benchmark::State& state) {
    Fixture& f = fixture();
    f.open();
    f.view->handleCommand(1040);
    QTableView* list = f.view->tvList();
    for (auto _ : state) {
        state.PauseTiming();
        selectEvery(list, 1, 2, 5000, 1);
        state.ResumeTiming();
        f.view->handleCommand(32822);
        QCoreApplication::processEvents();
        if (list->selectionModel()->selectedRows().size() != 5000) state.SkipWithError("moved rows not selected");
    }
    f.open();
}
BENCHMARK(BM_MoveEverySecondToTop5000)->Unit(benchmark::kMillisecond)->Iterations(50);

// Alt+Down of a block of 1000 rows, again and again down the list.
void BM_AltDownBlock1000(benchmark::State& state) {
    Fixture& f = fixture();
    f.open();
    f.view->handleCommand(1040);
    QTableView* list = f.view->tvList();
    selectEvery(list, 0, 1, 1000, 0);
    int steps = 0;
    for (auto _ : state) {
        if (++steps == 9000) {  // at the bottom: back to the top, untimed
            state.PauseTiming();
            selectEvery(list, 0, 1, 1000, 0);
            steps = 1;
            state.ResumeTiming();
        }
        f.view->handleCommand(32821);
        QCoreApplication::processEvents();
    }
    state.counters["selected"] = static_cast<double>(list->selectionModel()->selectedRows().size());
    f.open();
}
BENCHMARK(BM_AltDownBlock1000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// A click on group 1's box with every second channel selected (5000): they
// are its members, so the clicks take them out and put them back in turn,
// each a change of 5000 entries in a file holding 10000.
void BM_BoxClick5000(benchmark::State& state) {
    Fixture& f = fixture();
    velmora::ChannelDatabase db = velmora::makeSampleDatabase(velmora::SampleOptions::capacity());
    auto& members = db.members(velmora::ChannelKind::Tv);
    auto& counts = db.memberCounts(velmora::ChannelKind::Tv);
    std::size_t e = 0;
    for (int c = 0; c < 10000; c += 2) members[e++] = static_cast<std::uint16_t>(c);
    counts[0] = 5000;
    const std::size_t groups = db.groupCount();
    for (std::size_t k = 1; k < groups; ++k) counts[k] = static_cast<std::uint16_t>(5000 / (groups - 1) + (k <= 5000 % (groups - 1) ? 1 : 0));
    for (int c = 1; c < 10000; c += 2) members[e++] = static_cast<std::uint16_t>(c);
    db.syncWorkingTables();
    const QString path = f.dir.filePath(QStringLiteral("half-members.bin"));
    velmora::bench::writeFile(path, db);
    f.prompter.openPaths.push_back(path);
    f.view->handleCommand(57601);
    f.view->handleCommand(1040);
    QTableView* list = f.view->tvList();
    selectEvery(list, 0, 2, 5000, 0);
    auto* box = f.view->findChild<QCheckBox*>(QStringLiteral("1001"));
    for (auto _ : state) {
        box->click();
        QCoreApplication::processEvents();
    }
    state.counters["members"] = f.view->database().memberCounts(velmora::ChannelKind::Tv)[0];
    f.open();
}
BENCHMARK(BM_BoxClick5000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// One keystroke in the filter bar's text field, until both lists are
// filtered and the shown one has repainted. Arg 0: the first letter over the
// whole list and its Backspace back to every row; arg 1: a second letter
// narrowing an already filtered list and its Backspace; arg 2: as 0 with
// every row selected first (Ctrl+A), the selection kept on the rows shown.
void key(QWidget* to, int code, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
    QApplication::sendEvent(to, &press);
}

void BM_FilterKeystroke10000(benchmark::State& state) {
    Fixture& f = fixture();
    auto* edit = f.view->findChild<QLineEdit*>(QStringLiteral("32861"));
    edit->setFocus();
    edit->setText(state.range(0) == 1 ? QStringLiteral("s") : QString());
    if (state.range(0) == 2) f.view->tvList()->selectAll();
    QCoreApplication::processEvents();
    bool typed = false;
    for (auto _ : state) {
        typed ? key(edit, Qt::Key_Backspace, QString()) : key(edit, Qt::Key_P, QStringLiteral("p"));
        QCoreApplication::processEvents();
        typed = !typed;
    }
    state.counters["rows_shown"] = f.view->tvList()->model()->rowCount();
    edit->clear();
    QCoreApplication::processEvents();
}
BENCHMARK(BM_FilterKeystroke10000)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Escape in the filter's text field with "sport" in it: the whole list back,
// repainted. Setting the text again is not timed.
void BM_FilterClear10000(benchmark::State& state) {
    Fixture& f = fixture();
    auto* edit = f.view->findChild<QLineEdit*>(QStringLiteral("32861"));
    edit->setFocus();
    for (auto _ : state) {
        state.PauseTiming();
        edit->setText(QStringLiteral("sport"));
        QCoreApplication::processEvents();
        state.ResumeTiming();
        key(edit, Qt::Key_Escape, QString());
        QCoreApplication::processEvents();
    }
    state.counters["rows_shown"] = f.view->tvList()->model()->rowCount();
}
BENCHMARK(BM_FilterClear10000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) { return velmora::bench::runBenchmarks<Fixture>(argc, argv); }
