// Editor form timings with a capacity-sized file (10000 TV and 10000 radio
// channels): File > Open until both lists are filled, a refresh of the TV
// list, the unsaved-changes check, and one selection change. Runs on Qt's offscreen platform; each
// iteration also lets the pending repaints run.
#include <QApplication>
#include <QItemSelectionModel>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <pty.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>

#include "CArdelEditView.h"
#include "channel_writer.h"
#include "resources_init.h"
#include "sample_data.h"
#include "scripted_prompter.h"

namespace {

struct Fixture {
    QTemporaryDir dir;
    QString path;
    velmora::ui::ScriptedPrompter prompter;
    std::unique_ptr<velmora::CArdelEditView> view;

    Fixture() {
        velmora::ChannelDatabase db = velmora::makeSampleDatabase(velmora::SampleOptions::capacity());
        path = dir.filePath(QStringLiteral("capacity.bin"));
        const auto bytes = velmora::buildChannelFile(db, velmora::SaveOptions{});
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
        f.close();
        velmora::ViewOptions options;
        options.port.configPath = dir.filePath(QStringLiteral("config.ini"));
        view = std::make_unique<velmora::CArdelEditView>(nullptr, options);
        view->resize(1280, 800);
        view->show();
        view->initialUpdate();
        open();
    }
    void open() {
        prompter.openPaths.push_back(path);
        view->handleCommand(57601);
        QCoreApplication::processEvents();
    }
};

// Built on first use, destroyed before the QApplication.
std::unique_ptr<Fixture> theFixture;
Fixture& fixture() {
    if (!theFixture) theFixture = std::make_unique<Fixture>();
    return *theFixture;
}

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

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The form opens COM1 at start-up: give it a pseudo-terminal of its own
    // rather than a real serial device of the machine.
    int master = -1, slave = -1;
    if (::openpty(&master, &slave, nullptr, nullptr, nullptr) == 0) ::setenv("VELMORA_COM1", ::ttyname(slave), 0);
    velmora::initResources();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    theFixture.reset();
    return 0;
}
