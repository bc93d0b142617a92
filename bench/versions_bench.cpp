// SPDX-License-Identifier: GPL-3.0-or-later
// The changes window and the version store on two capacity-sized lists that
// differ by 1000 moves and 100 renames: the window filled from the diff, its
// refresh after a one-channel edit while it follows the open list, and what
// keeping a version adds to a save.
#include <QTreeWidget>

#include <filesystem>

#include "bench_support.h"
#include "changes_window.h"
#include "diff_pair.h"
#include "list_diff.h"
#include "version_store.h"

namespace {

using namespace velmora;

struct Fixture : bench::FormFixture {
    bench::DiffPair pair = bench::makeDiffPair(1000, 100);
    QString other = dir.filePath(QStringLiteral("other.bin"));
    Fixture() {
        // On disk A; open in the form: B, unsaved.
        bench::writeFile(path, pair.a);
        bench::writeFile(other, pair.b);
        open();
        view->restoreVersion(other.toStdString());
        QCoreApplication::processEvents();
    }
};
Fixture& fixture() { return bench::fixture<Fixture>(); }

void BM_ChangesWindowFilled(benchmark::State& state) {
    Fixture& f = fixture();
    ChangesWindow window;
    window.show();
    for (auto _ : state) {
        const ListDiff d = diffLists(f.pair.a, f.pair.b);
        window.showDiff(d, f.pair.a, f.pair.b, "A", "B");
        QCoreApplication::processEvents();
    }
    state.counters["groups"] = window.tree()->topLevelItemCount();
}
BENCHMARK(BM_ChangesWindowFilled)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Show Changes open on the form; each iteration renames one channel, as a
// table change does, and lets the window's refresh run.
void BM_ChangesRefreshAfterOneEdit(benchmark::State& state) {
    Fixture& f = fixture();
    f.view->handleCommand(32840);
    QCoreApplication::processEvents();
    int i = 0;
    for (auto _ : state) {
        setFieldText(f.view->database().tv[5].name, (i++ % 2) ? "Edited" : "Edited again");
        emit f.view->commandStateChanged();
        QCoreApplication::processEvents();
    }
    f.view->changesWindow()->close();
}
BENCHMARK(BM_ChangesRefreshAfterOneEdit)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// What a save adds: the capacity-sized file on disk read and kept, over a
// store already holding 20 versions of it (two contents in turn, so none is
// skipped as a repeat); the oldest goes each time.
void BM_KeepVersion(benchmark::State& state) {
    Fixture& f = fixture();
    VersionStore store(f.dir.filePath(QStringLiteral("store")).toStdString());
    const std::string kept = f.dir.filePath(QStringLiteral("kept.bin")).toStdString();
    std::time_t t = 1'765'000'000;
    bool flip = false;
    auto replace = [&] {
        std::filesystem::copy_file((flip = !flip) ? f.path.toStdString() : f.other.toStdString(), kept,
                                   std::filesystem::copy_options::overwrite_existing);
    };
    for (int i = 0; i < 20; ++i) replace(), store.keepCurrent(kept, ++t);
    for (auto _ : state) {
        state.PauseTiming();
        replace();
        state.ResumeTiming();
        benchmark::DoNotOptimize(store.keepCurrent(kept, ++t));
    }
    state.counters["versions"] = static_cast<double>(store.versions(kept).size());
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(kept));
}
BENCHMARK(BM_KeepVersion)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) { return velmora::bench::runBenchmarks<Fixture>(argc, argv); }
