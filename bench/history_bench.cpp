// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and Redo in the editor form with a capacity-sized file (10000 TV and
// 10000 radio channels): from the command until both lists are refilled and
// repainted with the step's channels selected. Each benchmark makes one step
// and then alternates Undo and Redo of it. Runs on Qt's offscreen platform.
#include <QItemSelectionModel>
#include <QTabBar>
#include <QTableView>
#include <QUndoStack>

#include "bench_support.h"

namespace {

using Fixture = velmora::bench::FormFixture;
Fixture& fixture() { return velmora::bench::fixture<Fixture>(); }

void select(QTableView* list, int row) {
    const QModelIndex index = list->model()->index(row, 0);
    list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QCoreApplication::processEvents();
}

// Alternates Undo and Redo of the step on top; `undoRow` and `redoRow` are
// the TV rows each must end on.
void undoRedo(benchmark::State& state, int undoRow, int redoRow) {
    Fixture& f = fixture();
    if (f.view->undoStack()->count() != 1) state.SkipWithError("the step was not kept");
    bool undo = true;
    for (auto _ : state) {
        f.view->handleCommand(undo ? 57643 : 57644);
        QCoreApplication::processEvents();
        if (f.view->selectedTvRow() != (undo ? undoRow : redoRow)) state.SkipWithError("the step's row is not selected");
        undo = !undo;
    }
    f.open();
}

// Channel 0 cut and pasted on the last row.
void BM_UndoRedoMove(benchmark::State& state) {
    Fixture& f = fixture();
    f.view->handleCommand(1040);
    QTableView* list = f.view->tvList();
    select(list, 0);
    f.view->handleCommand(32786);
    select(list, 9999);
    f.view->handleCommand(32811);
    undoRedo(state, 0, 9999);
}
BENCHMARK(BM_UndoRedoMove)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Channel 5000 deleted with its favourite entries.
void BM_UndoRedoDeleteChannel(benchmark::State& state) {
    Fixture& f = fixture();
    f.view->handleCommand(1040);
    select(f.view->tvList(), 5000);
    f.prompter.answers.push_back(velmora::ui::Answer::Yes);
    f.view->handleCommand(1042);
    undoRedo(state, 5000, 5000);
}
BENCHMARK(BM_UndoRedoDeleteChannel)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The Satellite page's Delete of the first channel's satellite: its
// transponders, every channel on them and their favourite entries.
void BM_UndoRedoDeleteSatellite(benchmark::State& state) {
    Fixture& f = fixture();
    f.view->handleCommand(1040);
    select(f.view->tvList(), 0);
    f.view->findChild<QTabBar*>(QStringLiteral("1044"))->setCurrentIndex(2);
    const int tvBefore = f.view->database().tvCount;
    f.prompter.answers.push_back(velmora::ui::Answer::Yes);
    f.view->handleCommand(1042);
    state.counters["tv_removed"] = tvBefore - f.view->database().tvCount;
    undoRedo(state, 0, 0);
    f.view->findChild<QTabBar*>(QStringLiteral("1044"))->setCurrentIndex(0);
}
BENCHMARK(BM_UndoRedoDeleteSatellite)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) { return velmora::bench::runBenchmarks<Fixture>(argc, argv); }
